// SPDX-License-Identifier: MIT
// C_VYXArchive: little-endian document encodings with bounds-checked loading.
#include "C_VYXArchive.h"

#include <QtEndian>

#include <cstring>

namespace {

// The smallest string on disk is a narrow one with a one-byte length of 0; counts of strings
// are checked against this so that a huge count in a tiny file fails before any work is done.
constexpr qsizetype kMinStringBytes = 1;

constexpr quint8 kLongLengthByte = 0xFF;
constexpr quint16 kUnicodeMarker = 0xFFFE;
constexpr quint16 kWordLengthEscape = 0xFFFF;
constexpr quint32 kDwordLengthEscape = 0xFFFFFFFF;
constexpr quint16 kCountEscape = 0xFFFF;

} // namespace

C_VYXArchive C_VYXArchive::ForStoring(QByteArray* out) {
    if (out == nullptr) {
        throw C_VYXArchiveError(
            QStringLiteral("An archive for storing needs a buffer to write to."));
    }
    return C_VYXArchive(out, QByteArray());
}

C_VYXArchive C_VYXArchive::ForLoading(const QByteArray& in) {
    return C_VYXArchive(nullptr, in);
}

qsizetype C_VYXArchive::Remaining() const {
    return IsLoading() ? m_in.size() - m_pos : 0;
}

void C_VYXArchive::RequireStoring() const {
    if (!IsStoring()) {
        throw C_VYXArchiveError(QStringLiteral("Cannot write: the archive is open for loading."));
    }
}

void C_VYXArchive::RequireLoading() const {
    if (!IsLoading()) {
        throw C_VYXArchiveError(QStringLiteral("Cannot read: the archive is open for storing."));
    }
}

void C_VYXArchive::Fail(const QString& problem, qsizetype at) const {
    throw C_VYXArchiveError(
        QStringLiteral("The file is damaged or not a TobrikCalculator document: %1 at byte %2")
            .arg(problem)
            .arg(at));
}

void C_VYXArchive::Need(qsizetype n, const char* what) const {
    if (n < 0 || n > Remaining()) {
        Fail(QStringLiteral("the file ends inside %1 (%2 bytes needed, %3 left)")
                 .arg(QLatin1String(what))
                 .arg(n)
                 .arg(Remaining()),
             m_pos);
    }
}

void C_VYXArchive::NeedItems(quint64 count, qsizetype minBytesEach, const char* what,
                             qsizetype at) const {
    if (count > static_cast<quint64>(Remaining() / minBytesEach)) {
        Fail(QStringLiteral("%1 of %2 entries cannot fit in the %3 bytes left")
                 .arg(QLatin1String(what))
                 .arg(count)
                 .arg(Remaining()),
             at);
    }
}

// ---- raw bytes ----

void C_VYXArchive::WriteRaw(const void* data, qsizetype size) {
    RequireStoring();
    m_pOut->append(static_cast<const char*>(data), size);
}

void C_VYXArchive::ReadRaw(void* data, qsizetype size, const char* what) {
    RequireLoading();
    Need(size, what);
    std::memcpy(data, m_in.constData() + m_pos, static_cast<size_t>(size));
    m_pos += size;
}

quint8 C_VYXArchive::ReadByte(const char* what) {
    quint8 value = 0;
    ReadRaw(&value, 1, what);
    return value;
}

quint16 C_VYXArchive::ReadWord(const char* what) {
    uchar bytes[2];
    ReadRaw(bytes, 2, what);
    return qFromLittleEndian<quint16>(bytes);
}

quint32 C_VYXArchive::ReadDword(const char* what) {
    uchar bytes[4];
    ReadRaw(bytes, 4, what);
    return qFromLittleEndian<quint32>(bytes);
}

// ---- storing ----

void C_VYXArchive::WriteInt(qint32 value) {
    uchar bytes[4];
    qToLittleEndian(value, bytes);
    WriteRaw(bytes, 4);
}

void C_VYXArchive::WriteDouble(double value) {
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    uchar bytes[8];
    qToLittleEndian(bits, bytes);
    WriteRaw(bytes, 8);
}

void C_VYXArchive::WriteString(const QString& value) {
    RequireStoring();
    const quint64 length = static_cast<quint64>(value.size());
    uchar header[11];
    qsizetype used = 0;
    header[used++] = kLongLengthByte;
    qToLittleEndian(kUnicodeMarker, header + used);
    used += 2;
    if (length < kLongLengthByte) {
        header[used++] = static_cast<quint8>(length);
    } else if (length < kUnicodeMarker) {
        header[used++] = kLongLengthByte;
        qToLittleEndian(static_cast<quint16>(length), header + used);
        used += 2;
    } else if (length < kDwordLengthEscape) {
        header[used++] = kLongLengthByte;
        qToLittleEndian(kWordLengthEscape, header + used);
        used += 2;
        qToLittleEndian(static_cast<quint32>(length), header + used);
        used += 4;
    } else {
        throw C_VYXArchiveError(
            QStringLiteral("A text of %1 characters is too long to save.").arg(length));
    }
    WriteRaw(header, used);
    QByteArray chars(value.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < value.size(); ++i) {
        qToLittleEndian(value.at(i).unicode(), chars.data() + 2 * i);
    }
    WriteRaw(chars.constData(), chars.size());
}

