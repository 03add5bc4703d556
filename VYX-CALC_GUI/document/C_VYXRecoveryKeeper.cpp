// SPDX-License-Identifier: MIT
// C_VYXRecoveryKeeper: the delayed write after changes, the emptying on save, the offer at start.
#include "C_VYXRecoveryKeeper.h"

#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXArchive.h"
#include "C_VYXFileStore.h"
#include "C_VYXMessageBoxes.h"
#include "C_VYXStringTable.h"

C_VYXRecoveryKeeper::C_VYXRecoveryKeeper(C_TOBRIK_CALCULATORDoc& document, const QString& directory,
                                         const QString& stem, int delayMs)
    : m_document(document), m_store(directory, stem) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    connect(&m_timer, &QTimer::timeout, this, &C_VYXRecoveryKeeper::WriteNow);
    connect(&m_document, &C_TOBRIK_CALCULATORDoc::contentsChanged, this,
            &C_VYXRecoveryKeeper::DocumentChanged);
    connect(&m_document, &C_VYXCalcAreaHost::modifiedChanged, this,
            &C_VYXRecoveryKeeper::ModifiedChanged);
}

// The slot's files stay: an instance that ends without Discard (a crash on the way out, a
// session that ends) leaves its work for the next start. Only the lock goes.
C_VYXRecoveryKeeper::~C_VYXRecoveryKeeper() = default;

void C_VYXRecoveryKeeper::DocumentChanged() {
    // Every change restarts the wait: the write follows the last of a burst of keys.
    m_timer.start();
}

void C_VYXRecoveryKeeper::ModifiedChanged(bool modified) {
    if (modified)
        return;
    // Saved, or replaced by File New or Open after the user said No: nothing left to recover.
    m_timer.stop();
    m_store.Clear();
}

void C_VYXRecoveryKeeper::WriteNow() {
    m_timer.stop();
    if (!m_document.IsModified())
        return;
    QString error;
    QByteArray bytes;
    try {
        bytes = m_document.CopyToBytes();
    } catch (const C_VYXArchiveError& failure) {
        error = failure.Message();
    }
    const bool written =
        error.isEmpty() && m_store.Write(bytes, m_document.DisplayName(), m_document.PathName(),
                                         QDateTime::currentDateTime(), &error);
    if (!written && !m_bWriteFailed)
        m_document.ShowStatusText(QStringLiteral("Unsaved work cannot be kept for recovery: ") +
                                  error);
    m_bWriteFailed = !written;
}

void C_VYXRecoveryKeeper::Discard() {
    m_timer.stop();
    m_store.Clear();
}

QString C_VYXRecoveryKeeper::Question(const QString& documentName, const QDateTime& savedAt) {
    const QString name =
        documentName.isEmpty() ? C_TOBRIK_CALCULATORDoc::UntitledName() : documentName;
    return QStringLiteral("Recover the unsaved work of %1 from %2?")
        .arg(name, savedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

bool C_VYXRecoveryKeeper::OfferLeftOvers(C_VYXMessageBoxes& messageBoxes) {
    if (m_document.IsModified())
        return false; // the work of this instance comes first
    for (C_VYXLeftOverWork& work : m_store.LeftOvers()) {
        const QString question = Question(work.documentName, work.savedAt);
        switch (messageBoxes.AskRestoreOrDiscard(C_VYXStringTable::DocumentTypePart(0), question)) {
        case C_VYXMessageBoxes::Recovery::Restore:
            if (Restore(work, messageBoxes))
                return true;
            break;
        case C_VYXMessageBoxes::Recovery::Discard:
            C_VYXRecoveryStore::Remove(work);
            break;
        case C_VYXMessageBoxes::Recovery::Later:
            return false;
        }
    }
    return false;
}

bool C_VYXRecoveryKeeper::Restore(C_VYXLeftOverWork& work, C_VYXMessageBoxes& messageBoxes) {
    QByteArray bytes;
    QString error;
    if (!C_VYXFileStore::Load(work.dataPath, &bytes, &error) ||
        !m_document.OnRestoreDocument(bytes, work.documentPath, &error)) {
        // The file stays where it is: the user may still want it, or discard it next time.
        messageBoxes.ShowError(QStringLiteral("ERROR!!"),
                               QStringLiteral("The unsaved work in %1 could not be restored.\n%2")
                                   .arg(work.dataPath, error));
        return false;
    }
    // Into this instance's own slot before the old one goes, so no moment holds no copy.
    WriteNow();
    if (m_store.HoldsWork())
        C_VYXRecoveryStore::Remove(work);
    return true;
}
