// SPDX-License-Identifier: MIT
// Tests of vyxcalc's engine mode: one result line per input, settings held for the whole run.
#include "EngineModeRunner.h"
#include "VyxcalcOptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

VyxcalcOptions EngineOptions(int decimals = 6, const char* angleKey = "ANGLE_RAD") {
    VyxcalcOptions options;
    options.mode = VyxcalcMode::Engine;
    options.decimals = decimals;
    options.angleKey = angleKey;
    return options;
}

std::string RunLines(const VyxcalcOptions& options, const std::vector<std::string>& lines) {
    std::ostringstream out;
    EngineModeRunner runner(options, out, false);
    runner.EvaluateAll(lines);
    return out.str();
}

std::string RunStream(const VyxcalcOptions& options, const std::string& text) {
    std::istringstream in(text);
    std::ostringstream out;
    EngineModeRunner runner(options, out, false);
    runner.EvaluateStream(in);
    return out.str();
}

struct OutputCase {
    const char* name;
    int decimals;
    const char* angleKey;
    std::vector<std::string> lines;
    const char* expected;
};

class EngineModeOutput : public testing::TestWithParam<OutputCase> {};

TEST_P(EngineModeOutput, PrintsOneResultPerLine) {
    const OutputCase& c = GetParam();
    EXPECT_EQ(RunLines(EngineOptions(c.decimals, c.angleKey), c.lines), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Vyxcalc, EngineModeOutput,
    testing::Values(
        OutputCase{"ExactFraction", 6, "ANGLE_RAD", {"1/2+1/(2+3+1/7)"}, "25/36\n"},
        OutputCase{"PrecedenceAndDecimalComma", 6, "ANGLE_RAD", {"2+3*4", "1,5*2"}, "14\n3\n"},
        OutputCase{"DecimalsSetOnce", 3, "ANGLE_RAD", {"PI", "1/3+0.5"}, "3.14\n0.833\n"},
        OutputCase{"TenDecimals", 10, "ANGLE_RAD", {"PI"}, "3.141592654\n"},
        OutputCase{
            "DegreesHeldForTheRun", 6, "ANGLE_DEG", {"SIN90", "COS90", "SIN30"}, "1\n0\n0.5\n"},
        OutputCase{"ErrorAsComment", 6, "ANGLE_RAD", {"5+", "2+3*4"}, "//SYNTAX ERROR!!\n14\n"},
        OutputCase{"DivisionByZeroSpelledAsTheEngineDoes",
                   6,
                   "ANGLE_RAD",
                   {"1/0"},
                   "//ERRROR!! DIVISION BY ZERO!!\n"},
        OutputCase{"MessageLineBreaksKept",
                   6,
                   "ANGLE_RAD",
                   {"2+3)"},
                   "//ERROR!! NOT EQUAL NUMBER OF BRACES!!\nNUMBER OF LEFTBRACES=0\n"
                   "NUMBER OF RIGHTBRACES=1\n\n"},
        OutputCase{"ErrorMessageNotRepeated",
                   6,
                   "ANGLE_RAD",
                   {"*5", "2()"},
                   "//ERROR!! AN EXPRESSION CANNOT START WITH *..\n"
                   "//ERROR!! SYNTAX ERROR '()'..\n"}),
    [](const testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

TEST(EngineModeRunner, StreamLinesMatchTheSameExpressionsAsArguments) {
    const std::vector<std::string> lines{"1/2+1/(2+3+1/7)", "5+", "2+3)", "SIN30", "3I"};
    const std::string viaArguments = RunLines(EngineOptions(), lines);
    EXPECT_EQ(RunStream(EngineOptions(), "1/2+1/(2+3+1/7)\n5+\n2+3)\nSIN30\n3I\n"), viaArguments);
    EXPECT_EQ(RunStream(EngineOptions(), "1/2+1/(2+3+1/7)\r\n5+\r\n2+3)\r\nSIN30\r\n3I"),
              viaArguments);
}

TEST(EngineModeRunner, OnlyOneCarriageReturnIsStripped) {
    // "1+1\r" is not an expression the engine knows, so it must come back as an error.
    const std::string out = RunStream(EngineOptions(), "1+1\r\r\n");
    EXPECT_EQ(out.rfind("//", 0), 0u) << out;
    EXPECT_EQ(RunStream(EngineOptions(), "1+1\r\n"), "2\n");
}

TEST(EngineModeRunner, EmptyLineIsEvaluatedAndReported) {
    std::istringstream in("\n1+1\n");
    std::ostringstream out;
    EngineModeRunner runner(EngineOptions(), out, false);
    runner.EvaluateStream(in);
    EXPECT_EQ(runner.EvaluatedCount(), 2u);
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("//", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 3), "\n2\n");
}

TEST(EngineModeRunner, FlushesEachResultWhenAsked) {
    // A stream buffer that counts sync calls tells whether each result was flushed.
    class SyncCounter : public std::stringbuf {
    public:
        int syncs = 0;

    protected:
        int sync() override {
            ++syncs;
            return std::stringbuf::sync();
        }
    };
    for (bool flushEach : {false, true}) {
        SyncCounter buffer;
        std::ostream out(&buffer);
        EngineModeRunner runner(EngineOptions(), out, flushEach);
        runner.EvaluateAll({"1+1", "5+", "2*3"});
        EXPECT_EQ(buffer.syncs, flushEach ? 3 : 0);
        EXPECT_EQ(buffer.str().substr(0, 2), "2\n");
    }
}

} // namespace
