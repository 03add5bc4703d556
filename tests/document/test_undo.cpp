// SPDX-License-Identifier: MIT
// Tests of the undo history: recording, duplicates, limits, Undo and Redo.
#include "C_VYXUndoMap.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The text and selection a step restores, as one comparable value.
struct Snapshot {
    QString text;
    int selStart;
    int selEnd;
    bool operator==(const Snapshot&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Snapshot& snapshot) {
    return out << '"' << snapshot.text.toStdString() << "\" (" << snapshot.selStart << ", "
               << snapshot.selEnd << ')';
}

std::optional<Snapshot> Restored(const C_VYXUndoStep* step) {
    if (step == nullptr)
        return std::nullopt;
    return Snapshot{step->text, step->selStart, step->selEnd};
}

void Type(C_VYXUndoMap& history, const QString& text) {
    history.Push(text, int(text.size()), int(text.size()));
}

TEST(UndoMap, UndoWalksBackToTheEmptyAreaAndRedoForward) {
    C_VYXUndoMap history;
    EXPECT_EQ(history.StepCount(), 1);
    EXPECT_EQ(history.Current(), 0);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_EQ(history.Redo(), nullptr);
    Type(history, u"1"_s);
    Type(history, u"12"_s);
    Type(history, u"123"_s);
    EXPECT_EQ(history.StepCount(), 4);
    EXPECT_TRUE(history.CanUndo());

    EXPECT_EQ(Restored(history.Undo()), (Snapshot{u"12"_s, 2, 2}));
    EXPECT_EQ(Restored(history.Undo()), (Snapshot{u"1"_s, 1, 1}));
    EXPECT_EQ(Restored(history.Undo()), (Snapshot{QString(), 0, 0}));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(), nullptr);

    EXPECT_TRUE(history.CanRedo());
    EXPECT_EQ(Restored(history.Redo()), (Snapshot{u"1"_s, 1, 1}));
    EXPECT_EQ(Restored(history.Redo()), (Snapshot{u"12"_s, 2, 2}));
    EXPECT_EQ(Restored(history.Redo()), (Snapshot{u"123"_s, 3, 3}));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Redo(), nullptr);
}

TEST(UndoMap, TypingAfterUndoDiscardsTheRedoSteps) {
    C_VYXUndoMap history;
    Type(history, u"1"_s);
    Type(history, u"12"_s);
    history.Undo();
    Type(history, u"1+"_s);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Redo(), nullptr);
    EXPECT_EQ(history.StepCount(), 3);
    EXPECT_EQ(Restored(history.Undo()), (Snapshot{u"1"_s, 1, 1}));
}

TEST(UndoMap, UnchangedNotificationAfterUndoLeavesNothingToRedo) {
    C_VYXUndoMap history;
    Type(history, u"a"_s);
    Type(history, u"ab"_s);
    history.Undo();
    Type(history, u"a"_s); // same text and selection as the restored step
    EXPECT_EQ(history.StepCount(), 2);
    EXPECT_EQ(history.Redo(), nullptr);
}

struct DuplicateCase {
    const char* name;
    Snapshot pushed;
    bool recorded;
};

class UndoDuplicateTest : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(UndoDuplicateTest, RecordsOnlyRealChanges) {
    C_VYXUndoMap history;
    history.Push(u"x+y"_s, 1, 2);
    const Snapshot& pushed = GetParam().pushed;
    history.Push(pushed.text, pushed.selStart, pushed.selEnd);
    EXPECT_EQ(history.StepCount(), GetParam().recorded ? 3 : 2);
    EXPECT_EQ(history.Current(), history.StepCount() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    UndoMap, UndoDuplicateTest,
    ::testing::Values(DuplicateCase{"SameTextAndSelection", {u"x+y"_s, 1, 2}, false},
                      DuplicateCase{"OtherSelectionStart", {u"x+y"_s, 0, 2}, true},
                      DuplicateCase{"OtherSelectionEnd", {u"x+y"_s, 1, 3}, true},
                      DuplicateCase{"SameLengthOtherMiddle", {u"x-y"_s, 1, 2}, true},
                      DuplicateCase{"SameLengthOtherFirst", {u"z+y"_s, 1, 2}, true},
                      DuplicateCase{"SameLengthOtherLast", {u"x+z"_s, 1, 2}, true},
                      DuplicateCase{"Longer", {u"x+yy"_s, 1, 2}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UndoMap, KeepsTheLastFiftyOneSnapshots) {
    C_VYXUndoMap history;
    for (int change = 1; change <= 60; ++change)
        Type(history, QString::number(change));
    EXPECT_EQ(history.StepCount(), C_VYXUndoMap::DefaultLimit + 1);
    EXPECT_EQ(history.Current(), C_VYXUndoMap::DefaultLimit);

    const C_VYXUndoStep* oldest = nullptr;
    int undos = 0;
    while (const C_VYXUndoStep* step = history.Undo()) {
        oldest = step;
        ++undos;
    }
    EXPECT_EQ(undos, C_VYXUndoMap::DefaultLimit);
    ASSERT_NE(oldest, nullptr);
    EXPECT_EQ(oldest->text, u"10"_s) << "snapshots 0 to 9 were dropped";
    EXPECT_FALSE(history.CanUndo());
    EXPECT_TRUE(history.CanRedo());
}

TEST(UndoMap, ClearingTheAreaIsAStepOfItsOwn) {
    C_VYXUndoMap history;
    Type(history, u"2+3"_s);
    history.Push(u"2+3\r\n5\r\n"_s, 8, 8);
    history.PushClearedArea();
    EXPECT_EQ(Restored(history.Undo()), (Snapshot{u"2+3\r\n5\r\n"_s, 8, 8}));
    EXPECT_EQ(Restored(history.Redo()), (Snapshot{QString(), 0, 0}));
}

TEST(UndoMap, ClearingAnEmptyAreaRecordsNothingAndKeepsRedo) {
    C_VYXUndoMap history;
    history.PushClearedArea();
    EXPECT_EQ(history.StepCount(), 1);
    Type(history, u"1"_s);
    history.PushClearedArea();
    history.PushClearedArea();
    EXPECT_EQ(history.StepCount(), 3);
    history.Undo(); // the area holds "1" again
    history.Undo(); // the area is empty again
    history.PushClearedArea();
    EXPECT_EQ(Restored(history.Redo()), (Snapshot{u"1"_s, 1, 1}));
}

TEST(UndoMap, LargeTextsAreSharedNotCopied) {
    const QString large(1 << 20, u'7');
    C_VYXUndoMap history;
    history.Push(large, 5, 5);
    history.Push(large + u'+', 6, 6);
    const C_VYXUndoStep* step = history.Undo();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->text.constData(), large.constData());
}

} // namespace
