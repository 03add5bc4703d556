// SPDX-License-Identifier: MIT
// Tests of vyxcalc's engine mode: one result line per input, settings held for the whole run.
#include "EngineModeRunner.h"
#include "VyxcalcOptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

VyxcalcOptions EngineOptions() {
    VyxcalcOptions options;
    options.mode = VyxcalcMode::Engine;
    options.decimals = 6;
    options.angleKey = "ANGLE_RAD";
    return options;
}

std::string RunLines(const std::vector<std::string>& lines) {
    std::ostringstream out;
    EngineModeRunner(EngineOptions(), out, false).EvaluateAll(lines);
    return out.str();
}

std::string RunStream(const std::string& text, size_t* evaluated = nullptr) {
    std::istringstream in(text);
    std::ostringstream out;
    EngineModeRunner runner(EngineOptions(), out, false);
    runner.EvaluateStream(in);
    if (evaluated != nullptr) {
        *evaluated = runner.EvaluatedCount();
    }
    return out.str();
}

// What the command line prints, with the settings of the run, is checked through the program
// in check_vyxcalc.
TEST(EngineModeRunner, StreamLinesMatchTheSameExpressionsAsArguments) {
    const std::string viaArguments = RunLines({"1/2+1/(2+3+1/7)", "5+", "2+3)", "SIN30", "3I"});
    EXPECT_EQ(RunStream("1/2+1/(2+3+1/7)\n5+\n2+3)\nSIN30\n3I\n"), viaArguments);
    EXPECT_EQ(RunStream("1/2+1/(2+3+1/7)\r\n5+\r\n2+3)\r\nSIN30\r\n3I"), viaArguments);
    // Only one carriage return is stripped: "1+1\r" is no expression the engine knows.
    EXPECT_EQ(RunStream("1+1\r\r\n").rfind("//", 0), 0u);
    // An empty line is evaluated and reported too.
    size_t evaluated = 0;
    const std::string text = RunStream("\n1+1\n", &evaluated);
    EXPECT_EQ(evaluated, 2u);
    EXPECT_EQ(text.rfind("//", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 3), "\n2\n");
}

TEST(EngineModeRunner, FlushesEachResultWhenAsked) {
    // A stream buffer that counts sync calls tells whether each result was flushed.
    struct SyncCounter : std::stringbuf {
        int syncs = 0;
        int sync() override { return ++syncs, std::stringbuf::sync(); }
    };
    for (bool flushEach : {false, true}) {
        SyncCounter buffer;
        std::ostream out(&buffer);
        EngineModeRunner(EngineOptions(), out, flushEach).EvaluateAll({"1+1", "5+", "2*3"});
        EXPECT_EQ(buffer.syncs, flushEach ? 3 : 0);
        EXPECT_EQ(buffer.str().substr(0, 2), "2\n");
    }
}

} // namespace
