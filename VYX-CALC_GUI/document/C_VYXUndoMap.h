// SPDX-License-Identifier: MIT
// C_VYXUndoMap: the calculation area's linear history of snapshots for Undo and Redo.
#pragma once

#include "C_VYXUndoStep.h"

#include <QString>

#include <deque>
#include <memory>

/// Snapshots of the whole text and selection, oldest first; at most DefaultLimit + 1 are kept.
/// Step 0 is the empty area, so undoing all the way empties it.
class C_VYXUndoMap {
public:
    static constexpr int DefaultLimit = 50;

    C_VYXUndoMap();
    virtual ~C_VYXUndoMap();

    C_VYXUndoMap(const C_VYXUndoMap&) = delete;
    C_VYXUndoMap& operator=(const C_VYXUndoMap&) = delete;

    /// Records a snapshot after a change. Discards the redo steps; records nothing when text
    /// and selection equal the current step.
    void Push(const QString& text, int selStart, int selEnd);
    /// Records that the area was emptied (its text is set as a whole, which reports no change).
    void PushClearedArea();

    /// The step to restore, or null when there is nothing to undo / redo. Restoring it must not
    /// record a step.
    const C_VYXUndoStep* Undo();
    const C_VYXUndoStep* Redo();

    bool CanUndo() const { return canUndo; }
    bool CanRedo() const { return canRedo; }
    /// Index of the step that matches the area's present state.
    int Current() const { return current; }
    int StepCount() const { return int(steps.size()); }
    const C_VYXUndoStep& Step(int index) const { return *steps.at(std::size_t(index)); }

private:
    bool IsCurrentStep(const QString& text, int selStart, int selEnd) const;

    int current = -1;
    int limit = DefaultLimit;
    bool canUndo = false;
    bool canRedo = false;
    std::deque<std::unique_ptr<C_VYXUndoStep>> steps;
};
