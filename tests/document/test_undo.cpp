// SPDX-License-Identifier: MIT
// Tests of the undo history: recording, duplicates, limits; and that the history, which keeps
// only the changes between steps, gives back exactly the text and selection the area showed at
// each step, after random edits, undos and redos.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"
#include "C_VYXUndoMap.h"

#include <random>
#include <string>
#include <tuple>
#include <vector>

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

/// The text, selection start and selection end the area shows.
using Shown = std::tuple<QString, int, int>;

class UndoChangesTest : public DocumentTestSupport::DocumentTest {};

TEST_F(UndoChangesTest, UndoAndRedoRestoreWhatTheAreaShowedAtEachStep) {
    const QString pieces[] = {u"1"_s, u"ab"_s, u"\r\n"_s, u"x\r\ny"_s, u"sin("_s};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int high) { return std::uniform_int_distribution<int>(0, high)(random); };
        C_VYXCalcAreaModel area(doc);
        area.ClearArea();
        auto shown = [&] { return Shown{area.Text(), area.SelectionStart(), area.SelectionEnd()}; };
        // What the area showed when each step of its history was recorded; step 0 is empty.
        std::vector<Shown> expected{Shown{}};
        for (int op = 0; op < 40; ++op) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", operation " << op);
            const int kind = pick(5);
            if (kind >= 4) {
                const bool undone = kind == 4 ? area.Undo() : area.Redo();
                if (undone) {
                    ASSERT_EQ(shown(), expected.at(std::size_t(area.History().Current())));
                }
                continue;
            }
            const int before = area.History().Current();
            const int size = int(area.Text().size());
            area.SetSelection(pick(size), pick(size));
            if (kind == 0)
                area.DeleteBackward();
            else
                area.InsertText(pieces[pick(4)]);
            const int now = area.History().Current();
            if (now == before + 1) {
                expected.resize(std::size_t(now));
                expected.push_back(shown());
            } else {
                // Nothing recorded: the text is the current step's (the caret may have moved).
                ASSERT_EQ(now, before);
                ASSERT_EQ(area.Text(), std::get<QString>(expected.at(std::size_t(now))));
                // An edit that changed nothing at all keeps the redo steps; any other drops them.
                const int steps = area.History().StepCount();
                ASSERT_TRUE(steps == now + 1 || steps == int(expected.size()));
                expected.resize(std::size_t(steps));
            }
            ASSERT_EQ(area.History().StepCount(), int(expected.size()));
        }
        while (area.Undo()) {
            ASSERT_EQ(shown(), expected.at(std::size_t(area.History().Current())))
                << "seed " << seed;
        }
        EXPECT_EQ(area.Text(), QString()) << "seed " << seed;
    }
}

} // namespace
