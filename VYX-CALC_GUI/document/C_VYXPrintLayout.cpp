// SPDX-License-Identifier: MIT
// C_VYXPrintLayout: wrapping, pagination and the placement of header, footer and body lines.
#include "C_VYXPrintLayout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

using Font = C_VYXTextMeasurer::Font;

/// Length of the longest start of `line` that is no wider than `usableWidth`, assuming a longer
/// start is never narrower. At least one character (a surrogate pair counts as one) goes on
/// each line, so a printable width narrower than one character still makes progress.
qsizetype FittingLength(QStringView line, const C_VYXTextMeasurer& measurer, int usableWidth) {
    const auto fits = [&](qsizetype length) {
        return measurer.TextWidth(Font::Body, line.first(length)) <= usableWidth;
    };
    // Doubling probes keep a megabyte line from being measured as a whole for every piece.
    qsizetype fitting = 0;
    qsizetype tooWide = 0;
    for (qsizetype probe = 1;; probe *= 2) {
        probe = std::min(probe, line.size());
        if (!fits(probe)) {
            tooWide = probe;
            break;
        }
        fitting = probe;
        if (probe == line.size())
            return probe;
    }
    while (tooWide - fitting > 1) {
        const qsizetype middle = fitting + (tooWide - fitting) / 2;
        if (fits(middle))
            fitting = middle;
        else
            tooWide = middle;
    }
    qsizetype length = std::max<qsizetype>(fitting, 1);
    if (length < line.size() && line[length - 1].isHighSurrogate() && line[length].isLowSurrogate())
        length = length > 1 ? length - 1 : length + 1;
    return length;
}

} // namespace

QString C_VYXPrintLayout::ComposeText(const QString& areaText, const QString& variablesListText) {
    if (variablesListText.isEmpty())
        return areaText;
    return areaText + QStringLiteral("\nVARIABLES:\n") + variablesListText;
}

QString C_VYXPrintLayout::FooterText(int page, int pageCount) {
    return QStringLiteral("page %1(%2)").arg(page).arg(pageCount);
}

int C_VYXPrintLayout::FontHeight(int points, int dotsPerInch) {
    const qint64 product = qint64(points) * dotsPerInch;
    const qint64 half = product >= 0 ? 36 : -36;
    return int((product + half) / 72);
}

void C_VYXPrintLayout::ComputeBands(int width, int height) {
    if (m_bandsComputed)
        return;
    const qint64 absWidth = std::llabs(width);
    const qint64 absHeight = std::llabs(height);
    if (absWidth == 0 || absHeight == 0 || absWidth > LargestBandedExtent ||
        absHeight > LargestBandedExtent)
        return;
    m_footerBand = int(absHeight / FooterBandDivisor);
    m_headerBand = int(absHeight / HeaderBandDivisor);
    m_leftMargin = int(absWidth / LeftMarginDivisor);
    m_bandsComputed = true;
}

void C_VYXPrintLayout::Layout(const QString& text, const C_VYXTextMeasurer& measurer, int width,
                              int height) {
    m_lines.clear();
    m_lineHeight = std::max(1, measurer.LineHeight(Font::Body));
    const qint64 usableHeight = std::llabs(height) - m_footerBand - m_headerBand;
    m_linesPerPage = int(std::clamp<qint64>(usableHeight / m_lineHeight, 1, INT_MAX));

    QString plain = text;
    plain.remove(u'\r');
    if (width > 0 && !plain.isEmpty()) {
        QStringView rest(plain);
        // A final line break ends the last line; it does not start an empty one.
        if (rest.endsWith(u'\n'))
            rest.chop(1);
        const int usableWidth = width - 2 * m_leftMargin;
        for (const QStringView line : rest.split(u'\n'))
            WrapLine(line, measurer, usableWidth);
    }
    // Every line gets a page: counting pages by height alone would drop the last lines whenever
    // the usable height is not a whole number of lines.
    const qint64 lineCount = m_lines.size();
    m_pageCount = int(std::max<qint64>(1, (lineCount + m_linesPerPage - 1) / m_linesPerPage));
}

void C_VYXPrintLayout::WrapLine(QStringView line, const C_VYXTextMeasurer& measurer,
                                int usableWidth) {
    do {
        const qsizetype length = line.isEmpty() ? 0 : FittingLength(line, measurer, usableWidth);
        m_lines.append(line.first(length).toString());
        line = line.mid(length);
    } while (!line.isEmpty());
}

QList<C_VYXPrintItem> C_VYXPrintLayout::PageItems(int page, const QRect& pageRect,
                                                  const QString& headerText,
                                                  const C_VYXTextMeasurer& measurer) const {
    QList<C_VYXPrintItem> items;
    const int left = pageRect.left();
    const int width = pageRect.width();
    int top = pageRect.top();
    const int bottom = pageRect.top() + pageRect.height();
    const int smallHeight = measurer.LineHeight(Font::Header);

    const int headerWidth = measurer.TextWidth(Font::Header, headerText);
    if (headerWidth <= width) {
        if (!headerText.isEmpty())
            items.append({Font::Header, left + (width - headerWidth) / 2,
                          top + m_headerBand / 4 + smallHeight / 2, headerText});
        top += m_headerBand;
    }
    const QString footer = FooterText(page, m_pageCount);
    const int footerWidth = measurer.TextWidth(Font::Header, footer);
    if (footerWidth <= width) {
        items.append({Font::Header, left + (width - footerWidth) / 2,
                      bottom - smallHeight / 2 - m_footerBand / 2, footer});
    }

    if (page < 1)
        return items;
    const qint64 first = qint64(page - 1) * m_linesPerPage;
    const qint64 end = std::min<qint64>(first + m_linesPerPage, m_lines.size());
    for (qint64 index = first; index < end; ++index)
        items.append({Font::Body, left + m_leftMargin, int(top + (index - first) * m_lineHeight),
                      m_lines[qsizetype(index)]});
    return items;
}

void C_VYXPrintLayout::Reset() {
    *this = C_VYXPrintLayout();
}
