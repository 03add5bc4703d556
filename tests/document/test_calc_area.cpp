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
    void Type(const QString& text) { area.TypeText(text); }
    /// Types each character as its own key press, as a user would.
    void TypeKeys(const QString& text) {
        for (const QChar c : text)
            area.TypeText(QString(c));
    }

    C_VYXCalcAreaModel area{doc};
};

// ---- Enter ----

struct EnterCase {
    const char* name;
    const char16_t* typed;
    int caret; ///< -1: at the end
    bool ctrl;
    const char16_t* expected;
    int calculations;
};

const EnterCase EnterCases[] = {
    {"EmptyLineOnlyBreaks", u"", -1, false, u"\r\n", 0},
    {"ResultOnTheNewLine", u"1+2", -1, false, u"1+2\r\n3\r\n", 1},
    {"FractionWithApproximation", u"1/3", -1, false, u"1/3\r\n1/3 //\u22480.333333\r\n", 1},
    {"InsideALineOnlyThePartBeforeTheCaret", u"12+3", 2, false, u"12\r\n12\r\n+3", 1},
    {"OnlyTheCaretLineOfSeveral", u"1+1\r\n5*5", -1, false, u"1+1\r\n5*5\r\n25\r\n", 1},
    {"ErrorWrittenAsComment", u"1/0", -1, false, u"1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n", 0},
    {"CommentLineNotEvaluated", u"//1+1", -1, false, u"//1+1\r\n", 0},
    {"AssignmentWritesTheVariableLine", u"x=3", -1, false, u"x=3\r\n//Variable: x=3\r\n", 0},
    {"ClsUpperCaseClears", u"1+1\r\nCLS", -1, false, u"", 0},
    {"ClsLowerCaseClears", u"1+1\r\ncls", -1, false, u"", 0},
    {"ClsMixedCaseClears", u"1+1\r\ncLs", -1, false, u"", 0},
    {"CtrlEnterStartsNextLineWithValue", u"2*3", -1, true, u"2*3\r\n6\r\n6", 1},
    {"CtrlEnterFractionTakesRational", u"1/3", -1, true, u"1/3\r\n1/3 //\u22480.333333\r\n1/3", 1},
    {"CtrlEnterAfterErrorAddsNoValue", u"1/0", -1, true,
     u"1/0\r\n//ERRROR!! DIVISION BY ZERO!!\r\n", 0},
    {"CtrlEnterOnEmptyLineOnlyBreaks", u"", -1, true, u"\r\n", 0},
};

