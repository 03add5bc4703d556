// SPDX-License-Identifier: MIT
// The function table: dispatch by name and angle unit, operand safety, the turn marks. What each
// function computes, and the table's order (a longer name before the names it begins with), shows
// in tests/data/expressions.tsv.
#include "VYXFunctCalc.h"
#include "VYXFunctPowers.h"
#include "expression_test_support.h"
#include "number_test_support.h"

using namespace expression_tests;

namespace {

/// The text of a new number (taking ownership), or "!" and the message of the exception.
template <typename MakeNumber> std::string Observe(MakeNumber make) {
    std::unique_ptr<VYXNum> result;
    const std::string message = number_tests::MessageOf([&] { result.reset(make()); });
    return result ? result->GetValue() + ":" + KindOf(result.get()) : "!" + message;
}

TEST(FunctionTableTest, DispatchesByNameWithTheAngleUnitLeavingTheOperandsAlone) {
    // clang-format off
    const struct { const char *function, *unit; double x; std::optional<double> y; const char* expected; }
    rows[] = {
        {"SIN", "ANGLE_DEG", 90, {}, "0.893997:U"}, // not a unit of the table: radians stay
        {"!", "RAD", 3, 5, "6:R"},                   // a postfix function ignores the second
        {"FOO", "RAD", 1, {}, "!ERROR!! THE FUNCTION: FOO IS NOT DEFINED!!"},
        {"^", "RAD", 2, {}, "!ERROR! ^??"}};
    // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.function) + " " + r.unit);
        VYXFunctCalc calc;
        calc.SetAngle(r.unit);
        VYXNumRational x(r.x, 1, 0, 1);
        std::unique_ptr<VYXNum> y(r.y ? new VYXNumRational(*r.y, 1, 0, 1) : nullptr);
        EXPECT_EQ(Observe([&] { return calc.ApplyFunction(r.function, &x, y.get()); }), r.expected);
    }
    // Every function, successful or failing, leaves both operands as they were.
    VYXFunctCalc calc;
    calc.SetAngle("DEG");
    for (const std::string& name : calc.FunctionNames()) {
        const VYXNumRational third(1, 3, 0, 1);
        for (VYXNum* x : std::initializer_list<VYXNum*>{
                 new VYXNumRational(1, 2, 0, 1), new VYXNumRational(3, 1, -4, 5),
                 new VYXNumUni(0.25, 0), new VYXNumUni(-1.5, 2), new VYXNumRational(-4, 1, 0, 1)}) {
            const std::unique_ptr<VYXNum> owned(x);
            VYXNumRational y = third;
            x->SetPrecision(10);
            const auto snapshot = [x] {
                return x->GetValue() + " " + std::to_string(x->GetRealValue()) + " " +
                       std::to_string(x->GetRealDivisor()) + " " +
                       std::to_string(x->GetCMPLXNumerator()) + " " +
                       std::to_string(x->GetCMPLXDivisor());
            };
            const std::string before = snapshot();
            Observe([&] { return calc.ApplyFunction(name, x, &y); });
            EXPECT_EQ(snapshot(), before) << name;
            EXPECT_EQ(x->GetPrecision(), 10) << name;
            EXPECT_EQ(y.GetValue(), "1/3") << name;
        }
    }
}

// At 0 and at +-1/4, 1/2, 3/4 turn of each unit the answer is exact; tan only where it is 0.
TEST(FunctionTableTest, ExactAtTheTurnMarksOfEachUnitAndForIntegersOfTwoDoubles) {
    const char* sinAt[] = {"0", "1", "0", "-1"};
    const char* cosAt[] = {"1", "0", "-1", "0"};
    const std::pair<const char*, const char*> units[] = {
        {"ANGLE_DEG", "90"}, {"ANGLE_GRA", "100"}, {"ANGLE_RAD", "(PI/2)"}};
    for (const auto& [unit, quarter] : units) {
        for (int k = 0; k < 4; ++k) {
            for (const char* sign : {"", "-"}) {
                const std::string x =
                    std::string("(") + sign + std::to_string(k) + "*" + quarter + ")";
                const bool negative = *sign != 0 && k % 2 == 1;
                SCOPED_TRACE(std::string(unit) + " " + x);
                EXPECT_EQ(Evaluate("SIN" + x, unit),
                          (Outcome{negative ? sinAt[4 - k] : sinAt[k], 'R'}));
                EXPECT_EQ(Evaluate("COS" + x, unit), (Outcome{cosAt[k], 'R'}));
                if (k % 2 == 0) {
                    EXPECT_EQ(Evaluate("TAN" + x, unit), (Outcome{"0", 'R'}));
                }
            }
        }
    }
    // The two-double forms, used by the rational-exponent scheme, stay exact for integers.
    VYXFunctPow pow;
    VYXFunctNrt root;
    EXPECT_EQ(Observe([&] { return pow.ApplyDoubles(2, -1, "RAD"); }), "1/2:R");
    EXPECT_EQ(Observe([&] { return pow.ApplyDoubles(3, 40, "RAD"); }), "1.21577e+19:U");
    EXPECT_EQ(Observe([&] { return pow.ApplyDoubles(0, 0, "RAD"); }),
              "!ERROR!! CANNOT POWER ZERO WITH ZERO!!");
    EXPECT_EQ(Observe([&] { return root.ApplyDoubles(2, 16, "RAD"); }), "4:R");
}

} // namespace
