// SPDX-License-Identifier: MIT
// The function table: order, operator flags, name search, angle unit and operand safety.
#include "function_test_support.h"

#include <vector>

using namespace function_tests;

namespace {

TEST(FunctionTableTest, HoldsTheTwentyTwoFunctionsLongerNamesFirst) {
    const VYXFunctCalc calc;
    const std::vector<std::string> names = calc.FunctionNames();
    ASSERT_EQ(names.size(), 22u);
    EXPECT_EQ(names.front(), "ASIN");
    EXPECT_EQ(names.back(), "IMP");
    // The tokenizer takes the first name that matches, so SINH must come before SIN.
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(calc.Functions()[i]->GetName(), names[i]);
        for (size_t j = i + 1; j < names.size(); ++j) {
            EXPECT_FALSE(names[j].starts_with(names[i])) << names[j] << " after " << names[i];
        }
    }
    EXPECT_EQ(calc.OperatorFunctionNames(), (std::vector<std::string>{"^", "~", "!", "%"}));
    for (const auto& function : calc.Functions()) {
        EXPECT_EQ(function->IsOperatorFunction(), function->GetName().size() == 1)
            << function->GetName();
    }
}

TEST(FunctionTableTest, DispatchesByNameWithTheAngleUnit) {
    const Outcome R = Outcome::Rational;
    const Outcome D = Outcome::Decimal;
    const Outcome F = Outcome::FunctionError;
    // clang-format off
    const FunctionCase rows[] = {
        {"NamedFunctionGetsDegrees", "SIN", "DEG", Rat(90), {}, "1", R},
        {"UnknownAngleKeepsRadians", "SIN", "ANGLE_DEG", Rat(90), {}, "0.893997", D},
        {"PostfixIgnoresSecondOperand", "!", "RAD", Rat(3), Rat(5), "6", R},
        {"UnknownName", "FOO", "RAD", Rat(1), {}, "ERROR!! THE FUNCTION: FOO IS NOT DEFINED!!", F},
        {"PowerWithoutRightOperand", "^", "RAD", Rat(2), {}, "ERROR! ^??", F}};
    // clang-format on
    for (const FunctionCase& c : rows) {
        SCOPED_TRACE(c.caseName);
        ExpectOutcome(ApplyThroughTable(c), c.expectedText, c.expectedOutcome);
    }
}

/// Everything a function could disturb in a number.
struct Snapshot {
    std::string text;
    double real, cmplx, realDiv, cmplxNum, cmplxDiv;
    int precision;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(VYXNum& number) {
    return {number.GetValue(),       number.GetRealValue(),      number.GetCmplxValue(),
            number.GetRealDivisor(), number.GetCMPLXNumerator(), number.GetCMPLXDivisor(),
            number.GetPrecision()};
}

// Every function, successful or failing, leaves both operands as they were.
TEST(FunctionTableTest, ApplyLeavesOperandsUnchanged) {
    VYXFunctCalc calc;
    calc.SetAngle("DEG");
    const std::vector<Operand> operands = {Rat(1, 2), Rat(3, 1, -4, 5), Dec(0.25), Dec(-1.5, 2),
                                           Rat(-4)};
    for (const std::string& name : calc.FunctionNames()) {
        for (const Operand& operand : operands) {
            SCOPED_TRACE(name);
            const std::unique_ptr<VYXNum> x = operand.Make();
            const std::unique_ptr<VYXNum> y = Rat(1, 3).Make();
            x->SetPrecision(10);
            const Snapshot xBefore = Take(*x);
            const Snapshot yBefore = Take(*y);
            Observe([&] { return calc.ApplyFunction(name, x.get(), y.get()); });
            EXPECT_TRUE(Take(*x) == xBefore) << xBefore.text << " became " << Take(*x).text;
            EXPECT_TRUE(Take(*y) == yBefore) << yBefore.text << " became " << Take(*y).text;
        }
    }
}

} // namespace
