// SPDX-License-Identifier: MIT
// Tests of the undo history: recording, duplicates, limits, Undo and Redo.
#include "DocumentTestSupport.h"

#include "C_VYXUndoMap.h"

#include <string>
#include <tuple>

namespace {

/// The text and selection a step restores, as one readable value.
QString Restored(const C_VYXUndoStep* step) {
    return step ? u"%1 (%2, %3)"_s.arg(step->text).arg(step->selStart).arg(step->selEnd)
                : u"none"_s;
}

void Type(C_VYXUndoMap& history, const QString& text) {
    history.Push(text, int(text.size()), int(text.size()));
}

// Undo and Redo through a history of edits are compared with what the area showed in the random
// history test; here the ends of the history and a step that repeats the restored one.
TEST(UndoMap, EndsNewStepsClearingRealChangesAndTheLimitOfSnapshots) {
    C_VYXUndoMap history;
    EXPECT_EQ(Restored(history.Undo()) + Restored(history.Redo()), u"nonenone");
    for (const QString& text : {u"1"_s, u"12"_s, u"123"_s})
        Type(history, text);
    EXPECT_TRUE(history.CanUndo());
    EXPECT_EQ(Restored(history.Redo()), u"none");
    history.Undo();
    history.Undo();
    Type(history, u"1"_s); // the restored step itself: still the redo steps go
    EXPECT_EQ(history.StepCount(), 2);
    EXPECT_FALSE(history.CanRedo());
    // Clearing the area is a step of its own unless the area is empty.
    C_VYXUndoMap cleared;
    cleared.PushClearedArea();
    EXPECT_EQ(cleared.StepCount(), 1);
    Type(cleared, u"2+3"_s);
    cleared.PushClearedArea();
    cleared.PushClearedArea();
    EXPECT_EQ(cleared.StepCount(), 3);
    EXPECT_EQ(Restored(cleared.Undo()), u"2+3 (3, 3)");
    cleared.Undo(); // the area is empty again: clearing it keeps the redo steps
    cleared.PushClearedArea();
    EXPECT_EQ(Restored(cleared.Redo()), u"2+3 (3, 3)");
    // Only real changes are recorded.
    // One character changed at either end, another selection or length: each is a step.
    const std::tuple<const char16_t*, int, int, bool> cases[] = {
        {u"x+y", 1, 2, false}, {u"x+y", 0, 2, true}, {u"x+y", 1, 3, true},
        {u"z+y", 1, 2, true},  {u"x+z", 1, 2, true}, {u"x+yy", 1, 2, true}};
    for (const auto& [text, selStart, selEnd, recorded] : cases) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString() + " " + std::to_string(selStart));
        C_VYXUndoMap history;
        history.Push(u"x+y"_s, 1, 2);
        history.Push(QString::fromUtf16(text), selStart, selEnd);
        EXPECT_EQ(history.StepCount(), recorded ? 3 : 2);
    }
    // The last fifty-one snapshots are kept.
    C_VYXUndoMap limited;
    for (int change = 1; change <= 60; ++change)
        Type(limited, QString::number(change));
    EXPECT_EQ(limited.StepCount(), C_VYXUndoMap::DefaultLimit + 1);
    const C_VYXUndoStep* oldest = nullptr;
    int undos = 0;
    for (; const C_VYXUndoStep* step = limited.Undo(); ++undos)
        oldest = step;
    EXPECT_EQ(undos, C_VYXUndoMap::DefaultLimit);
    EXPECT_EQ(Restored(oldest), u"10 (2, 2)") << "snapshots 0 to 9 were dropped";
}

} // namespace
