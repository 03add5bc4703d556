// SPDX-License-Identifier: MIT
// C_VYXArchive: the byte encodings of the document file, storing into or loading from a buffer.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string>

/// Raised when loading meets a short or malformed file, or an archive is used in the wrong
/// direction.
class C_VYXArchiveError : public std::runtime_error {
public:
    explicit C_VYXArchiveError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

/// Little-endian encodings of the document file: int/BOOL (4 bytes), double (8 bytes), Unicode
/// string (0xFF 0xFFFE marker, 8/16/32-bit length, UTF-16LE), element count (16/32-bit), string
/// maps and string lists. Loading checks every length against the bytes left before allocating.
class C_VYXArchive {
public:
    /// An archive that appends to `out`.
    static C_VYXArchive ForStoring(QByteArray* out);
    /// An archive that reads `in` from the start (it keeps its own shared copy of the bytes).
    static C_VYXArchive ForLoading(const QByteArray& in);

    bool IsStoring() const { return m_pOut != nullptr; }
    bool IsLoading() const { return m_pOut == nullptr; }
    /// Bytes not yet read (loading); 0 when storing.
    qsizetype Remaining() const;

    void WriteInt(qint32 value);
    void WriteDouble(double value);
    void WriteString(const QString& value);
    void WriteCount(quint32 count);
    void WriteStringMap(const QMap<QString, QString>& map);
    void WriteStringList(const QStringList& list);

    qint32 ReadInt();
    double ReadDouble();
    QString ReadString();
    quint32 ReadCount();
    QMap<QString, QString> ReadStringMap();
    QStringList ReadStringList();

    /// Store or load one field, according to the direction: records use these in Serialize.
    void Exchange(qint32& value);
    void Exchange(double& value);
    void Exchange(QString& value);
    void Exchange(QMap<QString, QString>& map);
    void Exchange(QStringList& list);

private:
    C_VYXArchive(QByteArray* out, const QByteArray& in) : m_pOut(out), m_in(in) {}
    void RequireStoring() const;
    void RequireLoading() const;
    /// Throws unless `n` more bytes can be read.
    void Need(qsizetype n, const char* what) const;
    /// Throws the damaged-file error for the item that starts at byte `at`.
    [[noreturn]] void Fail(const QString& problem, qsizetype at) const;
    /// Throws unless `count` items of at least `minBytesEach` bytes fit into what is left;
    /// `at` is where the collection started.
    void NeedItems(quint64 count, qsizetype minBytesEach, const char* what, qsizetype at) const;
    /// The string length forms after the first byte; sets `wide` when the Unicode marker is met.
    quint64 ReadStringLength(bool& wide);
    void WriteRaw(const void* data, qsizetype size);
    void ReadRaw(void* data, qsizetype size, const char* what);
    quint8 ReadByte(const char* what);
    quint16 ReadWord(const char* what);
    quint32 ReadDword(const char* what);

    QByteArray* m_pOut = nullptr;
    QByteArray m_in;
    qsizetype m_pos = 0;
};
