// SPDX-License-Identifier: MIT
// C_VYXFileStore: QSaveFile-based saving and size-checked loading.
#include "C_VYXFileStore.h"

#include <QFile>
#include <QSaveFile>

namespace {
bool Report(QString* error, const QString& message) {
    if (error != nullptr) {
        *error = message;
    }
    return false;
}
} // namespace

bool C_VYXFileStore::Save(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Report(error, QStringLiteral("Cannot save %1: %2").arg(path, file.errorString()));
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Report(error, QStringLiteral("Cannot save %1: %2").arg(path, reason));
    }
    if (!file.commit()) {
        return Report(error, QStringLiteral("Cannot save %1: %2").arg(path, file.errorString()));
    }
    return true;
}

bool C_VYXFileStore::Load(const QString& path, QByteArray* bytes, QString* error, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Report(error, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    }
    // Sequential files (pipes) report size 0; the read below is bounded either way.
    if (file.size() > maxBytes) {
        return Report(error, QStringLiteral("Cannot open %1: the file is too large (%2 bytes) to "
                                            "be a TobrikCalculator document")
                                 .arg(path)
                                 .arg(file.size()));
    }
    QByteArray content = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return Report(error, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    }
    if (content.size() > maxBytes) {
        return Report(error, QStringLiteral("Cannot open %1: the file is too large to be a "
                                            "TobrikCalculator document")
                                 .arg(path));
    }
    if (bytes != nullptr) {
        *bytes = content;
    }
    return true;
}
