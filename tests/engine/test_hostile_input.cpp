// SPDX-License-Identifier: MIT
// Inputs that must end quickly with a result or a message: deep nesting, long lines, huge values,
// and the inputs kept in tests/data/fuzz-regressions.
#include "FuzzLine.h"
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using namespace expression_tests;

namespace {

std::string Repeat(const std::string& piece, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

std::string Nested(const std::string& open, size_t depth, const std::string& inner) {
    return Repeat(open, depth) + inner + Repeat(")", depth);
}

const Outcome kTooDeep{"//ERROR!! THE EXPRESSION IS NESTED TOO DEEPLY!!", '-'};

TEST(HostileInputTest, DeepNestingLongLinesHugeValuesAndOddCharactersEndQuickly) {
    EXPECT_EQ(Evaluate(Nested("(", 1000, "1+1")), (Outcome{"2", 'R'}));
    EXPECT_EQ(Evaluate(Nested("(", 1001, "1")), kTooDeep);
    EXPECT_EQ(Evaluate(Repeat("(", 100000) + "1"), kTooDeep); // completed first, then refused
    EXPECT_EQ(Evaluate(Nested("2(", 5000, "2")), kTooDeep);
    EXPECT_EQ(Evaluate(Nested("2(", 20, "2")), (Outcome{"2097152", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("(2)", 300000)), (Outcome{"inf", 'U'}));
    // A function before a group adds no level of its own to the limit.
    EXPECT_EQ(Evaluate(Nested("SIN(", 1000, "0")), (Outcome{"0", 'R'}));
    EXPECT_EQ(Evaluate(Nested("SIN(", 1001, "0")), kTooDeep);
    EXPECT_EQ(Evaluate(Repeat("SIN(", 100000) + "1"), kTooDeep);
    // Megabyte lines and long chains do not recurse.
    EXPECT_EQ(Evaluate(Repeat("1+", 500000) + "1"), (Outcome{"500001", 'R'}));
    // 2^200000 leaves the exact range, so the product goes on in complex-double arithmetic.
    EXPECT_EQ(Evaluate(Repeat("(1+1)*", 200000) + "0"), (Outcome{"0", 'U'}));
    EXPECT_EQ(Evaluate(Repeat("2", 1000000)).kind, 'U');
    EXPECT_EQ(Evaluate(Repeat("-", 1000000) + "3"), (Outcome{"3", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("SIN", 300000) + "0"), (Outcome{"0", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("SIN", 300000) + "(0)"), (Outcome{"0", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("-COS(0)", 300000)), (Outcome{"-300000", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("5!", 300000)).kind, 'U');
    EXPECT_EQ(Evaluate(Repeat("1+(", 999) + Repeat("1+", 100000) + "1").kind, 'R');
    EXPECT_NE(Evaluate(Repeat("2^-", 250000) + "2").kind, '-');
    EXPECT_EQ(Evaluate(Repeat("SIN-", 250000) + "0"), (Outcome{"0", 'R'}));
    EXPECT_NE(Evaluate(Repeat("2^SIN", 200000) + "2").kind, '-');
    EXPECT_EQ(Evaluate(Repeat("2^-^", 200000) + "3"), (Outcome{"//ERROR! -^??", '-'}));
    // Huge values and odd characters end with a result or a message.
    for (const char* text : {"(1+I)^2147483647", "2^1E300", "1E300*1E300", "170!*170!"})
        EXPECT_NE(Evaluate(text).text, "") << text;
    EXPECT_EQ(Evaluate("1E9!").kind, '-');
    for (const std::string text : {"#", "\xff\xfe", ")))", "1..2", "!!!", "~~", "E^E^E^", "2)(3"}) {
        const Outcome outcome = Evaluate(text);
        EXPECT_EQ(outcome.kind, '-') << text << ": " << outcome;
        EXPECT_EQ(outcome.text.substr(0, 2), "//") << text;
    }
}

namespace fs = std::filesystem;

std::vector<fs::path> RegressionFiles() {
    std::error_code error;
    std::vector<fs::path> files(
        fs::directory_iterator(fs::path(VYX_TEST_DATA_DIR) / "fuzz-regressions", error), {});
    std::sort(files.begin(), files.end());
    return files;
}

// An empty folder (a wrong data path) instantiates nothing, which GoogleTest reports as a failure.
class FuzzRegression : public testing::TestWithParam<fs::path> {};

TEST_P(FuzzRegression, EndsWithANumberOrAMessageAndLeavesTheEngineUsable) {
    std::ifstream in(GetParam(), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const FuzzLine line = DecodeFuzzLine(bytes.data(), bytes.size());
    VYXCalculator calculator;
    calculator.SetAngle(line.angleKey);
    calculator.SetDecimals(line.decimals);
    std::unique_ptr<VYXNum> result(calculator.ParseString(line.expression));
    if (result) {
        EXPECT_NE(dynamic_cast<VYXNumUni*>(result.get()), nullptr) << "not a known number class";
        EXPECT_EQ(result->GetPrecision(), line.decimals);
        EXPECT_FALSE(result->GetValue().empty());
    }
    std::unique_ptr<VYXNum> after(calculator.ParseString("2*3"));
    ASSERT_NE(after, nullptr) << calculator.GetExceptionMessage();
    EXPECT_EQ(after->GetValue(), "6");
    EXPECT_NE(dynamic_cast<VYXNumRational*>(after.get()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegression, testing::ValuesIn(RegressionFiles()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.filename().string();
                             std::ranges::replace_if(
                                 name, [](unsigned char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

} // namespace
