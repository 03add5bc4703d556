// SPDX-License-Identifier: MIT
// VyxTestBytes: builds expected document bytes by hand, independently of the archive code.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstring>

namespace VyxTestBytes {

inline QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

inline QByteArray Int32(qint32 value) {
    const quint32 bits = static_cast<quint32>(value);
    QByteArray out;
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((bits >> shift) & 0xFF));
    return out;
}

inline QByteArray Word(quint16 value) {
    QByteArray out;
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
    return out;
}

inline QByteArray Double(double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray out;
    for (int shift = 0; shift < 64; shift += 8)
        out.append(static_cast<char>((bits >> shift) & 0xFF));
    return out;
}

/// UTF-16LE characters only, no header.
inline QByteArray Utf16(const QString& text) {
    QByteArray out;
    for (QChar ch : text)
        out.append(Word(ch.unicode()));
    return out;
}

/// A short Unicode string (fewer than 255 characters) with its marker and one-byte length.
inline QByteArray ShortString(const QString& text) {
    return Hex("fffeff") + QByteArray(1, static_cast<char>(text.size())) + Utf16(text);
}

} // namespace VyxTestBytes
