// SPDX-License-Identifier: MIT
// Tests of the live preview: the text of each kind of line, that working it out changes nothing
// of the document, and that a result overtaken by a newer line is dropped.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"
#include "C_VYXLivePreview.h"
#include "VYXCalculator.h"

#include <thread>

using DocumentTestSupport::DocumentTest;
using Kind = C_VYXPreviewResult::Kind;

namespace {

// Hand and python: 1/7 = 0.143 (3 places), 3/8 = 0.375, a*a+1 with a=3, cos(60°) = 0.500000 (a
// decimal keeps its six places), 2**10 = 1024, sqrt(2) = 1.414214. The variables' own tests check
// every message of a rejected name; here one of them shows the route.
// clang-format off
const struct PreviewCase {
    const char* name; const char16_t* line; int showRational; int decimals;
    const char* engineAngle; Kind kind; const char16_t *text, *paneText;
} kPreviewCases[] = {
    {"FractionThreeDecimals", u"1/7", 1, 3, "RAD", Kind::Result, u"1/7 //\u22480.143\r\n",
        u"= 1/7 //\u22480.143"},
    {"DecimalOnly", u"3/8", 0, 6, "RAD", Kind::Result, u"0.375\r\n", u"= 0.375"},
    {"DefinedVariable", u"a*a+1", 1, 6, "RAD", Kind::Result, u"10\r\n", u"= 10"},
    {"EngineInDegrees", u"cos(60)", 0, 6, "DEG", Kind::Result, u"0.500000\r\n", u"= 0.500000"},
    {"TrailingComment", u"2+3 //note", 1, 6, "RAD", Kind::Result, u"5\r\n", u"= 5"},
    {"EngineError", u"1/0", 1, 6, "RAD", Kind::Error, u"//ERRROR!! DIVISION BY ZERO!!\r\n",
        u"ERRROR!! DIVISION BY ZERO!!"},
    {"Assignment", u"x = 2^10", 1, 6, "RAD", Kind::Assignment, u"x := 1024", u"x := 1024"},
    {"AssignmentRounded", u"r=sqrt(2)", 1, 6, "RAD", Kind::Assignment, u"r := 1.414214",
        u"r := 1.414214"},
    {"AssignmentReservedName", u"sin=3", 1, 6, "RAD", Kind::AssignmentError,
        u"The variable name:\nsin\nis not allowed!!", u"The variable name: sin is not allowed!!"},
    {"AssignmentFailingValue", u"x=1/0", 1, 6, "RAD", Kind::AssignmentError,
        u"ERRROR!! DIVISION BY ZERO!!", u"ERRROR!! DIVISION BY ZERO!!"},
    {"AssignmentOverDefined", u"a = 8", 1, 6, "RAD", Kind::Assignment, u"a := 8", u"a := 8"},
    {"ClearCommand", u"Cls", 1, 6, "RAD", Kind::Nothing, u"", u""},
};
// clang-format on

TEST_F(DocumentTest, LinePreviewShowsWhatEnterWrites) {
    doc.CalculateLine(u"a=3"_s);
    C_VYXLinePreview preview;
    for (const PreviewCase& row : kPreviewCases) {
        SCOPED_TRACE(row.name);
        doc.Settings().CalcText().showRational = row.showRational;
        doc.Settings().BasicButtons().m_nDecimals = row.decimals;
        doc.Calculator().SetAngle(std::string("ANGLE_") + row.engineAngle);
        const QString line = QString::fromUtf16(row.line);
        const C_VYXPreviewResult result = preview.Preview(C_VYXLivePreview::RequestFor(doc, line));
        EXPECT_EQ(result.kind, row.kind);
        EXPECT_EQ(result.text, QString::fromUtf16(row.text));
        EXPECT_EQ(result.PaneText(), QString::fromUtf16(row.paneText));
        // Enter on the same line writes the same text (assignments write a confirmation instead;
        // Cls would clear the area).
        if (row.kind != Kind::Assignment && row.kind != Kind::AssignmentError &&
            line.compare(u"cls"_s, Qt::CaseInsensitive) != 0) {
            EXPECT_EQ(doc.CalculateLine(line), result.text);
        }
    }
    // A long message is cut short in the pane.
    const QString pane =
        C_VYXPreviewResult{Kind::Error, u"//"_s + QString(1000, u'X') + u"\r\n"_s}.PaneText();
    EXPECT_EQ(pane.size(), C_VYXLinePreview::kMaxPaneLength);
    EXPECT_EQ(pane, QString(C_VYXLinePreview::kMaxPaneLength - 1, u'X') + QChar(0x2026));
}

/// The area and its preview over the fixture's document, with an event loop for the results.
class LivePreviewTest : public DocumentTest {
protected:
    LivePreviewTest() {
        DocumentTestSupport::EnsureCoreApplication();
        QObject::connect(&preview, &C_VYXLivePreview::previewChanged,
                         [this](const QString& text) { shown.append(text); });
    }

