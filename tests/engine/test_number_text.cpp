// SPDX-License-Identifier: MIT
// Number-text routines: parsing, the two printed forms, the integer test and rational part text;
// literal reading without exceptions, against strtod and the numbers' own setters.
#include "VYXLiteralText.h"
#include "VYXNumRational.h"
#include "VYXNumberText.h"
#include "number_test_support.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>

namespace {

using namespace number_tests;

const double kTwo31 = 2147483648.0;
const double kFactorial25 = 15511210043330985984000000.0; // 25!, a multiple of 2^31 as a double

TEST(ParseDoubleText, IgnoresTheProcessLocale) {
    // A GUI toolkit may switch to a locale with a decimal comma; the engine's "." must still parse.
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    // The first locale found stays set.
    if (!std::ranges::any_of(commaLocales,
                             [](const char* name) { return std::setlocale(LC_NUMERIC, name); }))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const double value = vyx_text::ParseDoubleText("2.5");
    const std::string text = vyx_text::DoubleToStr(6, 0.5);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(value, 2.5);
    EXPECT_EQ(text, "0.5");
}

TEST(DoubleToStr, WritesTheGeneralFormatOfPrintfTheDefaultOneOfAStream) {
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
    // An absurd precision is clamped, and what is written reads back.
    const std::string text = vyx_text::DoubleToStr(1 << 30, 1.0 / 3.0);
    EXPECT_LE(text.size(), 1010u);
    EXPECT_EQ(vyx_text::ParseDoubleText(text), 1.0 / 3.0);
    // 1e300 has 301 digits in fixed form: a large precision must still write all of them.
    EXPECT_EQ(vyx_text::ParseDoubleText(vyx_text::DoubleToStr(400, 1e300)), 1e300);
    // The default form equals a default stream.
    for (double value : {1000000.0, 999999.0, 1e-7, kFactorial25, kNaN}) {
        std::ostringstream stream;
        stream << value;
        EXPECT_EQ(vyx_text::DoubleToStrDefault(value), stream.str());
    }
    EXPECT_EQ(vyx_text::IntToStr(-17), "-17");
    EXPECT_EQ(vyx_text::IntToStr(1000000), "1e+06");
    EXPECT_EQ(vyx_text::IntToStr(2147483647), "2.14748e+09");
}

TEST(IsInteger, ClassifiesBothSignsAlikeRationalPartsGetExactDigitsUpTo2To53) {
    // clang-format off
    const std::pair<double, bool> rows[] = {
        {0.0, true}, {0.999, false}, {6227020800.0, true}, {kTwo31 + 0.5, false},
        {kTwo53 - 1.0, true}, {kTwo53, true}, {kTwo53 + 2.0, false}, {kTwo53 + kTwo31, true},
        {1e20, false}, // not a multiple of 2^31
        {1e300, true}, {kFactorial25, true}, {kInf, false}, {kNaN, false}};
    // clang-format on
    for (const auto& [value, integer] : rows) {
        EXPECT_EQ(vyx_text::IsInteger(value), integer) << value;
        EXPECT_EQ(vyx_text::IsInteger(-value), integer) << -value;
    }
    // The rational part text has exact digits up to 2^53.
    // clang-format off
    const std::pair<double, std::string> parts[] = {
        {-1000000.0, "-1000000"}, {-kTwo53, "-9007199254740992"}, {2.0 * kTwo53, "1.80144e+16"},
        {-0.0, "0"}, {1.5, "1.5"}, {kNaN, "nan"}};
    // clang-format on
    for (const auto& [value, text] : parts)
        EXPECT_EQ(vyx_text::RationalPartToStr(value), text) << value;
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

TEST(TryParseDoubleText, AgreesWithStrtodOnTheWholeText) {
    // clang-format off
    const std::string texts[] = {
        "-0", "007", "2,5", "9007199254740993", "9999999999999999999", "12345678901234567890123",
        "-9007199254740995", "5.", ".5", "2.5E+3", "1E400", "0x1p-3", "0x1e-3", "NAN", "INFINITY",
        " \t-5", "5 ", "2E+3-1", "-", "--5", "", "12A", std::string("5\0" "1", 3),
        std::string(100, '7'), "0." + std::string(80, '0') + "1", // beyond the stack copy
        std::string(80, '1') + "+1"};
    // clang-format on
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        double expected = 0.0, value = 0.0;
        const bool expectedOk = StrtodWhole(text, expected);
        ASSERT_EQ(vyx_text::TryParseDoubleText(text, value), expectedOk);
        EXPECT_EQ(vyx_text::IsDoubleText(text), expectedOk);
        if (expectedOk) {
            EXPECT_TRUE(SameBits(value, expected)) << value << " against " << expected;
        }
    }
}

// The unchecked reading accepts exactly the texts that VYXNumUni::SetValue accepts, with the same
// parts, and calls exact exactly those that VYXNumRational::SetValue accepts as well.
TEST(LiteralReading, MatchesTheCheckedSetters) {
    // clang-format off
    const std::string texts[] = {
        "-0", "0.5", "1E400", "NAN", "3I", "2.5I", "NANI", "0x10I", "i", "+i", "-1i", "-0i", "5i",
        "I", "2I3", "2iI", "1+2I", "1/2", ""};
    // clang-format on
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        double real = 0.0, imag = 0.0;
        const bool read = vyx_text::TryReadComplexDoubleLiteral(text, real, imag);
        VYXNumUni checked;
        const bool checkedOk = MessageOf([&] { checked.SetValue(text); }) == "no error";
        ASSERT_EQ(read, checkedOk);
        if (!read)
            continue;
        EXPECT_TRUE(SameBits(real, checked.GetRealValue()));
        EXPECT_TRUE(SameBits(imag, checked.GetCmplxValue()));
        VYXNumRational exact;
        const bool exactOk = MessageOf([&] { exact.SetValue(text); }) == "no error";
        EXPECT_EQ(vyx_text::IsExactLiteral(text), exactOk);
        if (exactOk) {
            EXPECT_EQ(exact.GetValue(), VYXNumRational(real, 1.0, imag, 1.0).GetValue());
        }
    }
}

} // namespace