void C_VYXArchive::WriteCount(quint32 count) {
    uchar bytes[6];
    if (count < kCountEscape) {
        qToLittleEndian(static_cast<quint16>(count), bytes);
        WriteRaw(bytes, 2);
        return;
    }
    qToLittleEndian(kCountEscape, bytes);
    qToLittleEndian(count, bytes + 2);
    WriteRaw(bytes, 6);
}

void C_VYXArchive::WriteStringMap(const QMap<QString, QString>& map) {
    WriteCount(static_cast<quint32>(map.size()));
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        WriteString(it.key());
        WriteString(it.value());
    }
}

void C_VYXArchive::WriteStringList(const QStringList& list) {
    WriteCount(static_cast<quint32>(list.size()));
    for (const QString& entry : list) {
        WriteString(entry);
    }
}

// ---- loading ----

qint32 C_VYXArchive::ReadInt() {
    uchar bytes[4];
    ReadRaw(bytes, 4, "a whole number");
    return qFromLittleEndian<qint32>(bytes);
}

double C_VYXArchive::ReadDouble() {
    uchar bytes[8];
    ReadRaw(bytes, 8, "a decimal number");
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

quint64 C_VYXArchive::ReadStringLength(bool& wide) {
    // The byte/word/dword escapes mirror the writer; a narrow string simply lacks the marker.
    wide = false;
    quint8 shortLength = ReadByte("a text length");
    if (shortLength < kLongLengthByte) {
        return shortLength;
    }
    quint16 wordLength = ReadWord("a text length");
    if (wordLength == kUnicodeMarker) {
        wide = true;
        shortLength = ReadByte("a text length");
        if (shortLength < kLongLengthByte) {
            return shortLength;
        }
        wordLength = ReadWord("a text length");
    }
    if (wordLength < kWordLengthEscape) {
        return wordLength;
    }
    const quint32 dwordLength = ReadDword("a text length");
    if (dwordLength < kDwordLengthEscape) {
        return dwordLength;
    }
    uchar bytes[8];
    ReadRaw(bytes, 8, "a text length");
    return qFromLittleEndian<quint64>(bytes);
}

QString C_VYXArchive::ReadString() {
    RequireLoading();
    const qsizetype start = m_pos;
    bool wide = false;
    const quint64 length = ReadStringLength(wide);
    const qsizetype charSize = wide ? 2 : 1;
    if (length > static_cast<quint64>(Remaining() / charSize)) {
        Fail(QStringLiteral("a text of %1 characters does not fit in the %2 bytes left")
                 .arg(length)
                 .arg(Remaining()),
             start);
    }
    const qsizetype count = static_cast<qsizetype>(length);
    const char* data = m_in.constData() + m_pos;
    m_pos += count * charSize;
    if (!wide) {
        return QString::fromLatin1(data, count);
    }
    QString text(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i) {
        text[i] = QChar(qFromLittleEndian<quint16>(data + 2 * i));
    }
    return text;
}

quint32 C_VYXArchive::ReadCount() {
    const quint16 shortCount = ReadWord("an element count");
    if (shortCount != kCountEscape) {
        return shortCount;
    }
    return ReadDword("an element count");
}

QMap<QString, QString> C_VYXArchive::ReadStringMap() {
    RequireLoading();
    const qsizetype start = m_pos;
    const quint32 count = ReadCount();
    NeedItems(count, 2 * kMinStringBytes, "a text map", start);
    QMap<QString, QString> map;
    for (quint32 i = 0; i < count; ++i) {
        QString key = ReadString();
        map.insert(key, ReadString());
    }
    return map;
}

QStringList C_VYXArchive::ReadStringList() {
    RequireLoading();
    const qsizetype start = m_pos;
    const quint32 count = ReadCount();
    NeedItems(count, kMinStringBytes, "a text list", start);
    QStringList list;
    list.reserve(static_cast<qsizetype>(count));
    for (quint32 i = 0; i < count; ++i) {
        list.append(ReadString());
    }
    return list;
}

// ---- symmetric fields ----

void C_VYXArchive::Exchange(qint32& value) {
    if (IsStoring()) {
        WriteInt(value);
    } else {
        value = ReadInt();
    }
}

void C_VYXArchive::Exchange(double& value) {
    if (IsStoring()) {
        WriteDouble(value);
    } else {
        value = ReadDouble();
    }
}

void C_VYXArchive::Exchange(QString& value) {
    if (IsStoring()) {
        WriteString(value);
    } else {
        value = ReadString();
    }
}

void C_VYXArchive::Exchange(QMap<QString, QString>& map) {
    if (IsStoring()) {
        WriteStringMap(map);
    } else {
        // Emptied first, so a failed load never leaves stale entries mixed with read ones.
        map.clear();
        map = ReadStringMap();
    }
}

void C_VYXArchive::Exchange(QStringList& list) {
    if (IsStoring()) {
        WriteStringList(list);
    } else {
        list.clear();
        list = ReadStringList();
    }
}
