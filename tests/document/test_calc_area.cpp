// SPDX-License-Identifier: MIT
// Tests of the calculation area: Enter, Ctrl+Enter, CLS, Backspace, insertion, Undo and Redo.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

/// A document with its calculation area, text typed by the user.
class CalcAreaTest : public DocumentTestSupport::DocumentTest {
protected:
    /// Types each character as its own key press, as a user would.
    void TypeKeys(const QString& text) {
        for (const QChar c : text)
            area.TypeText(QString(c));
    }

    C_VYXCalcAreaModel area{doc};
};

// ---- Enter ----

enum class Key { Enter, CtrlEnter, EnterAtCaret, Approximate };
using enum Key;

struct EnterCase {
    const char* name;
    const char16_t* typed;
    int selStart, selEnd; ///< -1: at the end
    Key key;
    const char16_t* expected;
    int calculations;
};

// clang-format off
const EnterCase EnterCases[] = {
    {"EmptyLineOnlyBreaks", u"", -1, -1, Enter, u"\r\n", 0},
    {"ResultOnTheNewLine", u"1+2", -1, -1, Enter, u"1+2\r\n3\r\n", 1},
    {"FractionWithApproximation", u"1/3", -1, -1, Enter, u"1/3\r\n1/3 //\u22480.333333\r\n", 1},
    {"InsideALineOnlyThePartBeforeTheCaret", u"12+3", 2, 2, Enter, u"12\r\n12\r\n+3", 1},
    {"ReplacesTheSelection", u"1+2xyz", 3, 6, Enter, u"1+2\r\n3\r\n", 1},
    {"OnlyTheCaretLineOfSeveral", u"1+1\r\n5*5", -1, -1, Enter, u"1+1\r\n5*5\r\n25\r\n", 1},
    {"ErrorWrittenAsComment", u"1/0", -1, -1, Enter,
        u"1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n", 0},
    {"CommentLineNotEvaluated", u"//1+1", -1, -1, Enter, u"//1+1\r\n", 0},
    {"AssignmentWritesTheVariableLine", u"x=3", -1, -1, Enter, u"x=3\r\n//Variable: x=3\r\n", 0},
    {"ClsUpperCaseClears", u"1+1\r\nCLS", -1, -1, Enter, u"", 0},
    {"ClsLowerCaseClears", u"1+1\r\ncls", -1, -1, Enter, u"", 0},
    {"ClsMixedCaseClears", u"1+1\r\ncLs", -1, -1, Enter, u"", 0},
    {"EnterAtCaretWorksAsTheKey", u"5-7", -1, -1, EnterAtCaret, u"5-7\r\n-2\r\n", 1},
    {"ApproximateWritesOnlyTheDecimal", u"1/3", -1, -1, Approximate, u"1/3\r\n0.333333\r\n", 1},
    {"CtrlEnterStartsNextLineWithValue", u"2*3", -1, -1, CtrlEnter, u"2*3\r\n6\r\n6", 1},
    {"CtrlEnterFractionTakesRational", u"1/3", -1, -1, CtrlEnter,
        u"1/3\r\n1/3 //\u22480.333333\r\n1/3", 1},
    {"CtrlEnterAfterErrorAddsNoValue", u"1/0", -1, -1, CtrlEnter,
        u"1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n", 0},
    {"CtrlEnterOnEmptyLineOnlyBreaks", u"", -1, -1, CtrlEnter, u"\r\n", 0},
};
// clang-format on

