// SPDX-License-Identifier: MIT
// Tests of the document: line evaluation in every display form, counting, panels' evaluation,
// File New.
#include "DocumentTestSupport.h"

#include "C_VYXAngleUnit.h"
#include "VYXCalculator.h"

using DocumentTestSupport::DocumentTest;

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
    EXPECT_EQ(status.Last(), u"Number of calculations: 3");
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
    EXPECT_EQ(status.Last(), u"Variable: x=3");
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

} // namespace
