// SPDX-License-Identifier: MIT
// Tests of vyxcalc's core: the command-line parser (accepted lines with their settings, refused
// lines) and the engine mode (every line of the input evaluated, results flushed when asked).
#include "EngineModeRunner.h"
#include "VyxcalcOptions.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Args = std::vector<std::string>;

using enum VyxcalcMode;

TEST(VyxcalcOptions, AcceptedLinesGiveTheSettingsRefusedLinesSayWhy) {
    // clang-format off
    // arguments, mode, decimals, angle key, inputs
    const std::tuple<Args, VyxcalcMode, int, const char*, Args> cases[] = {
        {{}, Document, 6, "ANGLE_RAD", {}},
        {{"--decimals=1", "--angle=gra"}, Document, 1, "ANGLE_GRA", {}},
        {{"--decimals", "10", "--angle", "deg", "--angle", "rad"}, Document, 10, "ANGLE_RAD", {}},
        // Signed expressions are no options; "--" ends the options.
        {{"--engine", "-2^2", "-h5", "", "--", "--3"}, Engine, 6, "ANGLE_RAD", {"-2^2", "-h5", "", "--3"}}};
    // clang-format on
    for (const auto& [args, mode, decimals, angleKey, inputs] : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const VyxcalcParseResult result = ParseVyxcalcOptions(args);
        ASSERT_TRUE(result.Ok()) << result.error;
        EXPECT_FALSE(result.options.showHelp);
        EXPECT_EQ(result.options.mode, mode);
        EXPECT_EQ(result.options.decimals, decimals);
        EXPECT_EQ(result.options.angleKey, angleKey);
        EXPECT_EQ(result.options.inputs, inputs);
    }
    // Refused lines say why.
    for (const std::string value : {"0", "11", "99999999999999999999", "3x", " 3", ""}) {
        const std::string message =
            "--decimals must be an integer from 1 to 10, not '" + value + "'";
        EXPECT_EQ(ParseVyxcalcOptions({"--decimals", value}).error, message);
        EXPECT_EQ(ParseVyxcalcOptions({"--decimals=" + value}).error, message);
    }
    // clang-format off
    const std::pair<Args, const char*> refused[] = {
        {{"--engine", "--precise"}, "unknown option --precise"},
        {{"--decimals", "--engine"}, "option --decimals needs a value"},
        {{"--decimals", "0", "--help"}, "--decimals must be an integer from 1 to 10, not '0'"},
        {{"--angle", "DEG"}, "--angle must be rad, deg or gra, not 'DEG'"},
        {{"--engine=yes"}, "option --engine takes no value"},
        {{"--display", "fraction"}, "--display must be both, rational or real, not 'fraction'"},
        {{"--file="}, "option --file needs a file name"},
        {{"--engine", "--file", "a.vyx"}, "option --file is not used with --engine"},
        {{"--convert", "1", "miles"}, "--convert needs VALUE FROM TO, not 2 argument(s)"},
        {{"--convert", " ", "miles", "yard"}, "--convert needs a VALUE"},
        {{"--convert", "1", "a", "b", "--engine"}, "option --engine is not used with --convert"},
        {{"--dump", "--triangle", "a=1"}, "option --dump is not used with --triangle"},
        {{"--triangle"}, "--triangle needs NAME=EXPR for some of A B C (angles) and a b c (sides)"},
        {{"--triangle", "d=3"}, "--triangle takes NAME=EXPR with NAME one of A B C (angles) and a b c (sides), not 'd=3'"},
        {{"--triangle", "A= "}, "--triangle: A= needs an expression"},
        {{"--triangle", "a=1", "a=2"}, "--triangle: a is given twice"}};
    // clang-format on
    for (const auto& [args, error] : refused)
        EXPECT_EQ(ParseVyxcalcOptions(args).error, error) << testing::PrintToString(args);
}

TEST(VyxcalcOptions, PanelCommandsTakeTheirArgumentsHelpStopsReadingTheRest) {
    VyxcalcParseResult result =
        ParseVyxcalcOptions({"-40", "--convert", "Farenheit", "--decimals", "2", "Celcius"});
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_EQ(result.options.mode, VyxcalcMode::Convert);
    EXPECT_EQ(result.options.conversion.value + "|" + result.options.conversion.fromUnit + "|" +
                  result.options.conversion.toUnit,
              "-40|Farenheit|Celcius");
    EXPECT_TRUE(result.options.inputs.empty());
    result =
        ParseVyxcalcOptions({"--triangle", "c=2*3", " a = SQRT(2) ", "--file", "t.vyx", "B=1"});
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_EQ(result.options.mode, VyxcalcMode::Triangle);
    EXPECT_EQ(result.options.triangle, (VyxcalcTriangle{"", "1", "", "SQRT(2)", "", "2*3"}));
    // Help stops reading the rest.
    for (const Args& args : {Args{"--help"}, Args{"-h", "--unknown"}, Args{"--engine", "--help"}}) {
        const VyxcalcParseResult result = ParseVyxcalcOptions(args);
        EXPECT_TRUE(result.Ok()) << result.error;
        EXPECT_TRUE(result.options.showHelp);
    }
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
    // The defaults of the engine mode: 6 decimals, radians.
    const VyxcalcOptions options = ParseVyxcalcOptions({"--engine"}).options;
    std::ostringstream viaArguments;
    EngineModeRunner(options, viaArguments, false).EvaluateAll({"", "1+1\r", "2*3"});
    EXPECT_EQ(viaArguments.str().rfind("//", 0), 0u) << viaArguments.str();
    EXPECT_EQ(viaArguments.str().substr(viaArguments.str().size() - 3), "\n6\n");
    for (bool flushEach : {false, true}) {
        SyncCounter buffer;
        std::ostream out(&buffer);
        EngineModeRunner runner(options, out, flushEach);
        std::istringstream in("\n1+1\r\r\n2*3\n");
        runner.EvaluateStream(in);
        EXPECT_EQ(runner.EvaluatedCount(), 3u);
        EXPECT_EQ(buffer.str(), viaArguments.str());
        EXPECT_EQ(buffer.syncs, flushEach ? 3 : 0);
    }
}

} // namespace
