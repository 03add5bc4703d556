// SPDX-License-Identifier: MIT
// Factorial, percent and the complex-number functions ABS, ARG, CNJ, REP, IMP.
#include "VYXFunctOther.h"
#include "function_test_support.h"

#include <cmath>

using namespace function_tests;

namespace {

constexpr Outcome R = Outcome::Rational;
constexpr Outcome D = Outcome::Decimal;
constexpr Outcome F = Outcome::FunctionError;

const std::string kFacDecimal = "ERROR!! FAC IS NOT DEFINED FOR DECIMAL NUMBERS..";

class OtherFunctionTest : public testing::TestWithParam<FunctionCase> {};

TEST_P(OtherFunctionTest, GivesTextAndKind) {
    ExpectOutcome(ApplyThroughTable(GetParam()), GetParam().expectedText,
                  GetParam().expectedOutcome);
}

// Exact up to 18!, decimal where a double holds the product only approximately, exact again
// where the double is a multiple of 2^31, refused only when infinite.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Factorial, OtherFunctionTest, testing::Values(
    FunctionCase{"Zero", "!", "RAD", Rat(0), {}, "1", R},
    FunctionCase{"One", "!", "RAD", Rat(1), {}, "1", R},
    FunctionCase{"Five", "!", "DEG", Rat(5), {}, "120", R},
    FunctionCase{"DecimalFive", "!", "RAD", Dec(5), {}, "120", R},
    FunctionCase{"Twelve", "!", "RAD", Rat(12), {}, "479001600", R},
    FunctionCase{"Thirteen", "!", "RAD", Rat(13), {}, "6227020800", R},
    FunctionCase{"Eighteen", "!", "RAD", Rat(18), {}, "6402373705728000", R},
    FunctionCase{"Nineteen", "!", "RAD", Rat(19), {}, "1.21645e+17", D},
    FunctionCase{"TwentyFour", "!", "RAD", Rat(24), {}, "6.20448e+23", D},
    FunctionCase{"TwentyFive", "!", "RAD", Rat(25), {}, "1.55112e+25", R},
    FunctionCase{"HundredSeventy", "!", "RAD", Rat(170), {}, "7.25742e+306", R},
    FunctionCase{"HundredSeventyOne", "!", "RAD", Rat(171), {}, kFacDecimal, F},
    FunctionCase{"OneE9EndsAtOnce", "!", "RAD", Rat(1e9), {}, kFacDecimal, F},
    FunctionCase{"OneE300EndsAtOnce", "!", "RAD", Dec(1e300), {}, kFacDecimal, F},
    FunctionCase{"RationalFiveHalves", "!", "RAD", Rat(5, 2), {},
                 "ERROR!! CANNOT CALCULATE FACULTY FOR A DOUBLE: 2.5!!", F},
    FunctionCase{"DecimalHalf", "!", "RAD", Dec(0.5), {},
                 "ERROR!! CANNOT CALCULATE FACULTY FOR A DOUBLE: 0.5!!", F},
    FunctionCase{"MinusThree", "!", "RAD", Rat(-3), {},
                 "ERROR!! CANNOT CALCULATE FACULTY FOR A NEGATIVE NUMBER: -3!!", F},
    FunctionCase{"Complex", "!", "RAD", Rat(3, 1, 1, 1), {},
                 "ERROR!! FAC IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"DecimalImaginary", "!", "RAD", Dec(0, 2), {},
                 "ERROR!! FAC IS NOT DEFINED FOR CMPLX NUMBERS..", F}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Percent, OtherFunctionTest, testing::Values(
    FunctionCase{"Fifty", "%", "RAD", Rat(50), {}, "1/2", R},
    FunctionCase{"Zero", "%", "RAD", Rat(0), {}, "0", R},
    FunctionCase{"TwelveAndHalf", "%", "RAD", Dec(12.5), {}, "0.125", D},
    FunctionCase{"RationalComplex", "%", "RAD", Rat(2, 1, 4, 1), {}, "1/50+i/25", R},
    FunctionCase{"DecimalComplex", "%", "RAD", Dec(-3, 1), {}, "-0.03+0.01i", D},
    FunctionCase{"DivisorLeavesExactRange", "%", "RAD", Rat(1, 4503599627370496.0), {},
                 "2.22045e-18", D}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(ComplexParts, OtherFunctionTest, testing::Values(
    FunctionCase{"AbsThreeFourI", "ABS", "RAD", Rat(3, 1, 4, 1), {}, "5", R},
    FunctionCase{"AbsMinusThreeQuarters", "ABS", "RAD", Rat(-3, 4), {}, "3/4", R},
    FunctionCase{"AbsOnePlusI", "ABS", "RAD", Rat(1, 1, 1, 1), {}, "1.41421", D},
    FunctionCase{"AbsDecimal", "ABS", "RAD", Dec(-2.5), {}, "2.5", D},
    FunctionCase{"ArgMinusOneDegrees", "ARG", "DEG", Rat(-1), {}, "3.14159", D},
    FunctionCase{"ArgZero", "ARG", "RAD", Rat(0), {}, "0", D},
    FunctionCase{"ArgMinusI", "ARG", "GRA", Rat(0, 1, -1, 1), {}, "4.71239", D},
    FunctionCase{"ArgI", "ARG", "RAD", Dec(0, 3), {}, "1.5708", D},
    FunctionCase{"ArgThirdQuadrant", "ARG", "RAD", Dec(-1, -1), {}, "-2.35619", D},
    FunctionCase{"CnjRational", "CNJ", "RAD", Rat(2, 1, -3, 1), {}, "2+3i", R},
    FunctionCase{"CnjDecimal", "CNJ", "RAD", Dec(0.5, 1), {}, "0.5-i", D},
    FunctionCase{"RepRational", "REP", "RAD", Rat(2, 1, -3, 1), {}, "2", R},
    FunctionCase{"RepDecimal", "REP", "RAD", Dec(0.5, 1), {}, "0.5", D},
    FunctionCase{"ImpRational", "IMP", "RAD", Rat(2, 1, -3, 1), {}, "-3", R},
    FunctionCase{"ImpRationalFraction", "IMP", "RAD", Rat(1, 1, 3, 4), {}, "3/4", R},
    FunctionCase{"ImpDecimal", "IMP", "RAD", Dec(0.5, -1.5), {}, "-1.5", D}),
    CaseName);
// clang-format on

TEST(OtherKernelTest, FactorialAndPercentKernels) {
    EXPECT_DOUBLE_EQ(VYXFunctFac().ApplyDouble(10, "RAD"), 3628800.0);
    EXPECT_TRUE(std::isinf(VYXFunctFac().ApplyDouble(171, "RAD")));
    EXPECT_THROW(VYXFunctFac().ApplyDouble(-1, "RAD"), VYXExceptionFunction);
    EXPECT_DOUBLE_EQ(VYXFunctPercent().ApplyDouble(250, "RAD"), 2.5);
}

} // namespace
