// SPDX-License-Identifier: MIT
// Evaluation of token lists: level order, runs of signs and functions, exactness.
#include "VYXExceptions.h"
#include "VYXParser.h"
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace expression_tests;

namespace {

struct EquivalenceCase {
    const char* name;
    std::string written;
    std::string bracketed;
};

class EvaluationOrderTest : public testing::TestWithParam<EquivalenceCase> {};

// The precedence levels must give the value that the explicit braces spell out.
TEST_P(EvaluationOrderTest, MatchesTheBracketedForm) {
    const Outcome written = Evaluate(GetParam().written);
    EXPECT_NE(written.kind, '-') << written;
    EXPECT_EQ(written, Evaluate(GetParam().bracketed));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Levels, EvaluationOrderTest, testing::Values(
    EquivalenceCase{"ArithmeticLeftToRight", "1+2*3-4/5*6", "(1+(2*3))-((4/5)*6)"},
    EquivalenceCase{"SignAfterPower", "2*-3^2", "2*(-(3^2))"},
    EquivalenceCase{"PowersLeftAssociative", "2^3^2^2", "((2^3)^2)^2"},
    EquivalenceCase{"FactorialBeforePower", "5!^2", "(5!)^2"},
    EquivalenceCase{"FunctionTakesThePower", "SIN30^2", "SIN(30^2)"},
    EquivalenceCase{"FunctionChainInnermostFirst", "SINCOSTAN1", "SIN(COS(TAN(1)))"},
    EquivalenceCase{"SignRunsInsideFunctions", "-SIN-SIN-SIN-1", "-SIN(-SIN(-SIN(-1)))"},
    EquivalenceCase{"SignThenFunctionChain", "SIN-COSTAN-1", "SIN(-COS(TAN(-1)))"},
    EquivalenceCase{"SignedExponent", "2^-3^2", "(2^(-3))^2"},
    EquivalenceCase{"DoubleSignedExponent", "2^--2", "2^2"},
    EquivalenceCase{"ExponentWithFunctions", "2^-SIN-COS1", "2^(-SIN(-COS(1)))"},
    EquivalenceCase{"FunctionInExponentTakesPowerChain", "2^SIN3^2^2", "2^SIN((3^2)^2)"},
    EquivalenceCase{"NestedFunctionExponents", "2^SIN2^SIN2^2", "2^SIN(2^SIN(2^2))"},
    EquivalenceCase{"FactorialAfterFunctionExponent", "2^ABS-2!", "(2^ABS(-2))!"},
    EquivalenceCase{"FunctionOfSignedOperand", "ABS-3+1", "ABS(-3)+1"},
    EquivalenceCase{"RootOperator", "3~8*2", "(3~8)*2"}),
    [](const testing::TestParamInfo<EquivalenceCase>& info) { return info.param.name; });
// clang-format on

struct ExactnessCase {
    const char* name;
    std::string expression;
    Outcome expected;
};

class ExactnessTest : public testing::TestWithParam<ExactnessCase> {};

TEST_P(ExactnessTest, StaysExactUntilAComplexDoubleNumberTakesPart) {
    EXPECT_EQ(Evaluate(GetParam().expression), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ExactnessTest,
    testing::Values(
        ExactnessCase{"SmallFraction", "1/3+1/6", {"1/2", 'R'}},
        ExactnessCase{"ComplexFraction", "(1+2I)/(3-4I)", {"-1/5+2i/5", 'R'}},
        ExactnessCase{"DecimalMakesAllDecimal", "1/3+0.5", {"0.833333", 'U'}},
        // A decimal anywhere in the list makes the division complex-double, with its message.
        ExactnessCase{"DecimalElsewhereChangesDivision",
                      "0.5+1/0",
                      {"//ERRROR!! DIVISION BY ZERO!!1/0", '-'}},
        // A product beyond the exact range continues in complex-double arithmetic, and so
        // does everything after it.
        ExactnessCase{"ProductLeavesExactRange", "123456789*987654321", {"1.21933e+17", 'U'}},
        ExactnessCase{
            "AfterLeavingExactRange", "123456789*987654321-123456789*987654321", {"0", 'U'}},
        ExactnessCase{"WithinExactRange", "12345*54321-12345*54321", {"0", 'R'}},
        ExactnessCase{"ExactSmallDivisor", "1/100000000*100000000", {"1", 'R'}},
        ExactnessCase{"SignKeepsExactness", "-(1/3)", {"-1/3", 'R'}},
        ExactnessCase{"SignKeepsDecimal", "-(0.5)", {"-0.5", 'U'}}),
    [](const testing::TestParamInfo<ExactnessCase>& info) { return info.param.name; });

VYXOperatorToken Op(std::string_view name, VYXOperatorKind kind) {
    return {name, kind};
}

// Lists built by hand, as the tokenizer would build them for -3 and SINCOS0 and 2^-2.
TEST(EvaluateTokensTest, ReducesHandBuiltLists) {
    const VYXParser parser;
    {
        VYXTokenList tokens;
        tokens.numbers.push_back(nullptr);
        tokens.numbers.push_back(VYXParser::MakeNumber(3, false));
        tokens.operators.push_back(Op("-", VYXOperatorKind::Arithmetic));
        EXPECT_EQ(parser.EvaluateTokens(std::move(tokens))->GetValue(), "-3");
    }
    {
        VYXTokenList tokens;
        tokens.numbers.push_back(nullptr);
        tokens.numbers.push_back(nullptr);
        tokens.numbers.push_back(VYXParser::MakeNumber(0, false));
        tokens.operators.push_back(Op("SIN", VYXOperatorKind::NamedFunction));
        tokens.operators.push_back(Op("COS", VYXOperatorKind::NamedFunction));
        EXPECT_EQ(parser.EvaluateTokens(std::move(tokens))->GetValue(), "0.841471");
    }
    {
        VYXTokenList tokens;
        tokens.numbers.push_back(VYXParser::MakeNumber(2, false));
        tokens.numbers.push_back(nullptr);
        tokens.numbers.push_back(VYXParser::MakeNumber(2, false));
        tokens.operators.push_back(Op("^", VYXOperatorKind::Infix));
        tokens.operators.push_back(Op("-", VYXOperatorKind::Arithmetic));
        VYXNumPtr result = parser.EvaluateTokens(std::move(tokens));
        EXPECT_EQ(result->GetValue(), "1/4");
        EXPECT_EQ(KindOf(result.get()), 'R');
    }
}

TEST(EvaluateTokensTest, EmptyListsAreASyntaxError) {
    const VYXParser parser;
    try {
        parser.EvaluateTokens(VYXTokenList{});
        FAIL() << "no exception";
    } catch (const VYXExceptionNumberFormat& e) {
        EXPECT_EQ(e.GetMessage(), "SYNTAX ERROR!!");
    }
}

TEST(EvaluateTokensTest, StoredVariablesAreNeverChangedByEvaluation) {
    VYXCalculator calculator;
    calculator.SetVariable("A", "2");
    calculator.SetVariable("B", "0.5");
    EXPECT_EQ(Evaluate(calculator, "-A^2+A!+ABS-A+B*4-B"), (Outcome{"1.5", 'U'}));
    EXPECT_EQ(Evaluate(calculator, "A"), (Outcome{"2", 'R'}));
    EXPECT_EQ(Evaluate(calculator, "B"), (Outcome{"0.5", 'U'}));
}

} // namespace
