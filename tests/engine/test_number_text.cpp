// SPDX-License-Identifier: MIT
// Number-text routines: parsing, the two printed forms, the integer test and rational part text.
#include "VYXExceptions.h"
#include "VYXNumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kTwo53 = 9007199254740992.0;
const double kTwo31 = 2147483648.0;

std::string ParseError(const std::string& text) {
    try {
        ParseDoubleText(text);
    } catch (const VYXExceptionNumberFormat& e) {
        return e.GetMessage();
    }
    return "no error";
}

// ---- ParseDoubleText / IsDoubleText ----

struct ParseCase {
    const char* name;
    std::string text;
    bool valid;
    double value;
};

class ParseDoubleTextTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDoubleTextTest, ParsesWholeTextOrRefuses) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(IsDoubleText(c.text), c.valid);
    if (c.valid) {
        EXPECT_EQ(ParseDoubleText(c.text), c.value);
    } else if (c.text.empty()) {
        EXPECT_EQ(ParseError(c.text), "ERROR! CANNOT CONVERT ' ' TO A NUMBER!!");
    } else {
        EXPECT_EQ(ParseError(c.text), "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE "
                                      "STRING: " +
                                          c.text + " TO DOUBLE..");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ParseDoubleTextTest, testing::Values(
    ParseCase{"Integer", "42", true, 42.0}, ParseCase{"Decimal", "2.5", true, 2.5},
    ParseCase{"Negative", "-0.125", true, -0.125}, ParseCase{"Exponent", "1E20", true, 1e20},
    ParseCase{"LeadingPlus", "+7", true, 7.0}, ParseCase{"Empty", "", false, 0.0},
    ParseCase{"TrailingLetter", "2.5I", false, 0.0}, ParseCase{"Fraction", "3/4", false, 0.0},
    ParseCase{"CommaIsNotAPoint", "2,5", false, 0.0},
    ParseCase{"TrailingSpace", "5 ", false, 0.0}, ParseCase{"OnlySign", "-", false, 0.0}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ParseDoubleTextLocale, IgnoresTheProcessLocale) {
    // A GUI toolkit may switch to a locale with a decimal comma; the engine's "." must still parse.
    const char* commaLocale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            commaLocale = name;
            break;
        }
    }
    if (commaLocale == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    const double value = ParseDoubleText("2.5");
    const std::string text = DoubleToStr(6, 0.5);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(value, 2.5);
    EXPECT_EQ(text, "0.5");
}

// ---- DoubleToStr ----

struct PrintCase {
    const char* name;
    int precision;
    double value;
    std::string text;
};

class DoubleToStrTest : public testing::TestWithParam<PrintCase> {};

