// SPDX-License-Identifier: MIT
// Number-text routines: parsing, the two printed forms, the integer test and rational part text.
#include "VYXExceptions.h"
#include "VYXNumberText.h"
#include "number_test_support.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kTwo53 = 9007199254740992.0;
const double kTwo31 = 2147483648.0;

std::string ParseError(const std::string& text) {
    return number_tests::MessageOf([&] { vyx_text::ParseDoubleText(text); });
}

TEST(ParseDoubleText, ParsesTheWholeTextOrRefuses) {
    // clang-format off
    const std::pair<std::string, double> valid[] = {
        {"-0.125", -0.125}, {"1E20", 1e20}, {"+7", 7.0}};
    // clang-format on
    for (const auto& [text, value] : valid) {
        EXPECT_TRUE(vyx_text::IsDoubleText(text)) << text;
        EXPECT_EQ(vyx_text::ParseDoubleText(text), value) << text;
    }
    for (const std::string text : {"3/4", "2,5", "5 ", "-"}) {
        EXPECT_FALSE(vyx_text::IsDoubleText(text)) << text;
        EXPECT_EQ(ParseError(text), "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE "
                                    "STRING: " +
                                        text + " TO DOUBLE..");
    }
    EXPECT_FALSE(vyx_text::IsDoubleText(""));
    EXPECT_EQ(ParseError(""), "ERROR! CANNOT CONVERT ' ' TO A NUMBER!!");
}

TEST(ParseDoubleText, IgnoresTheProcessLocale) {
    // A GUI toolkit may switch to a locale with a decimal comma; the engine's "." must still parse.
    const char* commaLocale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
        if (commaLocale == nullptr && std::setlocale(LC_NUMERIC, name) != nullptr) {
            commaLocale = name;
        }
    }
    if (commaLocale == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    const double value = vyx_text::ParseDoubleText("2.5");
    const std::string text = vyx_text::DoubleToStr(6, 0.5);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(value, 2.5);
    EXPECT_EQ(text, "0.5");
}

TEST(DoubleToStr, WritesTheGeneralFormatOfPrintf) {
    // Precision 0 counts as 1 and a negative one as 6, signed zeros and NaNs keep their signs.
    const double values[] = {2.0 / 3.0, 123456.7, 1234567.0, 1e-5, 1e-4,   -0.0,
                             -kInf,     kNaN,     -kNaN,     1e15, 5e-324, 1.7e308};
    for (int precision : {-5, 0, 1, 6, 17}) {
        for (double value : values) {
            char expected[64];
            std::snprintf(expected, sizeof(expected), "%.*g", precision, value);
            EXPECT_EQ(vyx_text::DoubleToStr(precision, value), expected)
                << precision << " " << value;
        }
    }
    EXPECT_EQ(vyx_text::DoubleToStr(6, -kNaN), "-nan");
    // An absurd precision is clamped, and what is written reads back.
    const std::string text = vyx_text::DoubleToStr(1 << 30, 1.0 / 3.0);
    EXPECT_LE(text.size(), 1010u);
    EXPECT_EQ(vyx_text::ParseDoubleText(text), 1.0 / 3.0);
    // 1e300 has 301 digits in fixed form: a large precision must still write all of them.
    EXPECT_EQ(vyx_text::ParseDoubleText(vyx_text::DoubleToStr(400, 1e300)), 1e300);
}

TEST(DoubleToStr, DefaultFormEqualsADefaultStream) {
    for (double value : {1000000.0, 999999.0, 1e-7, 15511210043330985984000000.0, kNaN}) {
        std::ostringstream stream;
        stream << value;
        EXPECT_EQ(vyx_text::DoubleToStrDefault(value), stream.str());
    }
    EXPECT_EQ(vyx_text::IntToStr(-17), "-17");
    EXPECT_EQ(vyx_text::IntToStr(1000000), "1e+06");
    EXPECT_EQ(vyx_text::IntToStr(2147483647), "2.14748e+09");
}

TEST(IsInteger, ClassifiesBothSignsAlike) {
    double twentyFiveFactorial = 1.0;
    for (int i = 2; i <= 25; ++i) {
        twentyFiveFactorial *= i;
    }
    // clang-format off
    const std::pair<double, bool> rows[] = {
        {0.0, true}, {0.999, false}, {6227020800.0, true}, {kTwo31 + 0.5, false},
        {kTwo53 - 1.0, true}, {kTwo53, true}, {kTwo53 + 2.0, false}, {kTwo53 + kTwo31, true},
        {1e20, false}, // not a multiple of 2^31
        {1e300, true}, {twentyFiveFactorial, true}, {kInf, false}, {kNaN, false}};
    // clang-format on
    for (const auto& [value, integer] : rows) {
        EXPECT_EQ(vyx_text::IsInteger(value), integer) << value;
        EXPECT_EQ(vyx_text::IsInteger(-value), integer) << -value;
    }
}

TEST(RationalPartToStr, WritesExactDigitsUpTo2To53) {
    // clang-format off
    const std::pair<double, std::string> rows[] = {
        {-1000000.0, "-1000000"}, {-kTwo53, "-9007199254740992"}, {2.0 * kTwo53, "1.80144e+16"},
        {-0.0, "0"}, {1.5, "1.5"}, {kNaN, "nan"}};
    // clang-format on
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(vyx_text::RationalPartToStr(value), text) << value;
    }
}

} // namespace
