// SPDX-License-Identifier: MIT
// C_VYXNumberText: the program's number formats on the shared "C"-locale printing and reading,
// so a German desktop locale cannot turn the decimal point into a comma.
#include "C_VYXNumberText.h"

#include "VYXClassicNumbers.h"

#include <QByteArray>

#include <cmath>
#include <string>

namespace {

const char* PrintfPattern(C_VYXNumberText::Format format) {
    using C_VYXNumberText::Format;
    switch (format) {
    case Format::Fixed20:
        return "%10.20f";
    case Format::Fixed6:
        return "%f";
    case Format::Fixed20WithPoint:
        return "%#10.20f";
    case Format::Fixed20Width20:
        return "%20.20f";
    case Format::Fixed11:
        return "%1.11f";
    case Format::Fixed10:
        return "%10.10f";
    case Format::FieldValue:
        return "%.15g";
    }
    return "%f";
}

QString ToQString(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

/// Index of the next sign that starts a new part of a complex number text, or -1. A sign at the
/// very start belongs to the first part, and one right after an exponent's "e" to its number.
qsizetype NextPartSign(const QString& text, qsizetype from) {
    for (qsizetype k = from; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (c != u'+' && c != u'-')
            continue;
        const QChar before = text.at(k - 1);
        if (before == u'e' || before == u'E')
            continue;
        return k;
    }
    return -1;
}

/// The value of a part when the whole text is one finite number (an imaginary part's "i" already
/// taken off); false for anything else, such as a fraction's text or "nan".
bool WholeFiniteValue(const QString& text, double& value) {
    const QByteArray bytes = text.toLatin1();
    return vyx_classic::ReadWhole(std::string_view(bytes.constData(), bytes.size()), value) &&
           std::isfinite(value);
}

/// Fixed decimals would lie about these values: from 1e16 on a double's digits are no longer the
/// result's (and printf invents them), and a value below the last decimal shown would read as 0.
bool NeedsExponent(double value, int decimals) {
    const double magnitude = std::fabs(value);
    return magnitude >= 1e16 || (magnitude != 0.0 && magnitude < std::pow(10.0, -decimals));
}

QString RoundPart(const QString& part, int decimals) {
    QString text = part;
    bool imaginary = false;
    const QChar last = text.isEmpty() ? QChar() : text.back().toLower();
    if (last == u'i' || last == u'j') {
        text.remove(last, Qt::CaseInsensitive);
        imaginary = true;
    }
    const QString suffix = imaginary ? QStringLiteral("i") : QString();

    double value = 0.0;
    QString rounded;
    if (decimals >= 1 && decimals <= 10 && WholeFiniteValue(text, value) &&
        NeedsExponent(value, decimals)) {
        rounded = ToQString(vyx_classic::Print("%.*e", decimals, value));
    } else {
        const qsizetype point = text.indexOf(u'.');
        // Without a point the text is returned as it came, "j" and all.
        if (point < 0)
            return part;
        if (text.size() - point - 1 < decimals)
            return text + suffix;
        value = C_VYXNumberText::LeadingDouble(text);
        rounded = C_VYXNumberText::FormatDecimals(value, decimals);
    }
    if (imaginary) {
        rounded += suffix;
        if (value > 0)
            rounded.prepend(u'+');
    }
    return rounded;
}

} // namespace

namespace C_VYXNumberText {

QString FormatDouble(Format format, double value) {
    return ToQString(vyx_classic::Print(PrintfPattern(format), value));
}

QString FormatDecimals(double value, int decimals) {
    if (decimals < 1 || decimals > 10)
        return QString();
    return ToQString(vyx_classic::Print("%.*f", decimals, value));
}

QString RoundNumberText(const QString& text, int decimals) {
    // Each signed part of a complex number (real and imaginary) is rounded on its own.
    QString result;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype next = NextPartSign(text, start + 1);
        const qsizetype end = next < 0 ? text.size() : next;
        result += RoundPart(text.mid(start, end - start), decimals);
        start = end;
    }
    return result;
}

double LeadingDouble(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return vyx_classic::ReadLeading(bytes.constData());
}

bool ParseDouble(const QString& text, double& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    // Only the characters of a decimal number: no "inf", "nan" or hexadecimal forms.
    for (const QChar c : trimmed) {
        if (!c.isDigit() && c != u'.' && c != u'+' && c != u'-' && c != u'e' && c != u'E')
            return false;
    }
    const QByteArray bytes = trimmed.toLatin1();
    double parsed = 0.0;
    if (!vyx_classic::ReadWhole(std::string_view(bytes.constData(), bytes.size()), parsed) ||
        !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool IsDoubleText(const QString& text) {
    // UTF-8 keeps every non-ASCII character away from the digits and letters strtod reads.
    const QByteArray bytes = text.toUtf8();
    double ignored = 0.0;
    return vyx_classic::ReadWhole(std::string_view(bytes.constData(), bytes.size()), ignored);
}

} // namespace C_VYXNumberText
