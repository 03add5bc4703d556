// SPDX-License-Identifier: MIT
// C_VYXTextConversion: UTF-16 <-> narrow Latin-1 and UTF-8.
#include "C_VYXTextConversion.h"

namespace {
constexpr char16_t kLastLatin1 = 0xFF;
constexpr char kUnmappable = '?';
} // namespace

std::string C_VYXTextConversion::ToNarrow(const QString& text) {
    std::string narrow;
    narrow.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.unicode() <= kLastLatin1) {
            narrow.push_back(static_cast<char>(static_cast<unsigned char>(ch.unicode())));
            continue;
        }
        // One '?' per character, not per UTF-16 unit, so a symbol beyond the BMP stays one mark.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        }
        narrow.push_back(kUnmappable);
    }
    return narrow;
}

QString C_VYXTextConversion::FromNarrow(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string C_VYXTextConversion::ToUtf8(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

QString C_VYXTextConversion::FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
