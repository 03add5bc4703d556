// SPDX-License-Identifier: MIT
// Tests of the calculation area: Enter, Ctrl+Enter, CLS, Backspace, insertion, Undo and Redo; of
// the undo history: recording, duplicates, limits; and that the history, which keeps only the
// changes between steps, gives back exactly the text and selection the area showed at each step,
// after random edits, undos and redos.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"
#include "C_VYXUndoMap.h"

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

/// A document with its calculation area, text typed by the user.
class CalcAreaTest : public DocumentTestSupport::DocumentTest {
protected:
    C_VYXCalcAreaModel area{doc};
};

// ---- Enter ----

TEST_F(CalcAreaTest, EnterEvaluatesTheLineBeforeTheCaret) {
    enum Key { Enter, CtrlEnter };
    // clang-format off
    const struct {
        const char16_t* typed; int selStart, selEnd; Key key; const char16_t* expected;
        int calculations;
    } cases[] = { // a selection of -1: the caret at the end
        {u"", -1, -1, Enter, u"\r\n", 0},
        {u"1+2", -1, -1, Enter, u"1+2\r\n3\r\n", 1},
        {u"12+3", 2, 2, Enter, u"12\r\n12\r\n+3", 1}, // only the part before the caret
        {u"1+2xyz", 3, 6, Enter, u"1+2\r\n3\r\n", 1}, // the selection is replaced
        {u"1+1\r\n5*5", -1, -1, Enter, u"1+1\r\n5*5\r\n25\r\n", 1},
        {u"1/0", -1, -1, Enter, u"1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n", 0},
        {u"//1+1", -1, -1, Enter, u"//1+1\r\n", 0},
        {u"1+1\r\ncLs", -1, -1, Enter, u"", 0},
        {u"2*3", -1, -1, CtrlEnter, u"2*3\r\n6\r\n6", 1}, // the next line starts with the value
        {u"1/3", -1, -1, CtrlEnter, u"1/3\r\n1/3 //\u22480.333333\r\n1/3", 1},
        {u"1/0", -1, -1, CtrlEnter, u"1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n", 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << QString::fromUtf16(c.typed).toStdString() << " key " << c.key);
        doc.OnNewDocument();
        area.TypeText(QString::fromUtf16(c.typed));
        if (c.selStart >= 0)
            area.SetSelection(c.selStart, c.selEnd);
        area.PressEnter(c.key == CtrlEnter);
        EXPECT_EQ(area.Text(), QString::fromUtf16(c.expected));
        EXPECT_EQ(doc.CalculationCount(), c.calculations);
        EXPECT_TRUE(doc.IsModified());
        if (c.selStart < 0) { // the caret stands behind whatever was written
            EXPECT_EQ(area.Caret(), area.Text().size());
        }
    }
    // Approximate Enter leaves the display setting for the next line.
    doc.OnNewDocument();
    area.TypeText(u"1/3"_s);
    area.EnterApproximate();
    area.TypeText(u"1/4"_s);
    area.EnterAtCaret();
    EXPECT_EQ(area.Text(), u"1/3\r\n0.333333\r\n1/4\r\n1/4 //≈0.25\r\n");
    EXPECT_EQ(doc.CalculationCount(), 2);
    EXPECT_EQ(area.Caret(), area.Text().size());
}

TEST_F(CalcAreaTest, CharacterBeforeCaretLinesSelectionsAndBackspace) {
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // empty text
    area.TypeText(u"12\r\n"_s);
    // At the second line's start, inside the first, from the text's start, onto another line.
    for (const auto& [start, end, expected] :
         {std::tuple{4, 4, false}, {1, 1, true}, {0, 2, false}, {1, 5, false}}) {
        area.SetSelection(start, end);
        EXPECT_EQ(area.HasCharacterBeforeCaretOnLine(), expected) << start << ".." << end;
    }
    // Lines count the carriage return, and selections stay out of it.
    area.ClearArea();
    area.TypeText(u"ab\r\n\r\ncde"_s);
    EXPECT_EQ(QList({area.LineCount(), area.LineLength(1)}), QList({3, 0}));
    EXPECT_EQ(area.LineText(2), u"cde");
    area.SetSelection(-4, 99);
    EXPECT_EQ(area.SelectedText(), area.Text());
    area.SetSelection(3, 3); // inside a line break
    EXPECT_EQ(area.Caret(), 2);
    area.ClearArea();
    // Pasted line breaks of any kind become carriage return and line feed.
    area.TypeText(u"1+1\n2+2\r3+3\r\n4"_s);
    EXPECT_EQ(area.Text(), u"1+1\r\n2+2\r\n3+3\r\n4");
    // ---- Backspace ----
    // Backspace removes tokens, selections and line breaks.
    // clang-format off
    const struct Case {
        const char16_t* text; int selStart, selEnd; const char16_t* expected; int caret;
    } cases[] = {
        {u"2+sinh", 6, 6, u"2+", 2}, {u"2+SINH", 6, 6, u"2+SIN", 5},
        // Only the caret line's text before the caret makes the token.
        {u"2+sinh(1)", 6, 6, u"2+(1)", 2}, {u"1\r\nsin", 6, 6, u"1\r\n", 3},
        {u"x\U0001D70B", 3, 3, u"x", 1}, // a surrogate pair goes whole
        {u"2+sinh", 2, 4, u"2+nh", 2}, {u"ab\r\ncd", 1, 5, u"ad", 1}, // selections only
        {u"ab\r\ncd", 4, 4, u"abcd", 2}, {u"abc", 0, 0, u"abc", 0}, // line breaks join
    };
    // clang-format on
    for (const Case& test : cases) {
        SCOPED_TRACE(QString::fromUtf16(test.text).toStdString());
        area.ClearArea();
        area.TypeText(QString::fromUtf16(test.text));
        area.SetSelection(test.selStart, test.selEnd);
        doc.SetModifiedFlag(false);
        area.DeleteBackward();
        EXPECT_EQ(area.Text(), QString::fromUtf16(test.expected));
        EXPECT_EQ(QList({area.SelectionStart(), area.SelectionEnd()}),
                  QList({test.caret, test.caret}));
    }
}