class EnterTest : public CalcAreaTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterTest, EvaluatesTheLineBeforeTheCaret) {
    const EnterCase& test = GetParam();
    area.TypeText(QString::fromUtf16(test.typed));
    if (test.selStart >= 0)
        area.SetSelection(test.selStart, test.selEnd);
    switch (test.key) {
    case Enter:
    case CtrlEnter:
        area.PressEnter(test.key == CtrlEnter);
        break;
    case EnterAtCaret:
        area.EnterAtCaret();
        break;
    case Approximate:
        area.EnterApproximate();
        break;
    }
    EXPECT_EQ(area.Text(), QString::fromUtf16(test.expected));
    EXPECT_EQ(doc.CalculationCount(), test.calculations);
    EXPECT_TRUE(doc.IsModified());
    if (test.selStart < 0) // the caret stands behind whatever was written
        EXPECT_EQ(area.Caret(), area.Text().size());
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterTest, ::testing::ValuesIn(EnterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcAreaTest, CtrlEnterTwiceEvaluatesTheValueAgainAndContinues) {
    area.TypeText(u"2*3"_s);
    area.PressEnter(true);
    area.PressEnter(true);
    EXPECT_EQ(area.Text(), u"2*3\r\n6\r\n6\r\n6\r\n6");
    EXPECT_EQ(doc.CalculationCount(), 2);
    area.TypeText(u"*7"_s);
    area.PressEnter(false);
    EXPECT_EQ(area.Text(), u"2*3\r\n6\r\n6\r\n6\r\n6*7\r\n42\r\n");
}

TEST_F(CalcAreaTest, ApproximateEnterKeepsTheDisplaySetting) {
    area.TypeText(u"1/3"_s);
    area.EnterApproximate();
    EXPECT_EQ(doc.Settings().CalcText().showReal, 1);
    EXPECT_EQ(doc.Settings().CalcText().showRational, 1);
    area.TypeText(u"1/4"_s);
    area.EnterAtCaret();
    EXPECT_EQ(area.Text(), u"1/3\r\n0.333333\r\n1/4\r\n1/4 //≈0.25\r\n");
}

TEST_F(CalcAreaTest, CharacterBeforeCaretOnItsLine) {
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // empty text
    area.TypeText(u"12\r\n"_s);
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // start of the second line
    area.SetSelection(1, 1);
    EXPECT_TRUE(area.HasCharacterBeforeCaretOnLine());
    area.SetSelection(0, 2);
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // selection from the text's start
    area.SetSelection(1, 5);
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // caret on another line
}

// ---- Backspace ----

TEST_F(CalcAreaTest, BackspaceRemovesTokensSelectionsAndLineBreaks) {
    struct Case {
        const char16_t* text;
        int selStart, selEnd;
        const char16_t* expected;
        int caret;
    };
    // clang-format off
    const Case cases[] = {
        {u"2+sinh", 6, 6, u"2+", 2}, {u"2+SINH", 6, 6, u"2+SIN", 5}, {u"7", 1, 1, u"", 0},
        // Only the caret line's text before the caret makes the token.
        {u"2+sinh(1)", 6, 6, u"2+(1)", 2}, {u"1\r\nsin", 6, 6, u"1\r\n", 3},
        {u"x\U0001D70B", 3, 3, u"x", 1}, // a surrogate pair goes whole
        {u"2+sinh", 2, 4, u"2+nh", 2}, {u"ab\r\ncd", 1, 5, u"ad", 1}, // selections only
        {u"ab\r\ncd", 4, 4, u"abcd", 2}, {u"ab\r\n", 4, 4, u"ab", 2}, // line breaks join
        {u"abc", 0, 0, u"abc", 0}, {u"", 0, 0, u"", 0},
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
        EXPECT_EQ(area.Caret(), test.caret);
        EXPECT_EQ(area.SelectionStart(), area.SelectionEnd());
        EXPECT_TRUE(doc.IsModified());
    }
}

// ---- text, lines and selection ----

TEST_F(CalcAreaTest, LinesCountTheCarriageReturn) {
    area.TypeText(u"ab\r\n\r\ncde"_s);
    EXPECT_EQ(area.LineCount(), 3);
    EXPECT_EQ(area.LineStart(1), 4);
    EXPECT_EQ(area.LineStart(2), 6);
    EXPECT_EQ(area.LineLength(1), 0);
    EXPECT_EQ(area.LineText(2), u"cde");
    EXPECT_EQ(area.LineFromPosition(2), 0);
    EXPECT_EQ(area.LineFromPosition(4), 1);
    EXPECT_EQ(area.LineFromPosition(9), 2);
    area.ClearArea();
    EXPECT_EQ(area.LineCount(), 1);
    // Pasted line breaks of any kind become carriage return and line feed.
    area.TypeText(u"1+1\n2+2\r3+3\r\n4"_s);
    EXPECT_EQ(area.Text(), u"1+1\r\n2+2\r\n3+3\r\n4");
    EXPECT_EQ(area.LineCount(), 4);
}

TEST_F(CalcAreaTest, SelectionStaysInsideTheTextAndOutOfLineBreaks) {
    area.TypeText(u"ab\r\ncd"_s);
    area.SetSelection(-4, 99);
    EXPECT_EQ(area.SelectionStart(), 0);
    EXPECT_EQ(area.SelectionEnd(), 6);
    area.SetSelection(3, 3);
    EXPECT_EQ(area.Caret(), 2);
    area.SetSelection(5, 1);
    EXPECT_EQ(area.SelectionStart(), 1);
    EXPECT_EQ(area.SelectionEnd(), 5);
    EXPECT_EQ(area.SelectedText(), u"b\r\nc");
}

// ---- Undo and Redo ----

struct EditCase {
    const char* name;
    const char16_t* typed;
    int selStart, selEnd;
    void (*edit)(C_VYXCalcAreaModel&, C_TOBRIK_CALCULATORDoc&);
    const char16_t* expected;
    int caret;
    bool modified;
};

// clang-format off
const EditCase EditCases[] = {
    {"InsertReplacesTheSelection", u"1+x+3", 2, 3,
        [](auto& area, auto&) { area.InsertText(u"\u221A4"_s); }, u"1+\u221A4+3", 4, true},
    {"CutTakesTheSelection", u"12345", 1, 3,
        [](auto& area, auto&) { EXPECT_EQ(area.CutSelection(), u"23"); }, u"145", 1, true},
    {"EnterWithItsResult", u"2+3", 3, 3, [](auto& area, auto&) { area.PressEnter(false); },
        u"2+3\r\n5\r\n", 8, true},
    {"Cls", u"1+1\r\n2\r\ncls", 11, 11, [](auto& area, auto&) { area.PressEnter(false); }, u"", 0,
        true},
    {"ClearArea", u"42", 2, 2, [](auto& area, auto&) { area.ClearArea(); }, u"", 0, true},
    {"FileNew", u"9", 1, 1, [](auto&, auto& doc) { doc.OnNewDocument(); }, u"", 0, false},
};
// clang-format on

class EditTest : public CalcAreaTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditTest, IsOneStepThatUndoAndRedoRestore) {
    const EditCase& test = GetParam();
    const QString typed = QString::fromUtf16(test.typed);
    area.TypeText(typed);
    area.SetSelection(test.selStart, test.selEnd);
    doc.SetModifiedFlag(false);
    const int before = area.History().Current();
    test.edit(area, doc);
    const QString expected = QString::fromUtf16(test.expected);
    EXPECT_EQ(area.Text(), expected);
    EXPECT_EQ(area.Caret(), test.caret);
    EXPECT_EQ(doc.IsModified(), test.modified);
    EXPECT_EQ(area.History().Current(), before + 1);
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), typed);
    ASSERT_TRUE(area.Redo());
    EXPECT_EQ(area.Text(), expected);
}

