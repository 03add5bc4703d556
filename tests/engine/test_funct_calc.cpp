// SPDX-License-Identifier: MIT
// The function table: order, operator flags, name search, angle unit and operand safety.
#include "VYXFunctElementary.h"
#include "VYXFunctOther.h"
#include "VYXFunctPowers.h"
#include "VYXFunctTrig.h"
#include "function_test_support.h"

#include <algorithm>
#include <typeindex>
#include <vector>

using namespace function_tests;

namespace {

TEST(FunctionTableTest, HoldsTheTwentyTwoClassesInSearchOrder) {
    // Longer names come before their prefixes (SINH before SIN): the tokenizer takes the first.
    const std::vector<std::string> names = {
        "ASIN", "ACOS", "ATAN", "SINH", "COSH", "TANH", "SIN", "COS", "TAN", "LN",  "LOG",
        "E^",   "^",    "~",    "!",    "SQRT", "%",    "ABS", "ARG", "CNJ", "REP", "IMP"};
    const std::vector<std::type_index> types = {
        typeid(VYXFunctASin),    typeid(VYXFunctACos), typeid(VYXFunctATan), typeid(VYXFunctSinh),
        typeid(VYXFunctCosh),    typeid(VYXFunctTanh), typeid(VYXFunctSin),  typeid(VYXFunctCos),
        typeid(VYXFunctTan),     typeid(VYXFunctLn),   typeid(VYXFunctLog),  typeid(VYXFunctEpow),
        typeid(VYXFunctPow),     typeid(VYXFunctNrt),  typeid(VYXFunctFac),  typeid(VYXFunctSqrt),
        typeid(VYXFunctPercent), typeid(VYXFunctAbs),  typeid(VYXFunctArg),  typeid(VYXFunctCnj),
        typeid(VYXFunctRep),     typeid(VYXFunctImp)};
    const VYXFunctCalc calc;
    const std::vector<std::string> operators = {"^", "~", "!", "%"};
    const auto& functions = calc.Functions();
    ASSERT_EQ(functions.size(), names.size());
    EXPECT_EQ(calc.FunctionNames(), names);
    for (size_t i = 0; i < functions.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(functions[i]->GetName(), names[i]);
        EXPECT_EQ(std::type_index(typeid(*functions[i])), types.at(i));
        const bool isOperator = std::count(operators.begin(), operators.end(), names[i]) > 0;
        EXPECT_EQ(functions[i]->IsOperatorFunction(), isOperator);
    }
    EXPECT_EQ(calc.OperatorFunctionNames(), operators);
}

TEST(FunctionTableTest, DispatchesByNameWithTheAngleUnit) {
    const Outcome R = Outcome::Rational;
    const Outcome D = Outcome::Decimal;
    const Outcome F = Outcome::FunctionError;
    // clang-format off
    const FunctionCase rows[] = {
        {"SinhNotSin", "SINH", "RAD", Rat(0), {}, "0", R},
        {"NamedFunctionGetsDegrees", "SIN", "DEG", Rat(90), {}, "1", R},
        {"UnknownAngleKeepsRadians", "SIN", "ANGLE_DEG", Rat(90), {}, "0.893997", D},
        {"PowerIgnoresDegrees", "^", "DEG", Rat(2), Rat(3), "8", R},
        {"RootIgnoresGradians", "~", "GRA", Rat(3), Rat(8), "2", D},
        {"PostfixIgnoresSecondOperand", "!", "RAD", Rat(3), Rat(5), "6", R},
        {"UnknownName", "FOO", "RAD", Rat(1), {}, "ERROR!! THE FUNCTION: FOO IS NOT DEFINED!!", F},
        {"CaseSensitive", "sin", "RAD", Rat(1), {}, "ERROR!! THE FUNCTION: sin IS NOT DEFINED!!",
         F},
        {"PowerWithoutRightOperand", "^", "RAD", Rat(2), {}, "ERROR! ^??", F}};
    // clang-format on
    for (const FunctionCase& c : rows) {
        SCOPED_TRACE(c.caseName);
        ExpectOutcome(ApplyThroughTable(c), c.expectedText, c.expectedOutcome);
    }
}

TEST(FunctionTableTest, AngleUnitAcceptsOnlyTheThreeUnits) {
    VYXFunctCalc calc;
    EXPECT_EQ(calc.GetAngle(), "RAD");
    for (const std::string unit : {"GRA", "ANGLE_DEG", "deg", "", "DEG"}) {
        const std::string before = calc.GetAngle();
        calc.SetAngle(unit);
        EXPECT_EQ(calc.GetAngle(), unit == "GRA" || unit == "DEG" ? unit : before) << unit;
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

// The result is a new number: changing it does not reach the operand.
TEST(FunctionTableTest, ResultIsIndependentOfOperand) {
    VYXFunctCalc calc;
    VYXNumRational operand(-3, 4, 0, 1);
    const std::unique_ptr<VYXNum> result(calc.ApplyFunction("ABS", &operand, nullptr));
    ASSERT_NE(result.get(), &operand);
    result->SetValue(7.0, 0.0);
    EXPECT_EQ(operand.GetValue(), "-3/4");
}

} // namespace
