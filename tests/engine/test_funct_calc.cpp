// SPDX-License-Identifier: MIT
// The function table: order, operator flags, name search, angle unit and operand safety.
#include "VYXFunctElementary.h"
#include "VYXFunctOther.h"
#include "VYXFunctPowers.h"
#include "VYXFunctTrig.h"
#include "function_test_support.h"

#include <typeindex>
#include <vector>

using namespace function_tests;

namespace {

struct TableRow {
    std::string name;
    std::type_index type;
    bool isOperator;
};

const std::vector<TableRow>& ExpectedTable() {
    static const std::vector<TableRow> rows = {
        {"ASIN", typeid(VYXFunctASin), false}, {"ACOS", typeid(VYXFunctACos), false},
        {"ATAN", typeid(VYXFunctATan), false}, {"SINH", typeid(VYXFunctSinh), false},
        {"COSH", typeid(VYXFunctCosh), false}, {"TANH", typeid(VYXFunctTanh), false},
        {"SIN", typeid(VYXFunctSin), false},   {"COS", typeid(VYXFunctCos), false},
        {"TAN", typeid(VYXFunctTan), false},   {"LN", typeid(VYXFunctLn), false},
        {"LOG", typeid(VYXFunctLog), false},   {"E^", typeid(VYXFunctEpow), false},
        {"^", typeid(VYXFunctPow), true},      {"~", typeid(VYXFunctNrt), true},
        {"!", typeid(VYXFunctFac), true},      {"SQRT", typeid(VYXFunctSqrt), false},
        {"%", typeid(VYXFunctPercent), true},  {"ABS", typeid(VYXFunctAbs), false},
        {"ARG", typeid(VYXFunctArg), false},   {"CNJ", typeid(VYXFunctCnj), false},
        {"REP", typeid(VYXFunctRep), false},   {"IMP", typeid(VYXFunctImp), false},
    };
    return rows;
}

TEST(FunctionTableTest, HoldsTheTwentyTwoClassesInSearchOrder) {
    const VYXFunctCalc calc;
    const auto& functions = calc.Functions();
    ASSERT_EQ(functions.size(), ExpectedTable().size());
    for (size_t i = 0; i < functions.size(); ++i) {
        SCOPED_TRACE(ExpectedTable()[i].name);
        EXPECT_EQ(functions[i]->GetName(), ExpectedTable()[i].name);
        EXPECT_EQ(std::type_index(typeid(*functions[i])), ExpectedTable()[i].type);
        EXPECT_EQ(functions[i]->IsOperatorFunction(), ExpectedTable()[i].isOperator);
        EXPECT_EQ(calc.FunctionNames().at(i), ExpectedTable()[i].name);
    }
    EXPECT_EQ(calc.OperatorFunctionNames(), (std::vector<std::string>{"^", "~", "!", "%"}));
}

/// The tokenizer's search: the first table name that starts the remaining text.
std::string FirstNameStarting(const VYXFunctCalc& calc, const std::string& text) {
    for (const std::string& name : calc.FunctionNames()) {
        if (text.compare(0, name.size(), name) == 0) {
            return name;
        }
    }
    return "";
}

TEST(FunctionTableTest, LongerNamesAreFoundBeforeTheirPrefixes) {
    const VYXFunctCalc calc;
    EXPECT_EQ(FirstNameStarting(calc, "SINH2"), "SINH");
    EXPECT_EQ(FirstNameStarting(calc, "ASIN0.5"), "ASIN");
    EXPECT_EQ(FirstNameStarting(calc, "TANH1"), "TANH");
    EXPECT_EQ(FirstNameStarting(calc, "SIN30"), "SIN");
    EXPECT_EQ(FirstNameStarting(calc, "E^2"), "E^");
}

class ApplyFunctionTest : public testing::TestWithParam<FunctionCase> {};

TEST_P(ApplyFunctionTest, GivesTextAndKind) {
    ExpectOutcome(ApplyThroughTable(GetParam()), GetParam().expectedText,
                  GetParam().expectedOutcome);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Dispatch, ApplyFunctionTest, testing::Values(
    FunctionCase{"SinhNotSin", "SINH", "RAD", Rat(0), {}, "0", Outcome::Rational},
    FunctionCase{"NamedFunctionGetsDegrees", "SIN", "DEG", Rat(90), {}, "1", Outcome::Rational},
    FunctionCase{"UnknownAngleKeepsRadians", "SIN", "ANGLE_DEG", Rat(90), {}, "0.893997",
                 Outcome::Decimal},
    FunctionCase{"PowerIgnoresDegrees", "^", "DEG", Rat(2), Rat(3), "8", Outcome::Rational},
    FunctionCase{"RootIgnoresGradians", "~", "GRA", Rat(3), Rat(8), "2", Outcome::Decimal},
    FunctionCase{"PostfixIgnoresSecondOperand", "!", "RAD", Rat(3), Rat(5), "6", Outcome::Rational},
    FunctionCase{"UnknownName", "FOO", "RAD", Rat(1), {},
                 "ERROR!! THE FUNCTION: FOO IS NOT DEFINED!!", Outcome::FunctionError},
    FunctionCase{"NamesAreCaseSensitive", "sin", "RAD", Rat(1), {},
                 "ERROR!! THE FUNCTION: sin IS NOT DEFINED!!", Outcome::FunctionError},
    FunctionCase{"PowerWithoutRightOperand", "^", "RAD", Rat(2), {}, "ERROR! ^??",
                 Outcome::FunctionError}),
    CaseName);
// clang-format on

TEST(FunctionTableTest, AngleUnitAcceptsOnlyTheThreeUnits) {
    VYXFunctCalc calc;
    EXPECT_EQ(calc.GetAngle(), "RAD");
    calc.SetAngle("GRA");
    EXPECT_EQ(calc.GetAngle(), "GRA");
    calc.SetAngle("ANGLE_DEG");
    calc.SetAngle("deg");
    calc.SetAngle("");
    EXPECT_EQ(calc.GetAngle(), "GRA");
    calc.SetAngle("DEG");
    EXPECT_EQ(calc.GetAngle(), "DEG");
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
