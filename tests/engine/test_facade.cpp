// SPDX-License-Identifier: MIT
// The calculator facade: settings, error messages, variables and the overwrite question.
#include "expression_test_support.h"
#include "number_test_support.h"

#include <deque>
#include <utility>
#include <vector>

using namespace expression_tests;

namespace {

// Answers the overwrite question from `answers` in turn and records in `asked` what was asked.
VYXConfirmHandler Scripted(std::deque<bool>& answers, std::vector<std::string>& asked) {
    return [&answers, &asked](const std::string& caption, const std::string& text) {
        asked.push_back(caption + "|" + text);
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    };
}

TEST(FacadeTest, FlagsAngleKeysAndTheMessage) {
    VYXCalculator calculator;
    calculator.SetApproxOnOff(0);
    calculator.SetArgOnOff(-7); // any non-zero is true
    EXPECT_FALSE(calculator.GetApproxOnOff());
    EXPECT_TRUE(calculator.GetArgOnOff());
    // Only the angle keys are accepted; anything else leaves the unit as it was.
    const std::pair<std::string, std::string> keys[] = {
        {"ANGLE_RAD", "RAD"}, {"DEG", "GRA"}, {"angle_deg", "GRA"}};
    for (const auto& [key, unit] : keys) {
        calculator.SetAngle("ANGLE_GRA");
        calculator.SetAngle(key);
        EXPECT_EQ(calculator.GetAngle(), unit) << key;
    }
    // The message is read once and outlives a later success.
    EXPECT_EQ(calculator.ParseString("5+"), nullptr);
    delete calculator.ParseString("1+1");
    EXPECT_EQ(calculator.GetExceptionMessage(), "SYNTAX ERROR!!");
    EXPECT_EQ(calculator.GetExceptionMessage(), "");
}

TEST(VariableTest, RefusedNamesAndFailingValuesStoreNothingOthersAreListed) {
    VYXCalculator calculator;
    for (const std::string name : {"ABSX", "XLN", "A^B", "PI", "J"})
        EXPECT_EQ(number_tests::MessageOf([&] { calculator.SetVariable(name, "1"); }),
                  "ERROR!! THE VARIABLE NAME: " + name + " IS NOT ALLOWED!!");
    EXPECT_THROW(calculator.SetVariable("A", "1/0"), VYXExceptionNumberFormat);
    EXPECT_THROW(calculator.SetVariable("A", "SIN"), VYXExceptionFunction);
    EXPECT_TRUE(calculator.GetDefinedVars().empty());
    EXPECT_EQ(calculator.GetExceptionMessage(), "");
    VYXCalculator listed;
    listed.SetVariable("B", "2/3");
    listed.SetVariable("A", "0.123456789");
    listed.SetVariable("a", "1");
    listed.SetDecimals(3);
    EXPECT_EQ(listed.GetDefinedVars(), (std::vector<std::string>{"A=0.123", "B=2/3", "a=1"}));
}

TEST(VariableTest, OverwriteAsksTheHandlerIfAnyCopiesShareVariablesAndAngle) {
    std::deque<bool> answers{true, false};
    std::vector<std::string> asked;
    VYXCalculator calculator(Scripted(answers, asked));
    calculator.SetVariable("X", "1");
    EXPECT_TRUE(asked.empty());
    calculator.SetVariable("X", "2"); // yes
    EXPECT_EQ(asked, (std::vector<std::string>{
                         "INFO!!|The variable: X is already defined!!\nOverwrite?"}));
    EXPECT_EQ(Evaluate(calculator, "X"), (Outcome{"2", 'R'}));
    calculator.SetVariable("X", "SIN"); // no: not even evaluated
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_EQ(Evaluate(calculator, "X"), (Outcome{"2", 'R'}));

    VYXCalculator unasked; // without a handler: overwritten silently
    unasked.SetVariable("X", "1");
    unasked.SetVariable("X", "0.5");
    answers = {false};
    unasked.SetOwnerWnd(Scripted(answers, asked));
    unasked.SetVariable("X", "2");
    EXPECT_EQ(Evaluate(unasked, "X"), (Outcome{"0.5", 'U'}));
    // Copies share the variables and the angle.
    VYXCalculator original;
    original.SetDecimals(4);
    VYXCalculator copy(original);
    copy.SetVariable("SHARED", "5");
    copy.SetAngle("ANGLE_DEG");
    EXPECT_EQ(copy.GetDecimals(), 4);
    EXPECT_EQ(Evaluate(original, "SHARED"), (Outcome{"5", 'R'}));
    EXPECT_EQ(original.GetAngle(), "DEG");
}

} // namespace
