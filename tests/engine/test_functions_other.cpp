// SPDX-License-Identifier: MIT
// Factorial, percent and the complex-number functions ABS, ARG, CNJ, REP, IMP.
#include "function_test_support.h"

#include <vector>

using namespace function_tests;

namespace {

constexpr Outcome R = Outcome::Rational;
constexpr Outcome D = Outcome::Decimal;
constexpr Outcome F = Outcome::FunctionError;

const std::string kFacDecimal = "ERROR!! FAC IS NOT DEFINED FOR DECIMAL NUMBERS..";

struct Row {
    const char* function;
    Operand x;
    std::string text;
    Outcome outcome;
};

// The unit never matters to these functions (ARG answers in radians), so each row runs in two.
void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        for (const char* unit : {"RAD", "GRA"}) {
            SCOPED_TRACE(testing::Message() << r.function << " " << unit << " of " << r.x.realNum
                                            << "/" << r.x.realDiv << " + " << r.x.cmplxNum << "i");
            ExpectOutcome(ApplyThroughTable({"", r.function, unit, r.x, {}, r.text, r.outcome}),
                          r.text, r.outcome);
        }
    }
}

// Exact up to 18!, decimal where a double holds the product only approximately, exact again
// where the double is a multiple of 2^31, refused only when infinite.
// clang-format off
TEST(OtherFunctionTest, Factorial) {
    ExpectRows({{"!", Rat(0), "1", R}, {"!", Dec(5), "120", R},
                {"!", Rat(18), "6402373705728000", R}, {"!", Rat(19), "1.21645e+17", D},
                {"!", Rat(25), "1.55112e+25", R}, {"!", Rat(170), "7.25742e+306", R},
                {"!", Rat(171), kFacDecimal, F}, {"!", Dec(1e300), kFacDecimal, F},
                {"!", Rat(5, 2), "ERROR!! CANNOT CALCULATE FACULTY FOR A DOUBLE: 2.5!!", F},
                {"!", Dec(0, 2), "ERROR!! FAC IS NOT DEFINED FOR CMPLX NUMBERS..", F}});
}

TEST(OtherFunctionTest, Percent) {
    ExpectRows({{"%", Rat(50), "1/2", R}, {"%", Rat(0), "0", R},
                {"%", Dec(12.5), "0.125", D}, {"%", Rat(2, 1, 4, 1), "1/50+i/25", R},
                {"%", Dec(-3, 1), "-0.03+0.01i", D},
                {"%", Rat(1, 4503599627370496.0), "2.22045e-18", D}});
}

TEST(OtherFunctionTest, ComplexParts) {
    ExpectRows({{"ABS", Rat(-3, 4), "3/4", R}, {"ABS", Rat(1, 1, 1, 1), "1.41421", D},
                {"ARG", Rat(-1), "3.14159", D}, {"ARG", Rat(0, 1, -1, 1), "4.71239", D},
                {"ARG", Dec(-1, -1), "-2.35619", D}, {"CNJ", Dec(0.5, 1), "0.5-i", D},
                {"REP", Rat(2, 1, -3, 1), "2", R}, {"IMP", Rat(1, 1, 3, 4), "3/4", R},
                {"IMP", Dec(0.5, -1.5), "-1.5", D}});
}
// clang-format on

} // namespace
