// SPDX-License-Identifier: MIT
// Literal reading without exceptions: agreement with strtod and with the numbers' own setters.
#include "VYXLiteralText.h"
#include "VYXNumRational.h"
#include "VYXNumUni.h"
#include "number_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

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
        "-0", "007", "9007199254740993", "9999999999999999999", "12345678901234567890123",
        "-9007199254740995", "5.", ".5", "2.5E+3", "1E400", "0x1p-3", "0x1e-3", "NAN", "INFINITY",
        " \t-5", "5 ", "2E+3-1", "-", "--5", "", "12A", std::string("5\0" "1", 3),
        std::string(100, '7'), "0." + std::string(80, '0') + "1", // beyond the stack copy
        std::string(80, '1') + "+1"};
    // clang-format on
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        double expected = 0.0;
        const bool expectedOk = StrtodWhole(text, expected);
        double value = 0.0;
        ASSERT_EQ(vyx_text::TryParseDoubleText(text, value), expectedOk);
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
        double real = 0.0;
        double imag = 0.0;
        const bool read = vyx_text::TryReadComplexDoubleLiteral(text, real, imag);
        VYXNumUni checked;
        const bool checkedOk =
            number_tests::MessageOf([&] { checked.SetValue(text); }) == "no error";
        ASSERT_EQ(read, checkedOk);
        if (!read) {
            continue;
        }
        EXPECT_TRUE(SameBits(real, checked.GetRealValue()));
        EXPECT_TRUE(SameBits(imag, checked.GetCmplxValue()));
        VYXNumRational exact;
        const bool exactOk = number_tests::MessageOf([&] { exact.SetValue(text); }) == "no error";
        EXPECT_EQ(vyx_text::IsExactLiteral(text), exactOk);
        if (exactOk) {
            EXPECT_EQ(exact.GetValue(), VYXNumRational(real, 1.0, imag, 1.0).GetValue());
        }
    }
}

} // namespace
