// SPDX-License-Identifier: MIT
// C_VYXRecoveryStore: slot files, their locks, and the search for work of ended instances.
#include "C_VYXRecoveryStore.h"

#include "C_VYXFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>

#include <algorithm>

namespace {

const QString kStemPrefix = QStringLiteral("recovery-");
const QString kDataSuffix = QStringLiteral(".vyx");
const QString kInfoSuffix = QStringLiteral(".json");
const QString kLockSuffix = QStringLiteral(".lock");
const QString kNameKey = QStringLiteral("name");
const QString kPathKey = QStringLiteral("path");
const QString kSavedKey = QStringLiteral("saved");
/// A description is a few hundred bytes; anything far larger is not one of ours.
constexpr qint64 kMaxInfoBytes = 64 * 1024;

/// A lock that only a running owner holds: the age of a lock file says nothing here, since an
/// instance may run for days.
std::unique_ptr<QLockFile> TryLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

/// Fills name, path and time from the description; a missing or damaged one leaves the name
/// empty and takes the time of the document file, so the work is still offered.
void ReadInfo(C_VYXLeftOverWork& work) {
    work.savedAt = QFileInfo(work.dataPath).lastModified();
    QByteArray bytes;
    if (!C_VYXFileStore::Load(work.infoPath, &bytes, nullptr, kMaxInfoBytes))
        return;
    const QJsonObject info = QJsonDocument::fromJson(bytes).object();
    work.documentName = info.value(kNameKey).toString();
    work.documentPath = info.value(kPathKey).toString();
    const QDateTime saved =
        QDateTime::fromString(info.value(kSavedKey).toString(), Qt::ISODateWithMs);
    if (saved.isValid())
        work.savedAt = saved;
}

} // namespace

QString C_VYXRecoveryStore::DefaultDirectory() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    // Relative paths are to be ignored, as for every XDG base directory.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/TobrikCalculator");
}

QString C_VYXRecoveryStore::StemFor(qint64 processId, qint64 startMs) {
    return kStemPrefix + QString::number(processId) + u'-' + QString::number(startMs);
}

C_VYXRecoveryStore::C_VYXRecoveryStore(const QString& directory, const QString& stem)
    : m_strDirectory(directory), m_strStem(stem) {
    if (QDir().mkpath(directory))
        m_pLock = TryLock(QDir(directory).filePath(stem + kLockSuffix));
}

C_VYXRecoveryStore::~C_VYXRecoveryStore() = default;

QString C_VYXRecoveryStore::DataPath() const {
    return QDir(m_strDirectory).filePath(m_strStem + kDataSuffix);
}

QString C_VYXRecoveryStore::InfoPath() const {
    return QDir(m_strDirectory).filePath(m_strStem + kInfoSuffix);
}

bool C_VYXRecoveryStore::HoldsWork() const {
    return QFile::exists(DataPath());
}

bool C_VYXRecoveryStore::Write(const QByteArray& document, const QString& documentName,
                               const QString& documentPath, const QDateTime& savedAt,
                               QString* error) {
    if (!IsClaimed()) {
        if (error != nullptr)
            *error = QStringLiteral("Cannot keep unsaved work in %1").arg(m_strDirectory);
        return false;
    }
    QJsonObject info;
    info.insert(kNameKey, documentName);
    info.insert(kPathKey, documentPath);
    info.insert(kSavedKey, savedAt.toUTC().toString(Qt::ISODateWithMs));
    return C_VYXFileStore::Save(DataPath(), document, error) &&
           C_VYXFileStore::Save(InfoPath(), QJsonDocument(info).toJson(), error);
}

void C_VYXRecoveryStore::Clear() {
    // The description goes first: a document without one is still offered, never the reverse.
    QFile::remove(InfoPath());
    QFile::remove(DataPath());
}

std::vector<C_VYXLeftOverWork> C_VYXRecoveryStore::LeftOvers() const {
    const QDir directory(m_strDirectory);
    QSet<QString> stems;
    for (const QString& name :
         directory.entryList({kStemPrefix + u'*'}, QDir::Files | QDir::Hidden)) {
        for (const QString& suffix : {kDataSuffix, kInfoSuffix, kLockSuffix})
            if (name.endsWith(suffix))
                stems.insert(name.chopped(suffix.size()));
    }
    stems.remove(m_strStem);

    std::vector<C_VYXLeftOverWork> found;
    for (const QString& stem : stems) {
        std::unique_ptr<QLockFile> lock = TryLock(directory.filePath(stem + kLockSuffix));
        if (!lock)
            continue; // its instance still runs
        C_VYXLeftOverWork work;
        work.dataPath = directory.filePath(stem + kDataSuffix);
        work.infoPath = directory.filePath(stem + kInfoSuffix);
        if (!QFile::exists(work.dataPath)) {
            // Ended with nothing unsaved: the lock (released here) and any description go.
            QFile::remove(work.infoPath);
            continue;
        }
        work.lock = std::move(lock);
        ReadInfo(work);
        found.push_back(std::move(work));
    }
    std::sort(found.begin(), found.end(),
              [](const C_VYXLeftOverWork& a, const C_VYXLeftOverWork& b) {
                  return a.savedAt > b.savedAt;
              });
    return found;
}

void C_VYXRecoveryStore::Remove(C_VYXLeftOverWork& work) {
    QFile::remove(work.infoPath);
    QFile::remove(work.dataPath);
    work.lock.reset();
}