// ---- Undo and Redo ----

TEST_F(CalcAreaTest, EachEditIsOneUndoStepOnlyAChangedTextMarksAndEitherMayGoFirst) {
    using Edit = void (*)(C_VYXCalcAreaModel&, C_TOBRIK_CALCULATORDoc&);
    const Edit enter = [](auto& area, auto&) { area.PressEnter(false); };
    // clang-format off
    const struct {
        const char16_t* typed; int selStart, selEnd; Edit edit; const char16_t* expected;
        int caret; bool modified;
    } cases[] = {
        {u"1+x+3", 2, 3, [](auto& area, auto&) { area.InsertText(u"\u221A4"_s); }, u"1+\u221A4+3",
            4, true},
        {u"12345", 1, 3, [](auto& area, auto&) { EXPECT_EQ(area.CutSelection(), u"23"); }, u"145",
            1, true},
        {u"2+3", 3, 3, enter, u"2+3\r\n5\r\n", 8, true},
        {u"1+1\r\n2\r\ncls", 11, 11, enter, u"", 0, true},
        {u"42", 2, 2, [](auto& area, auto&) { area.ClearArea(); }, u"", 0, true},
        {u"9", 1, 1, [](auto&, auto& doc) { doc.OnNewDocument(); }, u"", 0, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        SCOPED_TRACE(typed.toStdString());
        area.ClearArea();
        area.TypeText(typed);
        area.SetSelection(c.selStart, c.selEnd);
        doc.SetModifiedFlag(false);
        const int before = area.History().Current();
        c.edit(area, doc);
        const QString expected = QString::fromUtf16(c.expected);
        EXPECT_EQ(area.Text(), expected);
        EXPECT_EQ(QList<int>({area.Caret(), doc.IsModified(), area.History().Current()}),
                  QList<int>({c.caret, c.modified, before + 1}));
        ASSERT_TRUE(area.Undo());
        EXPECT_EQ(area.Text(), typed);
        ASSERT_TRUE(area.Redo());
        EXPECT_EQ(area.Text(), expected);
        EXPECT_FALSE(area.CanRedo());
    }
    // Only a changed text marks the document.
    using Change = void (*)(C_VYXCalcAreaModel&);
    // clang-format off
    const struct {
        const char* name; const char16_t* typed; int selStart, selEnd; Change change; bool modified;
    } changes[] = {
        {"caret moved", u"1+2", 3, 3, [](auto& area) { area.SetSelection(1, 1); }, false},
        {"selection drawn", u"1+2", 3, 3, [](auto& area) { area.SetSelection(0, 2); }, false},
        {"select all", u"1+2", 0, 0, [](auto& area) { area.SelectAll(); }, false},
        {"backspace at the start", u"1+2", 0, 0, [](auto& area) { area.DeleteBackward(); }, false},
        {"cut of nothing", u"1+2", 2, 2, [](auto& area) { area.CutSelection(); }, false},
        {"empty paste", u"1+2", 2, 2, [](auto& area) { area.TypeText(QString()); }, false},
        {"retyping a selection", u"1+2", 1, 2, [](auto& area) { area.InsertText(u"+"_s); }, false},
        {"clearing an empty area", u"", 0, 0, [](auto& area) { area.ClearArea(); }, false},
        {"undo of nothing", u"", 0, 0, [](auto& area) { area.Undo(); }, false},
        {"typing", u"1+2", 3, 3, [](auto& area) { area.TypeText(u"x"_s); }, true},
        {"backspace", u"1+2", 3, 3, [](auto& area) { area.DeleteBackward(); }, true},
        {"empty paste over text", u"1+2", 0, 1, [](auto& area) { area.TypeText(QString()); }, true},
        {"undo", u"1+2", 3, 3, [](auto& area) { area.Undo(); }, true},
        {"Enter on an empty line", u"", 0, 0, [](auto& area) { area.PressEnter(false); }, true},
    };
    // clang-format on
    for (const auto& c : changes) {
        SCOPED_TRACE(c.name);
        C_VYXCalcAreaModel fresh(doc); // with a history of its own
        fresh.TypeText(QString::fromUtf16(c.typed));
        fresh.SetSelection(c.selStart, c.selEnd);
        doc.SetModifiedFlag(false);
        const QString before = fresh.Text();
        c.change(fresh);
        EXPECT_EQ(doc.IsModified(), c.modified);
        EXPECT_EQ(fresh.Text() != before, c.modified);
    }
    // The area and the document may each go first; neither reaches the other afterwards.
    auto document = std::make_unique<C_TOBRIK_CALCULATORDoc>(boxes);
    {
        C_VYXCalcAreaModel shortLived(*document);
        shortLived.TypeText(u"1+1"_s);
    }
    EXPECT_EQ(document->CalcTextRecord().m_pEdit, nullptr);
    document->CalculateLine(u"x=2"_s); // writes its confirmation to no area
    document->OnNewDocument();
    C_VYXCalcAreaModel orphan(*document);
    orphan.TypeText(u"sin"_s);
    document.reset();
    orphan.PressEnter(false); // a plain line break, no evaluation
    orphan.DeleteBackward();
    orphan.DeleteBackward(); // one character, no token
    EXPECT_EQ(orphan.Text(), u"si");
}

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
