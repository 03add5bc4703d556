// SPDX-License-Identifier: MIT
// Tests of the document: line evaluation in every display form, counting, panels' evaluation,
// File New; of the number texts behind them: rounding, printf-style formatting and reading
// doubles from fields; and of the live preview: the text of each kind of line, that working it
// out changes nothing of the document, and that a result overtaken by a newer line is dropped.
#include "DocumentTestSupport.h"

#include "C_VYXAngleUnit.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXLivePreview.h"
#include "C_VYXNumberText.h"
#include "VYXCalculator.h"

#include <clocale>
#include <string>
#include <thread>
#include <utility>

using DocumentTestSupport::DocumentTest;
using Kind = C_VYXPreviewResult::Kind;

namespace {

constexpr qint32 kRad = VYX_ANGLE_RAD;
constexpr qint32 kDeg = VYX_ANGLE_DEG;
constexpr qint32 kGra = VYX_ANGLE_GRA;

// clang-format off
const struct LineCase {
    const char* name; const char16_t* line; int showReal, showRational, alwaysShowArgument;
    qint32 angleUnit; int decimals; const char16_t* expected;
} kLineCases[] = {
    // The display forms of a fraction (the area's Ctrl+Enter and the preview's tables check both
    // forms and the plainer lines against Enter).
    {"FractionRationalOnly", u"1/3", 0, 1, 0, kRad, 6, u"1/3\r\n"},
    {"FractionNeitherFlagShowsReal", u"1/3", 0, 0, 0, kRad, 6, u"0.333333\r\n"},
    // Divisors of exactly 1 leave the approximate part out.
    {"IntegerQuotientNoApproximation", u"4/2", 1, 1, 0, kRad, 6, u"2\r\n"},
    {"ComplexFractionBothForms", u"(1+i)/3", 1, 1, 0, kRad, 6,
        u"1/3+i/3 //\u22480.333333+0.333333i\r\n"},
    // A complex-double result is shown in decimal form whatever the flags.
    {"DoubleRationalOnlyStillDecimal", u"sqrt(2)", 0, 1, 0, kRad, 6, u"1.414214\r\n"},
    {"DoubleTwoDecimals", u"sqrt(2)", 1, 1, 0, kRad, 2, u"1.41\r\n"},
    // Huge and tiny results keep their exponent (python: "%.6e" % 3**40, 1e-9).
    {"HugeProductKeepsExponent", u"3^40", 1, 1, 0, kRad, 6, u"1.215767e+19\r\n"},
    {"TinyDoubleKeepsExponent", u"1E-9", 1, 1, 0, kRad, 6, u"1.000000e-09\r\n"},
    {"TinyApproximationTwoDecimals", u"3/500", 1, 1, 0, kRad, 2, u"3/500 //\u22486.00e-03\r\n"},
    // A fraction with a part beyond 2^53 is no longer exact: shown as a decimal (python: 2.0**60).
    {"HugeFractionAsDecimal", u"(1152921504606846976)", 1, 1, 0, kRad, 6, u"1.152922e+18\r\n"},
    {"HugeFractionRationalOnlyAsDecimal", u"(1152921504606846976)/3", 0, 1, 0, kRad, 6,
        u"3.843072e+17\r\n"},
    // The argument suffix, in each angle unit, only for complex results.
    {"ArgumentDegrees", u"1+i", 1, 1, 1, kDeg, 6, u"1+i ARGUMENT:45.000000 Degrees\r\n"},
    {"ArgumentGradiansTwoDecimals", u"1+i", 1, 1, 1, kGra, 2, u"1+i ARGUMENT:50.00 Gradians\r\n"},
    {"ArgumentUnknownUnit", u"1+i", 1, 1, 1, 999, 6,
        u"1+i ARGUMENT:0.785398 UNKNOWN ANGLE UNIT.\r\n"},
    {"ArgumentOfFractionAfterApproximation", u"(1+i)/2", 1, 1, 1, kRad, 6,
        u"1/2+i/2 //\u22480.5+0.5i ARGUMENT:0.785398 Radians\r\n"},
    {"NoArgumentForRealResult", u"2", 1, 1, 1, kDeg, 6, u"2\r\n"},
    {"NoArgumentWhenFlagOff", u"1+i", 1, 1, 0, kDeg, 6, u"1+i\r\n"},
};
// clang-format on

TEST_F(DocumentTest, CalculateLineLaysOutTheResultInEveryDisplayForm) {
    for (const LineCase& test : kLineCases) {
        SCOPED_TRACE(test.name);
        doc.Settings().CMPLX().m_nAlwaysShowArgument = test.alwaysShowArgument;
        doc.Settings().Trig().m_nAngleUnit = test.angleUnit;
        doc.Settings().BasicButtons().m_nDecimals = test.decimals;
        const QString line = QString::fromUtf16(test.line);
        const QString expected = QString::fromUtf16(test.expected);
        EXPECT_EQ(Calculate(line, test.showReal, test.showRational), expected);
        // Only a line that shows a value has a number behind it.
        EXPECT_EQ(doc.EvaluateExpression(line) == nullptr,
                  expected.isEmpty() || expected.startsWith(u"//"));
    }
}

// ---- counting and the last result ----

TEST_F(DocumentTest, CountsOnlySuccessfulEvaluationsAndKeepsTheLastResultOnce) {
    for (const char16_t* line : {u"1+1", u"1/0", u"//3", u"", u"A=1", u"2*3", u"A+1"})
        doc.CalculateLine(QString::fromUtf16(line));
    EXPECT_EQ(doc.CalculationCount(), 3);
    EXPECT_EQ(status.texts.last(), u"Number of calculations: 3");
    EXPECT_TRUE(status.texts.contains(u"Number of calculations: 1"));
    doc.EvaluateExpressionText(u"2+2"_s); // the panels' evaluations count too
    EXPECT_EQ(doc.CalculationCount(), 4);
    // The last result is the value without its suffix, and it is taken once.
    doc.Settings().CMPLX().m_nAlwaysShowArgument = 1;
    Calculate(u"1/3"_s);
    EXPECT_EQ(doc.TakeLastResult(), u"1/3");
    EXPECT_EQ(doc.TakeLastResult(), u"");
    Calculate(u"1/3"_s, 1, 0);
    EXPECT_EQ(doc.TakeLastResult(), u"0.333333");
    Calculate(u"1+i"_s);
    EXPECT_EQ(doc.TakeLastResult(), u"1+i");
    // A failing line leaves no earlier result for Ctrl+Enter.
    Calculate(u"7"_s);
    Calculate(u"1/0"_s);
    EXPECT_EQ(doc.TakeLastResult(), u"");
}

// ---- assignments hand over to the variables ----

TEST_F(DocumentTest, AssignmentsDefineVariablesAndPanelFieldsGetDecimalTextAndTheUnroundedValue) {
    EXPECT_EQ(Calculate(u"x=3"_s), u"");
    EXPECT_EQ(doc.Settings().Var().definitions.value(u"x"_s), u"3");
    EXPECT_EQ(doc.Settings().Var().values.value(u"x"_s), u"3");
    EXPECT_EQ(status.texts.last(), u"Variable: x=3");
    EXPECT_EQ(Calculate(u"x*2"_s), u"6\r\n");
    EXPECT_EQ(Calculate(u"=5"_s), u"");
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(CaptionAndText(boxes), u"ERROR!!|No variable name entered!!");
    EXPECT_EQ(doc.Settings().Var().definitions.size(), 1);
    // ---- the panels' evaluation ----
    // A panel's field gives decimal text (no line break), and the display flags the text was made
    // with are put back; its unrounded value comes without counting and without a message.
    C_VYXCalcTextNFO& display = doc.Settings().CalcText();
    const C_VYXPanelContext context = doc.PanelContext();
    // clang-format off
    const std::tuple<QString, QString, std::optional<double>> cases[] = {
        {u"1,5*2"_s, u"3"_s, 3.0}, // decimal comma
        {u"PI/3"_s, u"1.047198"_s, 3.141592653589793 / 3},
        {u"1/0"_s, u"//ERRROR!! DIVISION BY ZERO!!"_s, std::nullopt},
        {u"2+i"_s, u"2+i"_s, std::nullopt}, // no real number
        {QString(), QString(), std::nullopt}};
    // clang-format on
    for (const auto& [text, shown, value] : cases) {
        SCOPED_TRACE(text.toStdString());
        const int counted = doc.CalculationCount();
        EXPECT_EQ(context.EvaluateRealValue(text), value);
        EXPECT_TRUE(doc.TakeEngineMessage().isEmpty());
        EXPECT_EQ(doc.CalculationCount(), counted);
        display.showReal = 0;
        display.displayChanged = 0;
        EXPECT_EQ(context.EvaluateExpressionText(text), shown);
        EXPECT_EQ(QList<int>({display.showReal, display.showRational, display.displayChanged}),
                  QList<int>({0, 1, 1}));
    }
    // Rounding to decimals follows the numpad and stays in its range.
    doc.Settings().BasicButtons().m_nDecimals = 2;
    EXPECT_EQ(doc.RoundToDecimals(u"3.14159"_s), u"3.14");
    // A damaged file may hold any count; the text must still be a number.
    doc.Settings().BasicButtons().m_nDecimals = 1000;
    EXPECT_EQ(doc.RoundToDecimals(u"3.14159265358979"_s), u"3.1415926536");
    doc.Settings().BasicButtons().m_nDecimals = -5;
    EXPECT_EQ(doc.RoundToDecimals(u"3.14159"_s), u"3.1");
}

TEST_F(DocumentTest, TheEnginesQuestionTheAngleUnitAndFileNew) {
    doc.Calculator().SetVariable("Q", "1");
    boxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
    doc.Calculator().SetVariable("Q", "2");
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.LastBox().kind, C_VYXScriptedMessageBoxes::Kind::YesNo);
    EXPECT_EQ(CaptionAndText(boxes), u"INFO!!|The variable: Q is already defined!!\nOverwrite?");
    EXPECT_EQ(doc.Calculator().GetDefinedVars(), std::vector<std::string>({"Q=1"}));
    // The angle unit reaches the engine, and File New starts again from the defaults.
    Calculate(u"x=3"_s);
    doc.Settings().BasicButtons().m_nDecimals = 3;
    doc.Settings().Trig().m_nAngleUnit = VYX_ANGLE_DEG;
    doc.ApplyAngleUnit();
    EXPECT_EQ(Calculate(u"sin(90)"_s), u"1\r\n");
    doc.Settings().Trig().m_nAngleUnit = 7; // an unknown unit leaves the engine as it was
    doc.ApplyAngleUnit();
    EXPECT_EQ(doc.Calculator().GetAngle(), "DEG");
    doc.SetModifiedFlag();