INSTANTIATE_TEST_SUITE_P(Edits, EditTest, ::testing::ValuesIn(EditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcAreaTest, EveryKeyIsAStepAndUndoRedoRecordNone) {
    TypeKeys(u"123"_s);
    for (const QString& text : {u"12"_s, u"1"_s, QString()}) {
        ASSERT_TRUE(area.Undo());
        EXPECT_EQ(area.Text(), text);
    }
    EXPECT_FALSE(area.Undo());
    ASSERT_TRUE(area.Redo());
    EXPECT_EQ(area.Text(), u"1");
    EXPECT_EQ(area.Caret(), 1);
    TypeKeys(u"x"_s); // typing after Undo drops the redo steps
    EXPECT_FALSE(area.CanRedo());
    EXPECT_EQ(area.Text(), u"1x");
    const int steps = area.History().StepCount();
    area.Undo();
    area.Redo();
    area.Undo();
    EXPECT_EQ(area.History().StepCount(), steps);
}

TEST_F(CalcAreaTest, AfterFileNewTheAreaWorksOnTheNewEngine) {
    area.TypeText(u"x=3"_s);
    area.PressEnter(false);
    doc.OnNewDocument();
    area.TypeText(u"x*3"_s);
    area.PressEnter(false);
    EXPECT_TRUE(area.Text().startsWith(u"x*3\r\n//")) << area.Text().toStdString();
}

TEST_F(CalcAreaTest, DocumentGoneLeavesAPlainTextArea) {
    auto document = std::make_unique<C_TOBRIK_CALCULATORDoc>(boxes);
    C_VYXCalcAreaModel orphan(*document);
    orphan.TypeText(u"sin"_s);
    document.reset();
    orphan.PressEnter(false);
    orphan.DeleteBackward();
    EXPECT_EQ(orphan.Text(), u"sin");
    orphan.DeleteBackward();
    EXPECT_EQ(orphan.Text(), u"si");
}

} // namespace