class EnterTest : public CalcAreaTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterTest, EvaluatesTheLineBeforeTheCaret) {
    const EnterCase& test = GetParam();
    Type(QString::fromUtf16(test.typed));
    if (test.caret >= 0)
        area.SetSelection(test.caret, test.caret);
    area.PressEnter(test.ctrl);
    EXPECT_EQ(area.Text(), QString::fromUtf16(test.expected));
    EXPECT_EQ(doc.CalculationCount(), test.calculations);
    EXPECT_TRUE(doc.IsModified());
    // The caret stands behind whatever was written, before the rest of the split line.
    if (test.caret < 0) {
        EXPECT_EQ(area.Caret(), area.Text().size());
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterTest, ::testing::ValuesIn(EnterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcAreaTest, CtrlEnterTwiceEvaluatesTheValueAgainAndContinues) {
    Type(u"2*3"_s);
    area.PressEnter(true);
    area.PressEnter(true);
    EXPECT_EQ(area.Text(), u"2*3\r\n6\r\n6\r\n6\r\n6");
    EXPECT_EQ(area.Caret(), area.Text().size());
    EXPECT_EQ(doc.CalculationCount(), 2);
    // The value continues the calculation.
    Type(u"*7"_s);
    area.PressEnter(false);
    EXPECT_EQ(area.Text(), u"2*3\r\n6\r\n6\r\n6\r\n6*7\r\n42\r\n");
}

TEST_F(CalcAreaTest, EnterReplacesTheSelection) {
    Type(u"1+2xyz"_s);
    area.SetSelection(3, 6);
    area.PressEnter(false);
    EXPECT_EQ(area.Text(), u"1+2\r\n3\r\n");
}

TEST_F(CalcAreaTest, EnterAtCaretWorksAsTheEnterKey) {
    Type(u"5-7"_s);
    area.EnterAtCaret();
    EXPECT_EQ(area.Text(), u"5-7\r\n-2\r\n");
    EXPECT_EQ(doc.CalculationCount(), 1);
}

TEST_F(CalcAreaTest, ApproximateEnterWritesOnlyTheDecimalAndKeepsTheSetting) {
    Type(u"1/3"_s);
    area.EnterApproximate();
    EXPECT_EQ(area.Text(), u"1/3\r\n0.333333\r\n");
    const C_VYXCalcTextNFO& record = doc.Settings().CalcText();
    EXPECT_EQ(record.showReal, 1);
    EXPECT_EQ(record.showRational, 1);
    Type(u"1/4"_s);
    area.EnterAtCaret();
    EXPECT_EQ(area.Text(), u"1/3\r\n0.333333\r\n1/4\r\n1/4 //≈0.25\r\n");
}

TEST_F(CalcAreaTest, CharacterBeforeCaretOnItsLine) {
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // empty text
    Type(u"12\r\n"_s);
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // start of the second line
    area.SetSelection(1, 1);
    EXPECT_TRUE(area.HasCharacterBeforeCaretOnLine());
    area.SetSelection(0, 2);
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // selection from the text's start
    area.SetSelection(1, 5);
    EXPECT_FALSE(area.HasCharacterBeforeCaretOnLine()); // caret on another line
}

TEST_F(CalcAreaTest, ClearAreaEmptiesEverything) {
    Type(u"1\r\n2\r\n3"_s);
    area.ClearArea();
    EXPECT_EQ(area.Text(), u"");
    EXPECT_EQ(area.Caret(), 0);
    EXPECT_EQ(area.LineCount(), 1);
}

// ---- Backspace ----

struct BackspaceCase {
    const char* name;
    const char16_t* text;
    int selStart;
    int selEnd;
    const char16_t* expected;
    int caret;
};

const BackspaceCase BackspaceCases[] = {
    {"FunctionNameWhole", u"2+sinh", 6, 6, u"2+", 2},
    {"UpperCaseNameOneCharacter", u"2+SINH", 6, 6, u"2+SIN", 5},
    {"FourCharacterName", u"2+asin", 6, 6, u"2+", 2},
    {"ThreeCharacterName", u"xcos", 4, 4, u"x", 1},
    {"NthRootSymbol", u"3\u207F\u221A", 3, 3, u"3", 1},
    {"ExponentSign", u"2e+", 3, 3, u"2", 1},
    {"SingleCharacter", u"7", 1, 1, u"", 0},
    {"OnlyTokensBeforeTheCaret", u"2+sinh(1)", 6, 6, u"2+(1)", 2},
    {"TokenOnlyFromTheCaretLine", u"1\r\nsin", 6, 6, u"1\r\n", 3},
    {"SurrogatePairWhole", u"x\U0001D70B", 3, 3, u"x", 1},
    {"SelectionOnly", u"2+sinh", 2, 4, u"2+nh", 2},
    {"SelectionAcrossLines", u"ab\r\ncd", 1, 5, u"ad", 1},
    {"LineStartJoinsLines", u"ab\r\ncd", 4, 4, u"abcd", 2},
    {"EmptyLineJoins", u"ab\r\n", 4, 4, u"ab", 2},
    {"FirstLineStartNothing", u"abc", 0, 0, u"abc", 0},
    {"EmptyAreaNothing", u"", 0, 0, u"", 0},
};

class BackspaceTest : public CalcAreaTest, public ::testing::WithParamInterface<BackspaceCase> {};

TEST_P(BackspaceTest, RemovesTokensSelectionsAndLineBreaks) {
    const BackspaceCase& test = GetParam();
    Type(QString::fromUtf16(test.text));
    area.SetSelection(test.selStart, test.selEnd);
    doc.SetModifiedFlag(false);
    area.DeleteBackward();
    EXPECT_EQ(area.Text(), QString::fromUtf16(test.expected));
    EXPECT_EQ(area.Caret(), test.caret);
    EXPECT_EQ(area.SelectionStart(), area.SelectionEnd());
    EXPECT_TRUE(doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(Keys, BackspaceTest, ::testing::ValuesIn(BackspaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- text, lines and selection ----

TEST_F(CalcAreaTest, LinesCountTheCarriageReturn) {
    Type(u"ab\r\n\r\ncde"_s);
    EXPECT_EQ(area.LineCount(), 3);
    EXPECT_EQ(area.LineStart(1), 4);
    EXPECT_EQ(area.LineStart(2), 6);
    EXPECT_EQ(area.LineLength(1), 0);
    EXPECT_EQ(area.LineText(2), u"cde");
    EXPECT_EQ(area.LineFromPosition(2), 0);
    EXPECT_EQ(area.LineFromPosition(4), 1);
    EXPECT_EQ(area.LineFromPosition(9), 2);
    // Pasted line breaks of any kind become carriage return and line feed.
    area.ClearArea();
    Type(u"1+1\n2+2\r3+3\r\n4"_s);
    EXPECT_EQ(area.Text(), u"1+1\r\n2+2\r\n3+3\r\n4");
    EXPECT_EQ(area.LineCount(), 4);
}

TEST_F(CalcAreaTest, SelectionStaysInsideTheTextAndOutOfLineBreaks) {
    Type(u"ab\r\ncd"_s);
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

TEST_F(CalcAreaTest, InsertTextReplacesTheSelectionAndMarksModified) {
    Type(u"1+x+3"_s);
    area.SetSelection(2, 3);
    doc.SetModifiedFlag(false);
    area.InsertText(u"\u221A4"_s);
    EXPECT_EQ(area.Text(), u"1+\u221A4+3");
    EXPECT_EQ(area.Caret(), 4);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"1+x+3");
}

TEST_F(CalcAreaTest, CutRemovesAndReturnsTheSelection) {
    Type(u"12345"_s);
    area.SetSelection(1, 3);
    EXPECT_EQ(area.CutSelection(), u"23");
    EXPECT_EQ(area.Text(), u"145");
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"12345");
}

// ---- Undo and Redo ----

TEST_F(CalcAreaTest, EveryKeyIsAStepAndRedoFollowsUndo) {
    TypeKeys(u"123"_s);
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"12");
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"1");
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"");
    EXPECT_FALSE(area.Undo());
    ASSERT_TRUE(area.Redo());
    EXPECT_EQ(area.Text(), u"1");
    EXPECT_EQ(area.Caret(), 1);
}

TEST_F(CalcAreaTest, TypingAfterUndoDropsTheRedoSteps) {
    TypeKeys(u"12"_s);
    area.Undo();
    TypeKeys(u"x"_s);
    EXPECT_FALSE(area.CanRedo());
    EXPECT_FALSE(area.Redo());
    EXPECT_EQ(area.Text(), u"1x");
    // Undo and redo themselves record no step.
    const int steps = area.History().StepCount();
    area.Undo();
    area.Redo();
    area.Undo();
    EXPECT_EQ(area.History().StepCount(), steps);
}

TEST_F(CalcAreaTest, EnterIsOneStepWhenTheResultIsInserted) {
    TypeKeys(u"2+3"_s);
    const int before = area.History().Current();
    area.PressEnter(false);
    EXPECT_EQ(area.History().Current(), before + 1);
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"2+3");
    ASSERT_TRUE(area.Redo());
    EXPECT_EQ(area.Text(), u"2+3\r\n5\r\n");
}

TEST_F(CalcAreaTest, ClsCanBeUndone) {
    Type(u"1+1\r\n2\r\ncls"_s);
    area.PressEnter(false);
    ASSERT_EQ(area.Text(), u"");
    ASSERT_TRUE(area.CanUndo());
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"1+1\r\n2\r\ncls");
    ASSERT_TRUE(area.Redo());
    EXPECT_EQ(area.Text(), u"");
}

