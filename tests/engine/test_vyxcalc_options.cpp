// SPDX-License-Identifier: MIT
// Tests of the vyxcalc command-line parser: accepted lines with their settings, refused lines.
#include "VyxcalcOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

struct AcceptedCase {
    const char* name;
    Args args;
    VyxcalcMode mode;
    int decimals;
    const char* angleKey;
    Args inputs;
};

class AcceptedOptions : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedOptions, GivesTheSettings) {
    const AcceptedCase& c = GetParam();
    const VyxcalcParseResult result = ParseVyxcalcOptions(c.args);
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_FALSE(result.options.showHelp);
    EXPECT_EQ(result.options.mode, c.mode);
    EXPECT_EQ(result.options.decimals, c.decimals);
    EXPECT_EQ(result.options.angleKey, c.angleKey);
    EXPECT_EQ(result.options.inputs, c.inputs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Vyxcalc, AcceptedOptions, testing::Values(
    AcceptedCase{"NothingIsANewDocument", {}, VyxcalcMode::Document, 6, "ANGLE_RAD", {}},
    AcceptedCase{"EngineAlone", {"--engine"}, VyxcalcMode::Engine, 6, "ANGLE_RAD", {}},
    AcceptedCase{"DecimalsSeparateValue", {"--engine", "--decimals", "3", "1/3"},
                 VyxcalcMode::Engine, 3, "ANGLE_RAD", {"1/3"}},
    AcceptedCase{"DecimalsLowestAndInline", {"--decimals=1"}, VyxcalcMode::Document, 1,
                 "ANGLE_RAD", {}},
    AcceptedCase{"DecimalsHighest", {"--decimals", "10"}, VyxcalcMode::Document, 10, "ANGLE_RAD",
                 {}},
    AcceptedCase{"AngleDegrees", {"--angle", "deg"}, VyxcalcMode::Document, 6, "ANGLE_DEG", {}},
    AcceptedCase{"AngleGradiansInline", {"--angle=gra"}, VyxcalcMode::Document, 6, "ANGLE_GRA", {}},
    AcceptedCase{"AngleRadiansAfterAnother", {"--angle", "deg", "--angle", "rad"},
                 VyxcalcMode::Document, 6, "ANGLE_RAD", {}},
    AcceptedCase{"OptionsAfterExpressions", {"2+3", "--engine", "SIN90", "--angle", "deg"},
                 VyxcalcMode::Engine, 6, "ANGLE_DEG", {"2+3", "SIN90"}},
    AcceptedCase{"SignedExpressionIsNoOption", {"--engine", "-2^2", "-h5"}, VyxcalcMode::Engine, 6,
                 "ANGLE_RAD", {"-2^2", "-h5"}},
    AcceptedCase{"DoubleDashEndsOptions", {"--engine", "--", "--3", "--help"}, VyxcalcMode::Engine,
                 6, "ANGLE_RAD", {"--3", "--help"}},
    AcceptedCase{"EmptyExpressionKept", {"--engine", ""}, VyxcalcMode::Engine, 6, "ANGLE_RAD",
                 {""}}),
    [](const testing::TestParamInfo<AcceptedCase>& info) { return std::string(info.param.name); });
// clang-format on

struct RefusedCase {
    const char* name;
    Args args;
    const char* errorPart;
};

class RefusedOptions : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedOptions, SaysWhy) {
    const RefusedCase& c = GetParam();
    const VyxcalcParseResult result = ParseVyxcalcOptions(c.args);
    EXPECT_FALSE(result.Ok());
    EXPECT_NE(result.error.find(c.errorPart), std::string::npos) << result.error;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Vyxcalc, RefusedOptions, testing::Values(
    RefusedCase{"UnknownOption", {"--engine", "--precise"}, "unknown option --precise"},
    RefusedCase{"DecimalsZero", {"--decimals", "0"}, "--decimals must be"},
    RefusedCase{"DecimalsEleven", {"--decimals", "11"}, "'11'"},
    RefusedCase{"DecimalsNegative", {"--decimals", "-3"}, "'-3'"},
    RefusedCase{"DecimalsBeyondInt", {"--decimals=99999999999999999999"}, "--decimals must be"},
    RefusedCase{"DecimalsTrailingText", {"--decimals", "3x"}, "'3x'"},
    RefusedCase{"DecimalsDecimalPoint", {"--decimals", "3.0"}, "'3.0'"},
    RefusedCase{"DecimalsLeadingSpace", {"--decimals", " 3"}, "--decimals must be"},
    RefusedCase{"DecimalsEmptyInline", {"--decimals="}, "--decimals must be"},
    RefusedCase{"DecimalsMissingAtEnd", {"--engine", "--decimals"}, "needs a value"},
    RefusedCase{"DecimalsFollowedByOption", {"--decimals", "--engine"}, "needs a value"},
    RefusedCase{"AngleUpperCase", {"--angle", "DEG"}, "--angle must be rad, deg or gra"},
    RefusedCase{"AngleEngineKey", {"--angle", "ANGLE_DEG"}, "'ANGLE_DEG'"},
    RefusedCase{"AngleMissing", {"--angle"}, "option --angle needs a value"},
    RefusedCase{"EngineWithValue", {"--engine=yes"}, "takes no value"},
    RefusedCase{"DisplayUnknown", {"--display", "fraction"}, "'fraction'"},
    RefusedCase{"FileEmptyName", {"--file="}, "needs a file name"},
    RefusedCase{"DisplayInEngineMode", {"--display", "real", "--engine"},
                "--display is not used with --engine"},
    RefusedCase{"ArgumentInEngineMode", {"--engine", "--argument"}, "--argument"},
    RefusedCase{"DumpInEngineMode", {"--engine", "--dump"}, "--dump"},
    RefusedCase{"FileInEngineMode", {"--engine", "--file", "a.vyx"}, "--file"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(VyxcalcOptions, HelpStopsReadingTheRest) {
    for (const Args& args : {Args{"--help"}, Args{"-h", "--unknown"}, Args{"--engine", "--help"}}) {
        const VyxcalcParseResult result = ParseVyxcalcOptions(args);
        EXPECT_TRUE(result.Ok()) << result.error;
        EXPECT_TRUE(result.options.showHelp);
    }
}

TEST(VyxcalcOptions, RefusalBeforeHelpIsReported) {
    const VyxcalcParseResult result = ParseVyxcalcOptions({"--decimals", "0", "--help"});
    EXPECT_FALSE(result.Ok());
}

TEST(VyxcalcOptions, DocumentOptionsAreRead) {
    const VyxcalcParseResult result = ParseVyxcalcOptions(
        {"--file", "work.vyx", "--display=rational", "--argument", "--dump", "A=2", "A*3"});
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_EQ(result.options.mode, VyxcalcMode::Document);
    EXPECT_EQ(result.options.documentFile, "work.vyx");
    EXPECT_EQ(result.options.display, VyxcalcDisplay::Rational);
    EXPECT_TRUE(result.options.showArgument);
    EXPECT_TRUE(result.options.dump);
    EXPECT_EQ(result.options.inputs, (Args{"A=2", "A*3"}));
}

TEST(VyxcalcOptions, DocumentDefaultsShowBothWithoutArgument) {
    const VyxcalcParseResult result = ParseVyxcalcOptions({"1+1"});
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_EQ(result.options.display, VyxcalcDisplay::Both);
    EXPECT_FALSE(result.options.showArgument);
    EXPECT_FALSE(result.options.dump);
    EXPECT_TRUE(result.options.documentFile.empty());
}

} // namespace