TEST_P(DoubleToStrTest, WritesGeneralFormat) {
    EXPECT_EQ(DoubleToStr(GetParam().precision, GetParam().value), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, DoubleToStrTest, testing::Values(
    PrintCase{"TwoThirdsPrecision3", 3, 2.0 / 3.0, "0.667"},
    PrintCase{"RoundsToSixDigits", 6, 123456.7, "123457"},
    PrintCase{"ExponentAtPrecision", 6, 1234567.0, "1.23457e+06"},
    PrintCase{"HugeUsesExponent", 6, 1e20, "1e+20"},
    PrintCase{"TinyUsesExponent", 6, 0.00001, "1e-05"},
    PrintCase{"SmallStaysFixed", 6, 0.0001, "0.0001"},
    PrintCase{"TrailingZerosRemoved", 10, 0.5, "0.5"},
    PrintCase{"PrecisionZeroIsOne", 0, 2.0 / 3.0, "0.7"},
    PrintCase{"NegativePrecisionIsSix", -5, 2.0 / 3.0, "0.666667"},
    PrintCase{"NegativeZero", 6, -0.0, "-0"}, PrintCase{"Infinity", 6, kInf, "inf"},
    PrintCase{"MinusInfinity", 6, -kInf, "-inf"}, PrintCase{"NotANumber", 6, kNaN, "nan"},
    PrintCase{"NegativeNotANumber", 6, -kNaN, "-nan"},
    PrintCase{"SeventeenDigits", 17, 0.1, "0.10000000000000001"}),
    [](const testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(DoubleToStrTest, MatchesPrintfGeneralFormat) {
    const double values[] = {0.1, -2.5e-7, 1e15, 123456789.123, 6.02214076e23, 5e-324, 1.7e308};
    for (int precision : {1, 3, 6, 10, 15, 17}) {
        for (double value : values) {
            char expected[64];
            std::snprintf(expected, sizeof(expected), "%.*g", precision, value);
            EXPECT_EQ(DoubleToStr(precision, value), expected) << precision << " " << value;
        }
    }
}

TEST(DoubleToStrTest, AbsurdPrecisionIsClampedAndReadsBack) {
    const std::string text = DoubleToStr(1 << 30, 1.0 / 3.0);
    EXPECT_LE(text.size(), 1010u);
    EXPECT_EQ(ParseDoubleText(text), 1.0 / 3.0);
    // 1e300 has 301 digits in fixed form: a large precision must still write all of them.
    EXPECT_EQ(ParseDoubleText(DoubleToStr(400, 1e300)), 1e300);
}

// ---- DoubleToStrDefault / IntToStr ----

class DoubleToStrDefaultTest : public testing::TestWithParam<double> {};

TEST_P(DoubleToStrDefaultTest, EqualsADefaultStream) {
    std::ostringstream stream;
    stream << GetParam();
    EXPECT_EQ(DoubleToStrDefault(GetParam()), stream.str());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, DoubleToStrDefaultTest, testing::Values(
    1234567.0, 1000000.0, 999999.0, 0.75, -3.0, 1e-7, 15511210043330985984000000.0, kInf, kNaN));
// clang-format on

TEST(IntToStrTest, UsesTheDefaultForm) {
    EXPECT_EQ(IntToStr(-17), "-17");
    EXPECT_EQ(IntToStr(1000000), "1e+06");
    EXPECT_EQ(IntToStr(2147483647), "2.14748e+09");
}

// ---- IsInteger ----

struct IntegerCase {
    const char* name;
    double value;
    bool integer;
};

class IsIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IsIntegerTest, Classifies) {
    EXPECT_EQ(IsInteger(GetParam().value), GetParam().integer);
    EXPECT_EQ(IsInteger(-GetParam().value), GetParam().integer) << "sign must not matter";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, IsIntegerTest, testing::Values(
    IntegerCase{"Zero", 0.0, true}, IntegerCase{"One", 1.0, true},
    IntegerCase{"Half", 0.5, false}, IntegerCase{"BelowOne", 0.999, false},
    IntegerCase{"OneAndAHalf", 1.5, false}, IntegerCase{"TenToTheTen", 1e10, true},
    IntegerCase{"ThirteenFactorial", 6227020800.0, true},
    IntegerCase{"Two31", kTwo31, true}, IntegerCase{"Two31PlusOne", kTwo31 + 1.0, true},
    IntegerCase{"Two31PlusHalf", kTwo31 + 0.5, false},
    IntegerCase{"Two53MinusOne", kTwo53 - 1.0, true}, IntegerCase{"Two53", kTwo53, true},
    IntegerCase{"Two53PlusTwo", kTwo53 + 2.0, false},
    IntegerCase{"Two53PlusTwo31", kTwo53 + kTwo31, true},
    IntegerCase{"Two54PlusFour", 2.0 * kTwo53 + 4.0, false},
    IntegerCase{"Two64", 18446744073709551616.0, true},
    IntegerCase{"TenToTheTwentyIsNotAMultipleOf2To31", 1e20, false},
    IntegerCase{"TenToTheThirty", 1e30, true}, IntegerCase{"TenToTheSeventeen", 1e17, false},
    IntegerCase{"Huge", 1e300, true}, IntegerCase{"Infinity", kInf, false},
    IntegerCase{"NotANumber", kNaN, false}),
    [](const testing::TestParamInfo<IntegerCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(IsIntegerTest, TwentyFiveFactorialPassesTheHugeRule) {
    double factorial = 1.0;
    for (int i = 2; i <= 25; ++i) {
        factorial *= i;
    }
    EXPECT_TRUE(IsInteger(factorial));
}

// ---- RationalPartToStr ----

class RationalPartToStrTest : public testing::TestWithParam<PrintCase> {};

TEST_P(RationalPartToStrTest, WritesExactDigitsUpTo2To53) {
    EXPECT_EQ(RationalPartToStr(GetParam().value), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, RationalPartToStrTest, testing::Values(
    PrintCase{"Million", 0, 1000000.0, "1000000"},
    PrintCase{"ThirteenFactorial", 0, 6227020800.0, "6227020800"},
    PrintCase{"NegativeMillion", 0, -1000000.0, "-1000000"},
    PrintCase{"Two53", 0, kTwo53, "9007199254740992"},
    PrintCase{"MinusTwo53", 0, -kTwo53, "-9007199254740992"},
    PrintCase{"AboveTwo53", 0, 2.0 * kTwo53, "1.80144e+16"},
    PrintCase{"TwentyFiveFactorial", 0, 15511210043330985984000000.0, "1.55112e+25"},
    PrintCase{"NegativeZero", 0, -0.0, "0"}, PrintCase{"NotInteger", 0, 1.5, "1.5"},
    PrintCase{"NotANumber", 0, kNaN, "nan"}),
    [](const testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
