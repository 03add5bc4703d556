// SPDX-License-Identifier: MIT
// C_VYXUndoMap: recording changes between snapshots and replaying them to move through them.
#include "C_VYXUndoMap.h"

#include <QStringView>

#include <algorithm>

C_VYXUndoMap::C_VYXUndoMap() {
    Push(QString(), 0, 0);
}

C_VYXUndoMap::~C_VYXUndoMap() = default;

void C_VYXUndoMap::Push(const QString& text, int selStart, int selEnd) {
    const QStringView previous(m_currentText);
    const QStringView next(text);
    const qsizetype shorter = std::min(previous.size(), next.size());
    qsizetype prefix = 0;
    while (prefix < shorter && previous[prefix] == next[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           previous[previous.size() - 1 - suffix] == next[next.size() - 1 - suffix])
        ++suffix;
    Push(text, selStart, selEnd, int(prefix), int(suffix));
}

void C_VYXUndoMap::Push(const QString& text, int selStart, int selEnd, int unchangedPrefix,
                        int unchangedSuffix) {
    m_shown.text.clear(); // no second copy of the text stays behind for a step already shown
    bool discarded = false;
    while (current >= 0 && current + 1 < StepCount()) {
        steps.pop_back();
        discarded = true;
    }
    if (discarded)
        canRedo = false; // the steps to redo are gone, whether or not this one is recorded
    const int position = unchangedPrefix;
    const QStringView before =
        QStringView(m_currentText)
            .mid(position, m_currentText.size() - unchangedPrefix - unchangedSuffix);
    const QStringView after =
        QStringView(text).mid(position, text.size() - unchangedPrefix - unchangedSuffix);
    if (current >= 1) {
        const StoredStep& step = steps[std::size_t(current)];
        if (step.selStart == selStart && step.selEnd == selEnd && before == after)
            return;
    }
    ++current;
    StoredStep step{selStart, selEnd, position, before.toString(), after.toString()};
    // Changed in place: the area's own text is never shared, so its next edit copies nothing.
    m_currentText.replace(position, before.size(), step.after);
    steps.push_back(std::move(step));
    if (current > limit) {
        steps.pop_front();
        // The oldest kept step is the start of the history: nothing leads to it any more.
        steps.front().before.clear();
        steps.front().after.clear();
        current = limit;
    }
    canRedo = false;
    canUndo = current > 0;
}

void C_VYXUndoMap::PushClearedArea() {
    // Clearing an area that is already empty changes nothing, not even at the initial step.
    const StoredStep& step = steps[std::size_t(current)];
    if (m_currentText.isEmpty() && step.selStart == 0 && step.selEnd == 0)
        return;
    Push(QString(), 0, 0, 0, 0);
}

const C_VYXUndoStep* C_VYXUndoMap::ShowCurrent(const C_VYXTextChange& change) {
    const StoredStep& step = steps[std::size_t(current)];
    m_shown.text = m_currentText;
    m_shown.selStart = step.selStart;
    m_shown.selEnd = step.selEnd;
    m_shown.change = change;
    return &m_shown;
}

const C_VYXUndoStep* C_VYXUndoMap::Undo() {
    if (!canUndo || current <= 0)
        return nullptr;
    const StoredStep& undone = steps[std::size_t(current)];
    m_currentText.replace(undone.position, undone.after.size(), undone.before);
    const C_VYXTextChange change{undone.position, int(undone.after.size()),
                                 int(undone.before.size())};
    --current;
    canUndo = current > 0;
    canRedo = current + 1 < StepCount();
    return ShowCurrent(change);
}

const C_VYXUndoStep* C_VYXUndoMap::Redo() {
    if (!canRedo || current + 1 >= StepCount())
        return nullptr;
    ++current;
    const StoredStep& redone = steps[std::size_t(current)];
    m_currentText.replace(redone.position, redone.before.size(), redone.after);
    canUndo = current > 0;
    canRedo = current + 1 < StepCount();
    return ShowCurrent({redone.position, int(redone.before.size()), int(redone.after.size())});
}
