// SPDX-License-Identifier: MIT
// C_VYXUndoMap: recording snapshots and moving through them.
#include "C_VYXUndoMap.h"

C_VYXUndoMap::C_VYXUndoMap() {
    Push(QString(), 0, 0);
}

C_VYXUndoMap::~C_VYXUndoMap() = default;

bool C_VYXUndoMap::IsCurrentStep(const QString& text, int selStart, int selEnd) const {
    if (current < 0 || current >= StepCount())
        return false;
    const C_VYXUndoStep& step = Step(current);
    // Equal strings that share their data compare in constant time; others compare by length
    // before any character is looked at.
    return step.selStart == selStart && step.selEnd == selEnd && step.text == text;
}

void C_VYXUndoMap::Push(const QString& text, int selStart, int selEnd) {
    bool discarded = false;
    while (current >= 0 && current + 1 < StepCount()) {
        steps.pop_back();
        discarded = true;
    }
    if (discarded)
        canRedo = false; // the steps to redo are gone, whether or not this one is recorded
    if (current >= 1 && IsCurrentStep(text, selStart, selEnd))
        return;
    ++current;
    steps.push_back(std::make_unique<C_VYXUndoStep>(text, selStart, selEnd));
    if (current > limit) {
        steps.pop_front();
        current = limit;
    }
    canRedo = false;
    canUndo = current > 0;
}

void C_VYXUndoMap::PushClearedArea() {
    // Clearing an area that is already empty changes nothing, not even at the initial step.
    if (IsCurrentStep(QString(), 0, 0))
        return;
    Push(QString(), 0, 0);
}

const C_VYXUndoStep* C_VYXUndoMap::Undo() {
    if (!canUndo || current <= 0)
        return nullptr;
    --current;
    canUndo = current > 0;
    canRedo = current + 1 < StepCount();
    return steps[std::size_t(current)].get();
}

const C_VYXUndoStep* C_VYXUndoMap::Redo() {
    if (!canRedo || current + 1 >= StepCount())
        return nullptr;
    ++current;
    canUndo = current > 0;
    canRedo = current + 1 < StepCount();
    return steps[std::size_t(current)].get();
}
