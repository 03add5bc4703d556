// SPDX-License-Identifier: MIT
// Evaluation: the expression table tests/data/expressions.tsv through the calculator facade, then
// level order, runs of signs and functions, exactness.
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

using namespace expression_tests;

namespace {

// "\n" in the table stands for a line break of a message.
std::string Unescape(std::string text) {
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1))
        text.replace(at, 2, "\n");
    return text;
}

TEST(ExpressionTableTest, EveryRowGivesItsTextAndKind) {
    std::ifstream file(std::string(VYX_TEST_DATA_DIR) + "/expressions.tsv");
    std::string line;
    int rows = 0;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line.front() == '#')
            continue;
        std::vector<std::string> fields;
        std::istringstream stream(line);
        for (std::string field; std::getline(stream, field, '\t');)
            fields.push_back(field);
        SCOPED_TRACE("expressions.tsv line " + std::to_string(number) + ": " + line);
        ASSERT_TRUE(fields.size() == 4 && fields[3].size() == 1) << "malformed row";
        EXPECT_EQ(Evaluate(fields[0], "ANGLE_" + fields[1]),
                  (Outcome{Unescape(fields[2]), fields[3][0]}));
        ++rows;
    }
    // A wrong data path must not pass silently with no row at all.
    EXPECT_GE(rows, 100);
}

// The precedence levels must give the value that the explicit braces spell out.
// clang-format off
TEST(EvaluationOrderTest, MatchesTheBracketedFormAFunctionBeforeAGroupIsAGroupOfItsOwn) {
    const std::pair<const char*, const char*> cases[] = {
        {"1+2*3-4/5*6", "(1+(2*3))-((4/5)*6)"},  {"2*-3^2", "2*(-(3^2))"},
        {"2^3^2^2", "((2^3)^2)^2"},              {"SINCOSTAN1", "SIN(COS(TAN(1)))"},
        {"-SIN-SIN-SIN-1", "-SIN(-SIN(-SIN(-1)))"}, {"2^-SIN-COS1", "2^(-SIN(-COS(1)))"},
        {"2^SIN2^SIN2^2", "2^SIN(2^SIN(2^2))"},  {"2^ABS-2!", "(2^ABS(-2))!"},
        {"3~8*2", "(3~8)*2"}};
    for (const auto& [written, bracketed] : cases) {
        const Outcome outcome = Evaluate(written);
        EXPECT_NE(outcome.kind, '-') << written << ": " << outcome;
        EXPECT_EQ(outcome, Evaluate(bracketed)) << written;
    }
    // "F(x)" is read as "(F(x))" whatever stands around it: values, exactness and the message that
    // comes first (LOG(-2)+(1/0) fails on the logarithm, before the division in the later group).
    const char* functions[] = {"SIN", "COS", "TAN", "ASIN", "SINH", "LN",
                               "LOG", "E^",  "SQRT", "ABS", "CNJ"};
    const char* arguments[] = {"30", "1/4", "-2", "0", "2I", "COS(0)"};
    const std::pair<const char*, const char*> contexts[] = {
        {"", "^2"},  {"", "!"},   {"", "%"},   {"2", ""},        {"-", "^2"},   {"", "~8"},
        {"", "3"},   {"", "(2)"}, {"2^", "^2"}, {"SIN", "^2"},   {"", "+(1/0)"}, {"", "^-1!"}};
    int numbers = 0;
    for (const char* function : functions) {
        for (const char* argument : arguments) {
            const std::string call = std::string(function) + "(" + argument + ")";
            for (const auto& [before, after] : contexts) {
                const std::string written = before + call + after;
                const Outcome outcome = Evaluate(written, "ANGLE_DEG");
                EXPECT_EQ(outcome, Evaluate(before + ("(" + call + ")") + after, "ANGLE_DEG"))
                    << written;
                numbers += outcome.kind != '-';
            }
        }
    }
    // Most cases must reach a value, or equal messages alone would pass.
    EXPECT_GT(numbers, 400);
}

// clang-format on

TEST(EvaluateTokensTest, StoredVariablesAreNeverChangedByEvaluation) {
    VYXCalculator calculator;
    calculator.SetVariable("A", "2");
    calculator.SetVariable("B", "0.5");
    EXPECT_EQ(Evaluate(calculator, "-A^2+A!+ABS-A+B*4-B"), (Outcome{"1.5", 'U'}));
    EXPECT_EQ(Evaluate(calculator, "A"), (Outcome{"2", 'R'}));
    EXPECT_EQ(Evaluate(calculator, "B"), (Outcome{"0.5", 'U'}));
}

} // namespace
