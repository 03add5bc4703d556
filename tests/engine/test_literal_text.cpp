// SPDX-License-Identifier: MIT
// Literal reading without exceptions: agreement with strtod and with the numbers' own setters.
#include "VYXExceptions.h"
#include "VYXLiteralText.h"
#include "VYXNumRational.h"
#include "VYXNumUni.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// ---- TryParseDoubleText against strtod ----

struct TextCase {
    const char* name;
    std::string text;
};

std::string CaseName(const testing::TestParamInfo<TextCase>& info) {
    return info.param.name;
}

// The reference reading: strtod consumes the whole, non-empty text.
bool StrtodWhole(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

class TryParseDoubleTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TryParseDoubleTextTest, AgreesWithStrtodOnTheWholeText) {
    const std::string& text = GetParam().text;
    double expected = 0.0;
    const bool expectedOk = StrtodWhole(text, expected);
    double value = 0.0;
    ASSERT_EQ(TryParseDoubleText(text, value), expectedOk);
    if (expectedOk) {
        EXPECT_TRUE(SameBits(value, expected)) << value << " against " << expected;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, TryParseDoubleTextTest, testing::Values(
    TextCase{"Zero", "0"}, TextCase{"NegativeZeroKeepsItsSign", "-0"}, TextCase{"PlusZero", "+0"},
    TextCase{"LeadingZeros", "007"}, TextCase{"FifteenDigits", "999999999999999"},
    TextCase{"TwoPow53", "9007199254740992"},
    TextCase{"TwoPow53PlusOneRounds", "9007199254740993"},
    TextCase{"EighteenDigitsRound", "123456789012345678"},
    TextCase{"NineteenDigits", "9999999999999999999"},
    TextCase{"TwentyThreeDigits", "12345678901234567890123"},
    TextCase{"NegativeLong", "-9007199254740995"}, TextCase{"Decimal", "2.5"},
    TextCase{"TrailingPoint", "5."}, TextCase{"LeadingPoint", ".5"}, TextCase{"Exponent", "1E-5"},
    TextCase{"ExponentPlus", "2.5E+3"}, TextCase{"Overflow", "1E400"},
    TextCase{"HexFloat", "0x1p-3"}, TextCase{"Hex", "0x1F"}, TextCase{"NotANumber", "NAN"},
    TextCase{"Infinity", "INFINITY"}, TextCase{"LeadingBlank", " \t-5"},
    TextCase{"TrailingBlank", "5 "}, TextCase{"Difference", "5-3"},
    TextCase{"SumAfterExponent", "2E+3-1"}, TextCase{"SignAfterHexDigitE", "0x1e-3"},
    TextCase{"Product", "2*3"}, TextCase{"OnlySign", "-"}, TextCase{"TwoSigns", "--5"},
    TextCase{"Empty", ""}, TextCase{"TrailingLetter", "12A"},
    TextCase{"ZeroByteInside", std::string("5\0" "1", 3)},
    TextCase{"LongDigitsBeyondTheStackCopy", std::string(100, '7')},
    TextCase{"LongDecimalBeyondTheStackCopy", "0." + std::string(80, '0') + "1"},
    TextCase{"LongTextWithAnOperator", std::string(80, '1') + "+1"}),
    CaseName);
// clang-format on

// ---- The literal forms against the numbers' own setters ----

// The unchecked reading accepts exactly the texts that VYXNumUni::SetValue accepts, with the same
// parts, and calls exact exactly those that VYXNumRational::SetValue accepts as well.
class LiteralReadingTest : public testing::TestWithParam<TextCase> {};

TEST_P(LiteralReadingTest, MatchesTheCheckedSetters) {
    const std::string& text = GetParam().text;
    double real = 0.0;
    double imag = 0.0;
    const bool read = TryReadComplexDoubleLiteral(text, real, imag);

    VYXNumUni checked;
    bool checkedOk = true;
    try {
        checked.SetValue(text);
    } catch (const VYXExceptionNumberFormat&) {
        checkedOk = false;
    }
    ASSERT_EQ(read, checkedOk);
    if (!read) {
        return;
    }
    EXPECT_TRUE(SameBits(real, checked.GetRealValue()));
    EXPECT_TRUE(SameBits(imag, checked.GetCmplxValue()));

    VYXNumRational exact;
    bool exactOk = true;
    try {
        exact.SetValue(text);
    } catch (const VYXExceptionNumberFormat&) {
        exactOk = false;
    }
    EXPECT_EQ(IsExactLiteral(text), exactOk);
    if (exactOk) {
        EXPECT_EQ(exact.GetValue(), VYXNumRational(real, 1.0, imag, 1.0).GetValue());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LiteralReadingTest, testing::Values(
    TextCase{"Integer", "7"}, TextCase{"NegativeZero", "-0"}, TextCase{"Decimal", "0.5"},
    TextCase{"IntegerByExponent", "1E5"}, TextCase{"Overflow", "1E400"},
    TextCase{"NotANumber", "NAN"}, TextCase{"ImaginaryInteger", "3I"},
    TextCase{"ImaginaryDecimal", "2.5I"}, TextCase{"ImaginaryNegative", "-4I"},
    TextCase{"ImaginaryNotANumber", "NANI"}, TextCase{"ImaginaryHex", "0x10I"},
    TextCase{"LowerUnit", "i"}, TextCase{"LowerUnitWithPlus", "+i"},
    TextCase{"LowerUnitWithOne", "1i"}, TextCase{"LowerMinusUnit", "-i"},
    TextCase{"LowerMinusOneUnit", "-1i"}, TextCase{"LowerZeroUnit", "0i"},
    TextCase{"LowerNegativeZeroUnit", "-0i"}, TextCase{"LowerUnitWithCoefficient", "5i"},
    TextCase{"BareUpperUnit", "I"}, TextCase{"UnitInTheMiddle", "2I3"},
    TextCase{"TwoUnits", "2iI"}, TextCase{"Sum", "1+2"}, TextCase{"ImaginarySum", "1+2I"},
    TextCase{"Fraction", "1/2"}, TextCase{"Infinity", "INF"}, TextCase{"Empty", ""}),
    CaseName);
// clang-format on

} // namespace
