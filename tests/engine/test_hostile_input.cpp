// SPDX-License-Identifier: MIT
// Inputs that must end quickly with a result or a message: deep nesting, long lines, huge values.
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace expression_tests;

namespace {

std::string Repeat(const std::string& piece, size_t count) {
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

const std::string kTooDeep = "//ERROR!! THE EXPRESSION IS NESTED TOO DEEPLY!!";

TEST(HostileInputTest, NestingUpToTheLimitIsEvaluated) {
    EXPECT_EQ(Evaluate(Repeat("(", 1000) + "1+1" + Repeat(")", 1000)), (Outcome{"2", 'R'}));
}

TEST(HostileInputTest, NestingBeyondTheLimitIsRefused) {
    EXPECT_EQ(Evaluate(Repeat("(", 1001) + "1" + Repeat(")", 1001)), (Outcome{kTooDeep, '-'}));
    EXPECT_EQ(Evaluate(Repeat("(", 100000) + "1" + Repeat(")", 100000)), (Outcome{kTooDeep, '-'}));
    // Unclosed braces are completed first, then refused as well.
    EXPECT_EQ(Evaluate(Repeat("(", 100000) + "1"), (Outcome{kTooDeep, '-'}));
}

TEST(HostileInputTest, ImplicitProductChains) {
    EXPECT_EQ(Evaluate(Repeat("2(", 5000) + "2" + Repeat(")", 5000)), (Outcome{kTooDeep, '-'}));
    EXPECT_EQ(Evaluate(Repeat("2(", 20) + "2" + Repeat(")", 20)), (Outcome{"2097152", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("(2)", 300000)), (Outcome{"inf", 'U'}));
    EXPECT_EQ(Evaluate(Repeat("(1)", 300000)), (Outcome{"1", 'R'}));
}

TEST(HostileInputTest, MegabyteLines) {
    EXPECT_EQ(Evaluate(Repeat("1+", 500000) + "1"), (Outcome{"500001", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("1-", 500000) + "1"), (Outcome{"-499999", 'R'}));
    // 2^200000 leaves the exact range, so the product goes on in complex-double arithmetic.
    EXPECT_EQ(Evaluate(Repeat("(1+1)*", 200000) + "0"), (Outcome{"0", 'U'}));
    EXPECT_EQ(Evaluate(Repeat("2", 1000000)).kind, 'U');
    EXPECT_EQ(Evaluate(Repeat("-", 1000000) + "3"), (Outcome{"3", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("SIN", 300000) + "0"), (Outcome{"0", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("5!", 300000)).kind, 'U');
    EXPECT_EQ(Evaluate(Repeat("1+(", 999) + Repeat("1+", 100000) + "1").kind, 'R');
}

TEST(HostileInputTest, LongSignAndFunctionChainsDoNotRecurse) {
    // 2^-2^-2... alternates between 1/4 and 16-fold powers; it ends in a number, not a crash.
    EXPECT_NE(Evaluate(Repeat("2^-", 250000) + "2").kind, '-');
    EXPECT_EQ(Evaluate(Repeat("SIN-", 250000) + "0"), (Outcome{"0", 'R'}));
    EXPECT_EQ(Evaluate(Repeat("-SIN", 250000) + "0"), (Outcome{"0", 'R'}));
    EXPECT_NE(Evaluate(Repeat("2^SIN", 200000) + "2").kind, '-');
    EXPECT_EQ(Evaluate(Repeat("2^-^", 200000) + "3"), (Outcome{"//ERROR! -^??", '-'}));
}

TEST(HostileInputTest, HugeValuesEndWithAResultOrAMessage) {
    EXPECT_NE(Evaluate("(1+I)^2147483647").text, "");
    EXPECT_EQ(Evaluate("1E9!").kind, '-');
    EXPECT_NE(Evaluate("2^1E300").text, "");
    EXPECT_NE(Evaluate("1E300*1E300").text, "");
    EXPECT_NE(Evaluate("170!*170!").text, "");
}

TEST(HostileInputTest, OddCharactersGiveMessages) {
    for (const std::string text : {"#", "\x01", "\xff\xfe", "(((", ")))", "1..2", "--", "!!!",
                                   "^^^", "%%", "~~", "E^E^E^", "SINSINSIN", "2)(3"}) {
        SCOPED_TRACE(text);
        const Outcome outcome = Evaluate(text);
        EXPECT_EQ(outcome.kind, '-') << outcome;
        EXPECT_EQ(outcome.text.substr(0, 2), "//");
    }
}

} // namespace
