// SPDX-License-Identifier: MIT
// C_VYXFileStore: whole-file reading and atomic saving of document bytes.
#pragma once

#include <QByteArray>
#include <QString>

/// Document files are read whole and written through QSaveFile, so a failed save never
/// damages the file that was there. Failures come back as a message for the user.
class C_VYXFileStore {
public:
    /// Larger files are refused before reading: no document comes near this size.
    static constexpr qint64 kMaxDocumentBytes = 256LL * 1024 * 1024;

    /// Replaces the file at `path` with `bytes` in one step. On failure returns false and
    /// sets `error` (when given); the old file is left untouched.
    static bool Save(const QString& path, const QByteArray& bytes, QString* error);
    /// Reads the whole file. On failure returns false and sets `error` (when given).
    static bool Load(const QString& path, QByteArray* bytes, QString* error,
                     qint64 maxBytes = kMaxDocumentBytes);
};
