// SPDX-License-Identifier: MIT
// Inputs that must end quickly with a result or a message: deep nesting, long lines, huge values.
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace expression_tests;

namespace {

std::string Repeat(const std::string& piece, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

std::string Nested(const std::string& open, size_t depth, const std::string& inner) {
    return Repeat(open, depth) + inner + Repeat(")", depth);
}

const Outcome kTooDeep{"//ERROR!! THE EXPRESSION IS NESTED TOO DEEPLY!!", '-'};

TEST(HostileInputTest, NestingLimitAndImplicitProductChains) {
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
}

TEST(HostileInputTest, MegabyteLinesAndLongChainsDoNotRecurse) {
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
}

TEST(HostileInputTest, HugeValuesAndOddCharactersEndWithAResultOrAMessage) {
    for (const char* text : {"(1+I)^2147483647", "2^1E300", "1E300*1E300", "170!*170!"}) {
        EXPECT_NE(Evaluate(text).text, "") << text;
    }
    EXPECT_EQ(Evaluate("1E9!").kind, '-');
    for (const std::string text : {"#", "\xff\xfe", ")))", "1..2", "!!!", "~~", "E^E^E^", "2)(3"}) {
        const Outcome outcome = Evaluate(text);
        EXPECT_EQ(outcome.kind, '-') << text << ": " << outcome;
        EXPECT_EQ(outcome.text.substr(0, 2), "//") << text;
    }
}

} // namespace
