// SPDX-License-Identifier: MIT
// C_VYXRecoveryStore: where unsaved work waits after a crash, one slot per running instance.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

/// Work left behind by an instance that is no longer running. It comes locked, so no other
/// instance offers it at the same time; the lock goes with the object.
struct C_VYXLeftOverWork {
    QString dataPath;
    QString infoPath;
    /// The document's name as its title showed it, and its file ("" when never saved).
    QString documentName;
    QString documentPath;
    QDateTime savedAt;
    std::unique_ptr<QLockFile> lock;
};

/// One instance's recovery slot in a directory shared by all instances: "<stem>.vyx" holds the
/// document in its normal file format, "<stem>.json" its name, path and time, and "<stem>.lock"
/// stays locked while the instance runs. The stem carries the process id and the start time,
/// so instances never write each other's files. Every write is atomic.
class C_VYXRecoveryStore {
public:
    /// $XDG_STATE_HOME/TobrikCalculator, or ~/.local/state/TobrikCalculator when the variable is
    /// unset or not an absolute path.
    static QString DefaultDirectory();
    /// "recovery-<pid>-<start in ms since the epoch>".
    static QString StemFor(qint64 processId, qint64 startMs);

    /// Claims the slot `stem` in `directory` (made when missing) by locking it. When that fails
    /// the store stays unclaimed and every write fails with a message.
    C_VYXRecoveryStore(const QString& directory, const QString& stem);
    ~C_VYXRecoveryStore();

    C_VYXRecoveryStore(const C_VYXRecoveryStore&) = delete;
    C_VYXRecoveryStore& operator=(const C_VYXRecoveryStore&) = delete;

    bool IsClaimed() const { return m_pLock != nullptr; }
    QString DataPath() const;
    QString InfoPath() const;
    /// Whether this slot holds work now.
    bool HoldsWork() const;

    /// Replaces the slot's work: the document bytes first, then the description.
    bool Write(const QByteArray& document, const QString& documentName, const QString& documentPath,
               const QDateTime& savedAt, QString* error);
    /// Empties the slot; the lock stays.
    void Clear();

    /// The work of instances that no longer run, newest first; this instance's own slot and the
    /// slots of running instances are left out. Lock files of ended instances that left no work
    /// are removed on the way.
    std::vector<C_VYXLeftOverWork> LeftOvers() const;
    /// Removes a left-over's files and lets its lock go.
    static void Remove(C_VYXLeftOverWork& work);

private:
    QString m_strDirectory;
    QString m_strStem;
    std::unique_ptr<QLockFile> m_pLock;
};
