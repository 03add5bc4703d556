// SPDX-License-Identifier: MIT
// Trigonometric, hyperbolic, exponential and logarithm functions: exact values, units, domains.
#include "function_test_support.h"

#include <cmath>
#include <vector>

using namespace function_tests;

namespace {

constexpr Outcome R = Outcome::Rational;
constexpr Outcome D = Outcome::Decimal;
constexpr Outcome F = Outcome::FunctionError;

const std::string kArcSinRange =
    "ERROR!! ARCSIN IS NOT DEFINED FOR NUMBERS BIGGER THAN 1 OR SMALLER THAN -1!!";
const std::string kArcCosRange =
    "ERROR!! ARCCOS IS NOT DEFINED FOR NUMBERS BIGGER THAN 1 OR SMALLER THAN -1!!";

std::string DomainMessage(const char* shown) {
    return std::string("ERROR!! ") + shown +
           "(x) IS NOT DEFINED FOR NUMBERS LESS OR EQUAL TO ZERO!!\nATLEAST NOT IN THIS VERSION "
           "OF TOBRIK CALCULATOR..";
}

struct Row {
    const char* function;
    const char* unit;
    Operand x;
    std::string text;
    Outcome outcome;
};

void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.function << " " << r.unit << " of " << r.x.realNum
                                        << "/" << r.x.realDiv << " + " << r.x.cmplxNum << "i");
        ExpectOutcome(ApplyThroughTable({"", r.function, r.unit, r.x, {}, r.text, r.outcome}),
                      r.text, r.outcome);
    }
}

// At 0 and at +-1/4, 1/2, 3/4 turn of each unit the answer is exact; tan only where it is 0.
TEST(TrigonometryTest, ExactAtTheTurnMarksOfEachUnit) {
    struct Marks {
        const char* unit;
        double at[4];
    };
    const char* sinAt[] = {"0", "1", "0", "-1"};
    const char* cosAt[] = {"1", "0", "-1", "0"};
    for (const Marks& m :
         {Marks{"DEG", {0, 90, 180, 270}}, Marks{"GRA", {0, 100, 200, 300}},
          Marks{"RAD", {0, 1.5707963267949, 3.141592653589793, 4.712388980384693}}}) {
        for (int k = 0; k < 4; ++k) {
            for (double sign : {1.0, -1.0}) {
                const double v = sign * m.at[k];
                const Operand x = std::floor(v) == v ? Rat(v) : Dec(v);
                const std::string sinText =
                    sign < 0 && k % 2 ? std::string(sinAt[4 - k]) : sinAt[k];
                ExpectRows({{"SIN", m.unit, x, sinText, R}, {"COS", m.unit, x, cosAt[k], R}});
                if (k % 2 == 0) {
                    ExpectRows({{"TAN", m.unit, x, "0", R}});
                }
            }
        }
    }
}

// 360 degrees is no mark, but the kernel's -2.4e-16 lies below the rounding of 2*pi: exactly 0.
// clang-format off
TEST(TrigonometryTest, KernelAnswersBetweenTheMarksInTheUnit) {
    ExpectRows({{"SIN", "DEG", Rat(360), "0", R}, {"SIN", "DEG", Rat(360, 2), "0", R},
                {"TAN", "DEG", Rat(90), "1.63312e+16", D}, {"SIN", "GRA", Rat(50), "0.707107", D}});
}

TEST(TrigonometryTest, InverseFunctionsAnswerInTheUnitAndCheckTheirRange) {
    ExpectRows({{"ASIN", "GRA", Rat(-1), "-100", R}, {"ACOS", "GRA", Rat(-1), "200", R},
                {"ACOS", "DEG", Rat(1, 2), "60", D}, {"ATAN", "DEG", Rat(1), "45", R},
                {"ATAN", "RAD", Rat(1), "0.785398", D}, {"ATAN", "DEG", Dec(1e300), "90", R},
                {"ASIN", "DEG", Dec(1.0000001), kArcSinRange, F},
                {"ACOS", "RAD", Rat(2), kArcCosRange, F}});
}

TEST(ElementaryTest, HyperbolicAndExponentialIgnoreTheUnit) {
    ExpectRows({{"SINH", "DEG", Rat(1), "1.1752", D}, {"SINH", "RAD", Rat(1000), "inf", D},
                {"COSH", "GRA", Dec(-1), "1.54308", D}, {"TANH", "RAD", Rat(50), "1", R},
                {"E^", "DEG", Dec(-1), "0.367879", D}});
}

TEST(ElementaryTest, LogarithmsAndTheirDomains) {
    ExpectRows({{"LOG", "RAD", Rat(1, 10), "-1", R}, {"LOG", "RAD", Rat(2), "0.30103", D},
                {"LN", "RAD", Rat(1), "0", R}, {"LOG", "RAD", Rat(-5), DomainMessage("log"), F},
                {"LN", "RAD", Rat(0), DomainMessage("ln"), F},
                {"LN", "RAD", Dec(-2.718281828459045), "1+3.14159i", D},
                {"LN", "DEG", Rat(0, 1, -1, 1), "4.71239i", D},
                {"LN", "RAD", Rat(2, 1, 3, 1), "1.28247+0.982794i", D},
                {"LN", "RAD", Dec(1e200, 1e200), "460.864+0.785398i", D}});
}
// clang-format on

// Every real-only function refuses a complex operand with its own message (LN accepts it).
TEST(ElementaryTest, RealOnlyFunctionsRefuseComplexOperands) {
    const std::pair<const char*, const char*> names[] = {
        {"TAN", "TAN"}, {"ASIN", "ASIN"}, {"TANH", "TANH"}, {"E^", "e^x"}, {"LOG", "log"}};
    for (const auto& [function, shown] : names) {
        const std::string message =
            std::string("ERROR!! ") + shown + " IS NOT DEFINED FOR CMPLX NUMBERS..";
        ExpectRows({{function, "GRA", Rat(2, 1, 3, 1), message, F},
                    {function, "RAD", Dec(0, 0.5), message, F}});
    }
    // The complex check comes before the domain check.
    ExpectRows({{"LOG", "RAD", Dec(-1, 1), "ERROR!! log IS NOT DEFINED FOR CMPLX NUMBERS..", F}});
}

} // namespace