TEST_F(CalcAreaTest, ClearAreaCanBeUndoneButRecordsNothingWhenEmpty) {
    const int before = area.History().StepCount();
    area.ClearArea();
    EXPECT_EQ(area.History().StepCount(), before);
    EXPECT_FALSE(area.CanUndo());
    TypeKeys(u"42"_s);
    area.ClearArea();
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"42");
    EXPECT_EQ(area.Caret(), 2);
}

TEST_F(CalcAreaTest, FileNewClearsTheAreaAsAnUndoableStep) {
    TypeKeys(u"9"_s);
    doc.OnNewDocument();
    EXPECT_EQ(area.Text(), u"");
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(area.Undo());
    EXPECT_EQ(area.Text(), u"9");
    // The area now works on the new settings and engine.
    area.SetSelection(0, 1);
    area.TypeText(u"3*3"_s);
    area.PressEnter(false);
    EXPECT_EQ(area.Text(), u"3*3\r\n9\r\n");
}

TEST_F(CalcAreaTest, UpdateShowsALoadedTextAndSelection) {
    C_VYXCalcTextNFO& record = doc.Settings().CalcText();
    record.text = u"1+1\r\n2"_s;
    record.textValid = 1;
    record.selStart = 1;
    record.selEnd = 500;
    record.selValid = 1;
    area.OnUpdate();
    EXPECT_EQ(area.Text(), u"1+1\r\n2");
    EXPECT_EQ(area.SelectionStart(), 1);
    EXPECT_EQ(area.SelectionEnd(), 6);
    EXPECT_EQ(record.textValid, 0);
    EXPECT_EQ(record.selValid, 0);
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
