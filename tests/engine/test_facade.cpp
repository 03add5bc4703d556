// SPDX-License-Identifier: MIT
// The calculator facade: settings, error messages, variables and the overwrite question.
#include "VYXExceptions.h"
#include "expression_test_support.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using namespace expression_tests;

namespace {

// Answers the overwrite question from a queue and records what was asked.
struct ScriptedQuestions {
    std::deque<bool> answers;
    std::vector<std::string> asked;

    VYXConfirmHandler Handler() {
        return [this](const std::string& caption, const std::string& text) {
            asked.push_back(caption + "|" + text);
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

TEST(FacadeTest, NewCalculatorHasItsDefaults) {
    const VYXCalculator calculator;
    EXPECT_EQ(calculator.GetAngle(), "RAD");
    EXPECT_EQ(calculator.GetDecimals(), 6);
    EXPECT_TRUE(calculator.GetApproxOnOff());
    EXPECT_FALSE(calculator.GetArgOnOff());
}

TEST(FacadeTest, FlagsTakeAnyNonZeroAsTrue) {
    VYXCalculator calculator;
    calculator.SetApproxOnOff(0);
    calculator.SetArgOnOff(-7);
    EXPECT_FALSE(calculator.GetApproxOnOff());
    EXPECT_TRUE(calculator.GetArgOnOff());
}

struct AngleCase {
    const char* name;
    std::string key;
    std::string unit;
};

class SetAngleTest : public testing::TestWithParam<AngleCase> {};

TEST_P(SetAngleTest, AcceptsOnlyTheAngleKeys) {
    VYXCalculator calculator;
    calculator.SetAngle("ANGLE_GRA");
    calculator.SetAngle(GetParam().key);
    EXPECT_EQ(calculator.GetAngle(), GetParam().unit);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, SetAngleTest, testing::Values(
    AngleCase{"Radians", "ANGLE_RAD", "RAD"}, AngleCase{"Degrees", "ANGLE_DEG", "DEG"},
    AngleCase{"Gradians", "ANGLE_GRA", "GRA"}, AngleCase{"BareUnitIgnored", "DEG", "GRA"},
    AngleCase{"LowerCaseIgnored", "angle_deg", "GRA"},
    AngleCase{"EmptyIgnored", "", "GRA"}),
    [](const testing::TestParamInfo<AngleCase>& info) { return info.param.name; });
// clang-format on

TEST(FacadeTest, AngleUnitReachesTheFunctionsButNotPowers) {
    VYXCalculator calculator;
    calculator.SetAngle("ANGLE_DEG");
    EXPECT_EQ(Evaluate(calculator, "SIN90"), (Outcome{"1", 'R'}));
    EXPECT_EQ(Evaluate(calculator, "2^3"), (Outcome{"8", 'R'}));
    EXPECT_EQ(Evaluate(calculator, "3~8"), Evaluate("3~8"));
}

TEST(FacadeTest, MessageIsReadOnce) {
    VYXCalculator calculator;
    EXPECT_EQ(calculator.ParseString("*5"), nullptr);
    EXPECT_EQ(calculator.GetExceptionMessage(), "ERROR!! AN EXPRESSION CANNOT START WITH *..");
    EXPECT_EQ(calculator.GetExceptionMessage(), "");
}

TEST(FacadeTest, SuccessLeavesTheLastMessageUntilRead) {
    VYXCalculator calculator;
    EXPECT_EQ(calculator.ParseString("5+"), nullptr);
    delete calculator.ParseString("1+1");
    EXPECT_EQ(calculator.GetExceptionMessage(), "SYNTAX ERROR!!");
}

TEST(FacadeTest, EngineStaysUsableAfterAnError) {
    VYXCalculator calculator;
    EXPECT_EQ(Evaluate(calculator, "SIN").kind, '-');
    EXPECT_EQ(Evaluate(calculator, "1/0").kind, '-');
    EXPECT_EQ(Evaluate(calculator, "2+2"), (Outcome{"4", 'R'}));
}

TEST(FacadeTest, DecimalCommaIsADecimalPoint) {
    EXPECT_EQ(Evaluate("1,5*2"), Evaluate("1.5*2"));
    EXPECT_EQ(Evaluate("1,25+0,5"), (Outcome{"1.75", 'U'}));
}

TEST(FacadeTest, PrecisionFollowsTheDecimalsAtTheTimeOfTheCall) {
    VYXCalculator calculator;
    calculator.SetDecimals(3);
    std::unique_ptr<VYXNum> first(calculator.ParseString("2/3"));
    calculator.SetDecimals(9);
    std::unique_ptr<VYXNum> second(calculator.ParseString("2/3"));
    EXPECT_EQ(first->GetPrecision(), 3);
    EXPECT_EQ(second->GetPrecision(), 9);
    EXPECT_EQ(VYXNumUni(*static_cast<VYXNumUni*>(second.get())).GetRealValue(), 2.0 / 3.0);
}

struct RefusedNameCase {
    const char* name;
    std::string variable;
};

class RefusedVariableNameTest : public testing::TestWithParam<RefusedNameCase> {};

TEST_P(RefusedVariableNameTest, ThrowsAndStoresNothing) {
    VYXCalculator calculator;
    try {
        calculator.SetVariable(GetParam().variable, "1");
        FAIL() << "accepted " << GetParam().variable;
    } catch (const VYXExceptionFunction& e) {
        EXPECT_EQ(e.GetMessage(),
                  "ERROR!! THE VARIABLE NAME: " + GetParam().variable + " IS NOT ALLOWED!!");
    }
    EXPECT_TRUE(calculator.GetDefinedVars().empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, RefusedVariableNameTest, testing::Values(
    RefusedNameCase{"ContainsAbs", "ABSX"}, RefusedNameCase{"ContainsLn", "XLN"},
    RefusedNameCase{"ContainsSin", "SINX"}, RefusedNameCase{"ContainsPower", "A^B"},
    RefusedNameCase{"ContainsPercent", "P%"}, RefusedNameCase{"Euler", "E"},
    RefusedNameCase{"Pi", "PI"}, RefusedNameCase{"UnitI", "I"}, RefusedNameCase{"UnitJ", "J"}),
    [](const testing::TestParamInfo<RefusedNameCase>& info) { return info.param.name; });
// clang-format on

TEST(VariableTest, FailingValueExpressionPropagatesAndStoresNothing) {
    VYXCalculator calculator;
    EXPECT_THROW(calculator.SetVariable("A", "1/0"), VYXExceptionNumberFormat);
    EXPECT_THROW(calculator.SetVariable("A", "SIN"), VYXExceptionFunction);
    EXPECT_TRUE(calculator.GetDefinedVars().empty());
    EXPECT_EQ(calculator.GetExceptionMessage(), "");
}

TEST(VariableTest, DefinedVariablesAreUsedInExpressions) {
    VYXCalculator calculator;
    calculator.SetVariable("RADIUS", "1/2");
    EXPECT_EQ(Evaluate(calculator, "RADIUS*4"), (Outcome{"2", 'R'}));
    EXPECT_EQ(Evaluate(calculator, "2(RADIUS)"), (Outcome{"1", 'R'}));
}

TEST(VariableTest, ListedInAscendingNameOrderWithTheDecimals) {
    VYXCalculator calculator;
    calculator.SetVariable("B", "2/3");
    calculator.SetVariable("A", "0.123456789");
    calculator.SetVariable("a", "1");
    calculator.SetDecimals(3);
    EXPECT_EQ(calculator.GetDefinedVars(), (std::vector<std::string>{"A=0.123", "B=2/3", "a=1"}));
    calculator.SetDecimals(8);
    EXPECT_EQ(calculator.GetDefinedVars()[0], "A=0.12345679");
}

TEST(VariableTest, OverwriteAsksAndYesReplaces) {
    ScriptedQuestions questions{{true}};
    VYXCalculator calculator(questions.Handler());
    calculator.SetVariable("X", "1");
    EXPECT_TRUE(questions.asked.empty());
    calculator.SetVariable("X", "2");
    EXPECT_EQ(questions.asked, (std::vector<std::string>{
                                   "INFO!!|The variable: X is already defined!!\nOverwrite?"}));
    EXPECT_EQ(Evaluate(calculator, "X"), (Outcome{"2", 'R'}));
}

TEST(VariableTest, OverwriteAnsweredNoKeepsTheValue) {
    ScriptedQuestions questions{{false}};
    VYXCalculator calculator(questions.Handler());
    calculator.SetVariable("X", "1");
    calculator.SetVariable("X", "SIN");
    EXPECT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(Evaluate(calculator, "X"), (Outcome{"1", 'R'}));
}

TEST(VariableTest, WithoutHandlerOverwriteIsAllowed) {
    VYXCalculator calculator;
    calculator.SetVariable("X", "1");
    calculator.SetVariable("X", "0.5");
    EXPECT_EQ(calculator.GetDefinedVars(), (std::vector<std::string>{"X=0.5"}));
}

TEST(VariableTest, HandlerCanBeReplaced) {
    ScriptedQuestions questions{{false}};
    VYXCalculator calculator;
    calculator.SetVariable("X", "1");
    calculator.SetOwnerWnd(questions.Handler());
    calculator.SetVariable("X", "2");
    EXPECT_EQ(Evaluate(calculator, "X"), (Outcome{"1", 'R'}));
}

TEST(VariableTest, CopiesShareVariablesAndAngle) {
    VYXCalculator original;
    original.SetDecimals(4);
    VYXCalculator copy(original);
    copy.SetVariable("SHARED", "5");
    copy.SetAngle("ANGLE_DEG");
    EXPECT_EQ(copy.GetDecimals(), 4);
    EXPECT_EQ(Evaluate(original, "SHARED"), (Outcome{"5", 'R'}));
    EXPECT_EQ(original.GetAngle(), "DEG");
    VYXCalculator assigned;
    assigned = copy;
    EXPECT_EQ(assigned.GetDefinedVars(), (std::vector<std::string>{"SHARED=5"}));
}

} // namespace
