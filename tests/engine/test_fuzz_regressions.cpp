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

std::vector<fs::path> RegressionFiles() {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator(fs::path(VYX_TEST_DATA_DIR) / "fuzz-regressions", error)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

FuzzLine Decode(const std::string& bytes) {
    return DecodeFuzzLine(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

class FuzzRegression : public testing::TestWithParam<fs::path> {};

TEST_P(FuzzRegression, EndsWithANumberOrAMessageAndLeavesTheEngineUsable) {
    std::ifstream in(GetParam(), std::ios::binary);
    const FuzzLine line = Decode({std::istreambuf_iterator<char>(in), {}});
    VYXCalculator calculator;
    calculator.SetAngle(line.angleKey);
    calculator.SetDecimals(line.decimals);
    std::unique_ptr<VYXNum> result(calculator.ParseString(line.expression));
    if (result) {
        EXPECT_NE(dynamic_cast<VYXNumUni*>(result.get()), nullptr) << "not a known number class";
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

INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegression, testing::ValuesIn(RegressionFiles()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.filename().string();
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](unsigned char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

TEST(FuzzRegressionData, DirectoryIsFound) {
    // Without this, a wrong data path would silently run no case at all.
    EXPECT_FALSE(RegressionFiles().empty());
}

} // namespace
