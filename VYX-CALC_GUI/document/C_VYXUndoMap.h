// SPDX-License-Identifier: MIT
// C_VYXUndoMap: the calculation area's linear history of snapshots for Undo and Redo.
#pragma once

#include "C_VYXUndoStep.h"

#include <QString>

#include <deque>

/// Snapshots of the whole text and selection, oldest first; at most DefaultLimit + 1 are kept.
/// Step 0 is the empty area, so undoing all the way empties it. Only the text of the current step
/// is held whole; every other step is the change that leads to its neighbour, so the history
/// grows with the size of the edits, not with the size of the text.
class C_VYXUndoMap {
public:
    static constexpr int DefaultLimit = 50;

    C_VYXUndoMap();
    virtual ~C_VYXUndoMap();

    C_VYXUndoMap(const C_VYXUndoMap&) = delete;
    C_VYXUndoMap& operator=(const C_VYXUndoMap&) = delete;

    /// Records a snapshot after a change. Discards the redo steps; records nothing when text
    /// and selection equal the current step. Compares the whole text with the current step's.
    void Push(const QString& text, int selStart, int selEnd);
    /// As Push, for a caller that knows how far the text is unchanged: its first
    /// `unchangedPrefix` and its last `unchangedSuffix` characters equal those of the current
    /// step's text (together at most the shorter length). Costs only the changed middle.
    void Push(const QString& text, int selStart, int selEnd, int unchangedPrefix,
              int unchangedSuffix);
    /// Records that the area was emptied (its text is set as a whole, which reports no change).
    void PushClearedArea();

    /// The step to restore, or null when there is nothing to undo / redo. Restoring it must not
    /// record a step. The step stays valid until the next call that changes the history.
    const C_VYXUndoStep* Undo();
    const C_VYXUndoStep* Redo();

    bool CanUndo() const { return canUndo; }
    bool CanRedo() const { return canRedo; }
    /// Index of the step that matches the area's present state.
    int Current() const { return current; }
    int StepCount() const { return int(steps.size()); }
    /// The text of the current step, as the area shows it.
    const QString& CurrentText() const { return m_currentText; }

private:
    /// One step: its selection and the change from the step before it (at `position`, that step
    /// had `before` where this one has `after`). Step 0 has no change.
    struct StoredStep {
        int selStart = 0;
        int selEnd = 0;
        int position = 0;
        QString before;
        QString after;
    };

    /// Shows the step at `current`, reached from the one before by `change`, through m_shown.
    const C_VYXUndoStep* ShowCurrent(const C_VYXTextChange& change);

    int current = -1;
    int limit = DefaultLimit;
    bool canUndo = false;
    bool canRedo = false;
    std::deque<StoredStep> steps;
    QString m_currentText;
    C_VYXUndoStep m_shown{QString(), 0, 0};
};