    ASSERT_TRUE(doc.OnNewDocument());

    EXPECT_EQ(
        QList<int>({doc.CalculationCount(), doc.IsModified(),
                    doc.Settings().BasicButtons().m_nDecimals, doc.Settings().Trig().m_nAngleUnit}),
        QList<int>({0, 0, 6, kRad}));
    EXPECT_EQ(doc.Calculator().GetAngle(), "RAD");
    // The new translator no longer knows the old variable.
    EXPECT_EQ(Calculate(u"x"_s).left(2), u"//");
    EXPECT_EQ(doc.VariablesPanel().ListEntries().size(), 0);
}

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

using C_VYXNumberText::Format;

TEST(NumberText, RoundsEachPartFormatsLikePrintfAndParsesOnlyWholeFiniteNumbers) {
    // clang-format off
    const struct Case { const char* text; int decimals; const char* expected; } cases[] = {
        {"2", 3, "2"}, {"0.125", 3, "0.125"}, {"-0.123456", 4, "-0.1235"},
        // A lone imaginary part: j becomes i, and a plus sign is put before a rounded one.
        {"2.71828j", 2, "+2.72i"}, {"0.5j", 3, "0.5i"}, {"0.33333I", 2, "+0.33i"},
        {"0.000i", 2, "0.00i"}, {"1.26+2.71i", 1, "1.3+2.7i"}, {"-1.26-0.71i", 1, "-1.3-0.7i"},
        {"0.12345678901234", 10, "0.1234567890"}, {"0.99999", 2, "1.00"},
        // Outside 1 to 10 decimals there is no text.
        {"1.5", 0, ""}, {"1.123456789012", 11, ""},
        // An exponent's sign does not split the number into parts.
        {"1.5e-05", 6, "1.5e-05"}, {"3-4i", 2, "3-4i"}, {"", 3, ""},
        // From 1e16 on, and below the last decimal shown, a part keeps an exponent (python's
        // "%.*e"), since fixed decimals would invent digits or show 0.
        {"1.2039999999999999916e+24", 6, "1.204000e+24"}, {"12157665459056928768", 6, "1.215767e+19"},
        {"-1e+16", 2, "-1.00e+16"}, {"9999999999999998", 2, "9999999999999998"},
        {"1.5e-05", 2, "1.50e-05"}, {"0.000001", 6, "0.000001"}, {"-0.0000009", 6, "-9.000000e-07"},
        {"1.1355e-10+1.1355e-10i", 6, "1.135500e-10+1.135500e-10i"},
        {"2-3.5e-12j", 3, "2-3.500e-12i"}, {"1e+20i", 2, "+1.00e+20i"},
        // Not one finite number: a fraction, infinity and NaN keep the fixed rules.
        {"100000000000000000/3", 6, "100000000000000000/3"}, {"inf", 6, "inf"},
        {"-nan", 6, "-nan"}, {"2J", 6, "2J"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " to " + std::to_string(c.decimals));
        EXPECT_EQ(C_VYXNumberText::RoundNumberText(QString::fromUtf8(c.text), c.decimals),
                  QString::fromUtf8(c.expected));
    }
    // The panels' texts show each format in use; here the edges: the sign of zero, a carry into the
    // integer digits and a number longer than any fixed buffer.
    EXPECT_EQ(C_VYXNumberText::FormatDouble(Format::Fixed20, -0.0), u"-0.00000000000000000000");
    EXPECT_EQ(C_VYXNumberText::FormatDouble(Format::Fixed6, 179.9999999), u"180.000000");
    const QString huge = C_VYXNumberText::FormatDouble(Format::Fixed20, 1e300);
    EXPECT_EQ(huge.size(), 301 + 1 + 20);
    EXPECT_TRUE(huge.startsWith(u"1000000000000000052504760255204420248704468581108159154915854"));
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.5, 0) + C_VYXNumberText::FormatDecimals(2.5, 11),
              QString()); // outside 1 to 10 decimals
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.25, 1), QStringLiteral("2.2"));
    EXPECT_EQ(C_VYXNumberText::FormatDecimals(2.0, 10), QStringLiteral("2.0000000000"));
    // Parsing accepts only whole finite numbers and leaves the value alone otherwise.
    const std::pair<const char*, double> numbers[] = {
        {"3.280840", 3.28084}, {"  2.5 ", 2.5}, {"-0.25", -0.25}, {"1e3", 1000.0}};
    for (const auto& [text, expected] : numbers) {
        double value = -123.0;
        EXPECT_TRUE(C_VYXNumberText::ParseDouble(QString::fromUtf8(text), value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    const char* const rejected[] = {
        "", "abc", "//ERRROR!! DIVISION BY ZERO!!", "2.5x", "1,5", "inf", "nan", "1e999"};
    for (const char* text : rejected) {
        double value = -123.0;
        EXPECT_FALSE(C_VYXNumberText::ParseDouble(QString::fromUtf8(text), value)) << text;
        EXPECT_EQ(value, -123.0) << text;
    }
}

TEST(NumberText, NumbersAreReadAndWrittenInTheCLocaleWhateverTheUsers) {
    // Decimal, exponent, infinity, not-a-number and hexadecimal forms; a German decimal comma
    // must not count even while the user's locale has one.
    const char* const numbers[] = {"12", "1e3", "2.5", "-.5", "inf", "NaN", "0x1A", "infinity"};
    const char* const others[] = {"", "x", "1e", "12a", "2,5", "0x", "1 2", "nanx", "e5"};
    const auto check = [&](const char* locale) {
        for (const char* text : numbers)
            EXPECT_TRUE(C_VYXNumberText::IsDoubleText(QString::fromUtf8(text))) << text << locale;
        for (const char* text : others)
            EXPECT_FALSE(C_VYXNumberText::IsDoubleText(QString::fromUtf8(text))) << text << locale;
        double parsed = 0;
        EXPECT_TRUE(C_VYXNumberText::ParseDouble(QStringLiteral("2.5"), parsed) && parsed == 2.5);
        EXPECT_EQ(C_VYXNumberText::FormatDouble(Format::Fixed6, 1.5), u"1.500000") << locale;
    };
    check(" in the C locale");
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "no German locale installed";
    check(" in a German locale");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
