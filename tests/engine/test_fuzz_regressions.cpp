// SPDX-License-Identifier: MIT
// Replays the inputs kept in tests/data/fuzz-regressions: each must end in a number or a message.
#include "FuzzLine.h"
#include "VYXCalculator.h"
#include "VYXNumRational.h"
#include "VYXNumUni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path RegressionDirectory() {
    return fs::path(VYX_TEST_DATA_DIR) / "fuzz-regressions";
}

std::vector<fs::path> RegressionFiles() {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(RegressionDirectory(), error)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TestNameOf(const testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

class FuzzRegression : public testing::TestWithParam<fs::path> {};

TEST_P(FuzzRegression, EndsWithANumberOrAMessageAndLeavesTheEngineUsable) {
    const std::vector<std::uint8_t> bytes = ReadBytes(GetParam());
    const FuzzLine line = DecodeFuzzLine(bytes.data(), bytes.size());

    VYXCalculator calculator;
    calculator.SetAngle(line.angleKey);
    calculator.SetDecimals(line.decimals);
    std::unique_ptr<VYXNum> result(calculator.ParseString(line.expression));
    if (result) {
        EXPECT_NE(dynamic_cast<VYXNumUni*>(result.get()), nullptr)
            << "a result is a VYXNumRational or a VYXNumUni";
        EXPECT_EQ(result->GetPrecision(), line.decimals);
        EXPECT_FALSE(result->GetValue().empty());
    } else {
        (void)calculator.GetExceptionMessage();
        EXPECT_EQ(calculator.GetExceptionMessage(), "") << "the message is fetched once";
    }

    std::unique_ptr<VYXNum> after(calculator.ParseString("2*3"));
    ASSERT_NE(after, nullptr) << calculator.GetExceptionMessage();
    EXPECT_EQ(after->GetValue(), "6");
    EXPECT_NE(dynamic_cast<VYXNumRational*>(after.get()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegression, testing::ValuesIn(RegressionFiles()), TestNameOf);

TEST(FuzzRegressionData, DirectoryIsFound) {
    // Without this, a wrong data path would silently run no case at all.
    EXPECT_FALSE(RegressionFiles().empty()) << RegressionDirectory();
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    const char* angleKey;
    int decimals;
    const char* expression;
};

class FuzzLineDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(FuzzLineDecoding, SplitsSettingsFromTheLine) {
    const DecodeCase& c = GetParam();
    const FuzzLine line =
        DecodeFuzzLine(reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size());
    EXPECT_EQ(line.angleKey, c.angleKey);
    EXPECT_EQ(line.decimals, c.decimals);
    EXPECT_EQ(line.expression, c.expression);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fuzz, FuzzLineDecoding, testing::Values(
    DecodeCase{"Empty", "", "ANGLE_RAD", 6, ""},
    DecodeCase{"PlainTextKeepsDefaults", "SIN30", "ANGLE_RAD", 6, "SIN30"},
    DecodeCase{"ZeroByteIsRadiansOneDecimal", std::string("\0" "5", 2), "ANGLE_RAD", 1, "5"},
    DecodeCase{"DegreesOneDecimal", "\x01SIN90", "ANGLE_DEG", 1, "SIN90"},
    DecodeCase{"GradiansTenDecimals", "\x1dPI", "ANGLE_GRA", 10, "PI"},
    DecodeCase{"HighestControlByteWraps", "\x1f", "ANGLE_DEG", 1, ""},
    DecodeCase{"SpaceIsText", " 1", "ANGLE_RAD", 6, " 1"}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
