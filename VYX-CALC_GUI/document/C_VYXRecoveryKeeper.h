// SPDX-License-Identifier: MIT
// C_VYXRecoveryKeeper: keeps unsaved work in a recovery slot and offers what ended instances left.
#pragma once

#include "C_VYXRecoveryStore.h"

#include <QObject>
#include <QTimer>

class C_TOBRIK_CALCULATORDoc;
class C_VYXMessageBoxes;

/// While the document has unsaved changes, it is written to this instance's recovery slot a
/// short while after the last change; saving it, or replacing it on purpose, empties the slot.
/// At start, the work of instances that ended without saving is offered for restoring.
class C_VYXRecoveryKeeper : public QObject {
    Q_OBJECT

public:
    /// Long enough that typing does not write on every key, short enough to lose little.
    static constexpr int kDelayMs = 3000;

    /// The document must outlive the keeper. `stem` names this instance's slot
    /// (C_VYXRecoveryStore::StemFor).
    C_VYXRecoveryKeeper(C_TOBRIK_CALCULATORDoc& document, const QString& directory,
                        const QString& stem, int delayMs = kDelayMs);
    ~C_VYXRecoveryKeeper() override;

    C_VYXRecoveryStore& Store() { return m_store; }

    /// Writes the document to the slot now when it has unsaved changes; what the timer does.
    void WriteNow();
    /// The user let the unsaved work go (closed without saving): the slot is emptied.
    void Discard();

    /// Asks about each left-over, newest first: Restore loads it into the document (which must
    /// hold no unsaved work) and ends the questions, Discard removes it, Later keeps it for the
    /// next start. True when one was restored.
    bool OfferLeftOvers(C_VYXMessageBoxes& messageBoxes);
    /// "Recover the unsaved work of <name> from <time>?"
    static QString Question(const QString& documentName, const QDateTime& savedAt);

private:
    void DocumentChanged();
    void ModifiedChanged(bool modified);
    bool Restore(C_VYXLeftOverWork& work, C_VYXMessageBoxes& messageBoxes);

    C_TOBRIK_CALCULATORDoc& m_document;
    C_VYXRecoveryStore m_store;
    QTimer m_timer;
    /// A failed write is reported once, not every few seconds.
    bool m_bWriteFailed = false;
};
