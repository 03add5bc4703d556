// SPDX-License-Identifier: MIT
// Tests of vyxcalc's engine mode: every line of the input evaluated, results flushed when asked.
#include "EngineModeRunner.h"
#include "VyxcalcOptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

VyxcalcOptions EngineOptions() {
    VyxcalcOptions options;
    options.mode = VyxcalcMode::Engine;
    options.decimals = 6;
    options.angleKey = "ANGLE_RAD";
    return options;
}

// What the command line prints, with the settings of the run, is checked through the program in
// check_vyxcalc. Here: an empty line is evaluated too, only one carriage return is taken off a
// line ("1+1\r" is no expression the engine knows), and each result is flushed when asked.
TEST(EngineModeRunner, StreamLinesAreEvaluatedAsArgumentsAndFlushedWhenAsked) {
    // A stream buffer that counts sync calls tells whether each result was flushed.
    struct SyncCounter : std::stringbuf {
        int syncs = 0;
        int sync() override { return ++syncs, std::stringbuf::sync(); }
    };
    std::ostringstream viaArguments;
    EngineModeRunner(EngineOptions(), viaArguments, false).EvaluateAll({"", "1+1\r", "2*3"});
    EXPECT_EQ(viaArguments.str().rfind("//", 0), 0u) << viaArguments.str();
    EXPECT_EQ(viaArguments.str().substr(viaArguments.str().size() - 3), "\n6\n");
    for (bool flushEach : {false, true}) {
        SyncCounter buffer;
        std::ostream out(&buffer);
        EngineModeRunner runner(EngineOptions(), out, flushEach);
        std::istringstream in("\n1+1\r\r\n2*3\n");
        runner.EvaluateStream(in);
        EXPECT_EQ(runner.EvaluatedCount(), 3u);
        EXPECT_EQ(buffer.str(), viaArguments.str());
        EXPECT_EQ(buffer.syncs, flushEach ? 3 : 0);
    }
}

} // namespace
