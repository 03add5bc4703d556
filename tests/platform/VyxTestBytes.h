// SPDX-License-Identifier: MIT
// VyxTestBytes: builds expected document bytes by hand, independently of the archive code.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <bit>

namespace VyxTestBytes {

inline QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

/// The bytes of `value` lowest first, whatever the order of this machine.
template <typename Bits, typename T> QByteArray LittleEndian(T value) {
    const auto bits = std::bit_cast<Bits>(value);
    QByteArray out;
    for (size_t shift = 0; shift < 8 * sizeof bits; shift += 8)
        out.append(static_cast<char>((bits >> shift) & 0xFF));
    return out;
}

inline QByteArray Int32(qint32 value) {
    return LittleEndian<quint32>(value);
}

inline QByteArray Word(quint16 value) {
    return LittleEndian<quint16>(value);
}

inline QByteArray Double(double value) {
    return LittleEndian<quint64>(value);
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