    bool WaitForPane(const QString& text) {
        DocumentTestSupport::ProcessEventsUntil([&] { return preview.PaneText() == text; });
        EXPECT_EQ(preview.PaneText(), text) << qPrintable(shown.join(u'|'));
        return preview.PaneText() == text;
    }

    C_VYXCalcAreaModel area{doc};
    C_VYXLivePreview preview{doc, area};
    QStringList shown;
};

TEST_F(LivePreviewTest, FollowsTheCaretChangingNothingAndClearsAfterEnter) {
    // Writes the confirmation "//Variable: n=7" as the area's first line.
    doc.CalculateLine(u"n=7"_s);
    // The second line is typed but never entered: n stays 7.
    area.TypeText(u"n = 8\r\n2*3\r\n//note\r\ny = n*6+1"_s);
    doc.SetModifiedFlag(false);
    const int steps = area.History().StepCount();
    const int current = area.History().Current();
    const qsizetype statusTexts = status.texts.size();

    ASSERT_TRUE(WaitForPane(u"y := 43"_s));
    area.SetSelection(area.LineStart(1), area.LineStart(1));
    ASSERT_TRUE(WaitForPane(u"n := 8"_s));
    area.SetSelection(area.LineStart(2), area.LineStart(2));
    ASSERT_TRUE(WaitForPane(u"= 6"_s));
    // A comment line needs no engine: the pane empties at once.
    area.SetSelection(area.LineStart(3), area.LineStart(3));
    EXPECT_EQ(preview.PaneText(), QString());

    EXPECT_EQ(doc.Settings().Var().values, (QMap<QString, QString>{{u"n"_s, u"7"_s}}));
    EXPECT_EQ(doc.CalculationCount(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(QList<qsizetype>(
                  {area.History().StepCount(), area.History().Current(), status.texts.size()}),
              QList<qsizetype>({steps, current, statusTexts}));

    area.SetSelection(area.LineStart(2) + 3, area.LineStart(2) + 3);
    ASSERT_TRUE(WaitForPane(u"= 6"_s));
    area.PressEnter(false);
    EXPECT_EQ(preview.PaneText(), QString());
    EXPECT_EQ(doc.CalculationCount(), 1);
}

TEST_F(LivePreviewTest, FollowsAChangedSetting) {
    area.TypeText(u"1/3"_s);
    ASSERT_TRUE(WaitForPane(u"= 1/3 //\u22480.333333"_s));
    // As the numpad's slider does it: the record, then the document marked.
    doc.Settings().BasicButtons().m_nDecimals = 2;
    doc.SetModifiedFlag();
    ASSERT_TRUE(WaitForPane(u"= 1/3 //\u22480.33"_s));
}

TEST_F(LivePreviewTest, DropsAResultOvertakenByANewerLine) {
    area.TypeText(u"1/0"_s);
    // The first result is on its way, but not yet taken by the event loop, when the line changes.
    const QDeadlineTimer deadline(10000);
    while (preview.FinishedEvaluations() < 1 && !deadline.hasExpired())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(preview.FinishedEvaluations(), 1);
    area.SelectAll();
    area.TypeText(u"1/8"_s);

    ASSERT_TRUE(WaitForPane(u"= 1/8 //\u22480.125"_s));
    EXPECT_EQ(shown, QStringList{u"= 1/8 //\u22480.125"_s});
}

} // namespace
