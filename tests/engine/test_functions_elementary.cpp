// SPDX-License-Identifier: MIT
// Trigonometric, hyperbolic, exponential and logarithm functions: exact values, units, domains.
#include "VYXFunctElementary.h"
#include "VYXFunctTrig.h"
#include "function_test_support.h"

#include <cmath>

using namespace function_tests;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPiMark = 1.5707963267949;
constexpr double kThreeHalfPiMark = 4.712388980384693;

const std::string kLogDomain = "ERROR!! log(x) IS NOT DEFINED FOR NUMBERS LESS OR EQUAL TO "
                               "ZERO!!\nATLEAST NOT IN THIS VERSION OF TOBRIK CALCULATOR..";
const std::string kLnDomain = "ERROR!! ln(x) IS NOT DEFINED FOR NUMBERS LESS OR EQUAL TO "
                              "ZERO!!\nATLEAST NOT IN THIS VERSION OF TOBRIK CALCULATOR..";
const std::string kArcSinRange =
    "ERROR!! ARCSIN IS NOT DEFINED FOR NUMBERS BIGGER THAN 1 OR SMALLER THAN -1!!";
const std::string kArcCosRange =
    "ERROR!! ARCCOS IS NOT DEFINED FOR NUMBERS BIGGER THAN 1 OR SMALLER THAN -1!!";

constexpr Outcome R = Outcome::Rational;
constexpr Outcome D = Outcome::Decimal;
constexpr Outcome F = Outcome::FunctionError;

class TrigonometryTest : public testing::TestWithParam<FunctionCase> {};

TEST_P(TrigonometryTest, GivesTextAndKind) {
    ExpectOutcome(ApplyThroughTable(GetParam()), GetParam().expectedText,
                  GetParam().expectedOutcome);
}

// The exact-value tables answer at the marks of each unit; everything else is the kernel.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Degrees, TrigonometryTest, testing::Values(
    FunctionCase{"Sin30IsKernelHalf", "SIN", "DEG", Rat(30), {}, "0.5", D},
    FunctionCase{"Sin90", "SIN", "DEG", Rat(90), {}, "1", R},
    FunctionCase{"SinMinus90", "SIN", "DEG", Rat(-90), {}, "-1", R},
    FunctionCase{"Sin270", "SIN", "DEG", Rat(270), {}, "-1", R},
    FunctionCase{"SinMinus270", "SIN", "DEG", Rat(-270), {}, "1", R},
    FunctionCase{"Sin180", "SIN", "DEG", Dec(180), {}, "0", R},
    FunctionCase{"Sin360NotInTable", "SIN", "DEG", Rat(360), {}, "-2.44929e-16", D},
    FunctionCase{"Cos90", "COS", "DEG", Rat(90), {}, "0", R},
    FunctionCase{"CosMinus270", "COS", "DEG", Rat(-270), {}, "0", R},
    FunctionCase{"CosMinus180", "COS", "DEG", Rat(-180), {}, "-1", R},
    FunctionCase{"Cos0", "COS", "DEG", Rat(0), {}, "1", R},
    FunctionCase{"Cos60IsKernel", "COS", "DEG", Rat(60), {}, "0.5", D},
    FunctionCase{"Tan180", "TAN", "DEG", Rat(180), {}, "0", R},
    FunctionCase{"TanMinus180", "TAN", "DEG", Rat(-180), {}, "0", R},
    FunctionCase{"Tan45IsKernel", "TAN", "DEG", Rat(45), {}, "1", D},
    FunctionCase{"Tan90NotTrapped", "TAN", "DEG", Rat(90), {}, "1.63312e+16", D},
    FunctionCase{"SinOfRationalHalfTurn", "SIN", "DEG", Rat(360, 2), {}, "0", R}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Radians, TrigonometryTest, testing::Values(
    FunctionCase{"SinPi", "SIN", "RAD", Dec(kPi), {}, "0", R},
    FunctionCase{"SinHalfPiMark", "SIN", "RAD", Dec(kHalfPiMark), {}, "1", R},
    FunctionCase{"SinMinusThreeHalfPi", "SIN", "RAD", Dec(-kThreeHalfPiMark), {}, "1", R},
    FunctionCase{"Sin1", "SIN", "RAD", Rat(1), {}, "0.841471", D},
    FunctionCase{"Sin90IsRadians", "SIN", "RAD", Rat(90), {}, "0.893997", D},
    FunctionCase{"Cos0", "COS", "RAD", Rat(0), {}, "1", R},
    FunctionCase{"CosPi", "COS", "RAD", Dec(-kPi), {}, "-1", R},
    FunctionCase{"CosThreeHalfPi", "COS", "RAD", Dec(kThreeHalfPiMark), {}, "0", R},
    FunctionCase{"TanPi", "TAN", "RAD", Dec(kPi), {}, "0", R},
    FunctionCase{"TanHalf", "TAN", "RAD", Rat(1, 2), {}, "0.546302", D}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Gradians, TrigonometryTest, testing::Values(
    FunctionCase{"Sin100", "SIN", "GRA", Rat(100), {}, "1", R},
    FunctionCase{"Sin300", "SIN", "GRA", Rat(300), {}, "-1", R},
    FunctionCase{"Sin200", "SIN", "GRA", Rat(200), {}, "0", R},
    FunctionCase{"Sin50", "SIN", "GRA", Rat(50), {}, "0.707107", D},
    FunctionCase{"Sin90IsGradians", "SIN", "GRA", Rat(90), {}, "0.987688", D},
    FunctionCase{"Cos200", "COS", "GRA", Rat(200), {}, "-1", R},
    FunctionCase{"Cos100", "COS", "GRA", Rat(100), {}, "0", R},
    FunctionCase{"Tan0", "TAN", "GRA", Rat(0), {}, "0", R},
    FunctionCase{"Tan200", "TAN", "GRA", Rat(-200), {}, "0", R}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Inverse, TrigonometryTest, testing::Values(
    FunctionCase{"ASin1Degrees", "ASIN", "DEG", Rat(1), {}, "90", R},
    FunctionCase{"ASinHalfDegrees", "ASIN", "DEG", Dec(0.5), {}, "30", D},
    FunctionCase{"ASinMinus1Radians", "ASIN", "RAD", Rat(-1), {}, "-1.5708", D},
    FunctionCase{"ASinMinus1Gradians", "ASIN", "GRA", Rat(-1), {}, "-100", R},
    FunctionCase{"ACos1", "ACOS", "RAD", Rat(1), {}, "0", R},
    FunctionCase{"ACosMinus1Gradians", "ACOS", "GRA", Rat(-1), {}, "200", R},
    FunctionCase{"ACosRationalHalfDegrees", "ACOS", "DEG", Rat(1, 2), {}, "60", D},
    FunctionCase{"ATan1Degrees", "ATAN", "DEG", Rat(1), {}, "45", R},
    FunctionCase{"ATan1Gradians", "ATAN", "GRA", Rat(1), {}, "50", R},
    FunctionCase{"ATan1Radians", "ATAN", "RAD", Rat(1), {}, "0.785398", D},
    FunctionCase{"ATanLargeDegrees", "ATAN", "DEG", Dec(1e300), {}, "90", R},
    FunctionCase{"ASinJustAbove1", "ASIN", "DEG", Dec(1.0000001), {}, kArcSinRange, F},
    FunctionCase{"ASinBelowMinus1", "ASIN", "RAD", Rat(-3, 2), {}, kArcSinRange, F},
    FunctionCase{"ACosAbove1", "ACOS", "RAD", Rat(2), {}, kArcCosRange, F},
    FunctionCase{"ACosBelowMinus1", "ACOS", "GRA", Dec(-1.5), {}, kArcCosRange, F}),
    CaseName);
// clang-format on

class ElementaryTest : public testing::TestWithParam<FunctionCase> {};

TEST_P(ElementaryTest, GivesTextAndKind) {
    ExpectOutcome(ApplyThroughTable(GetParam()), GetParam().expectedText,
                  GetParam().expectedOutcome);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(HyperbolicAndExp, ElementaryTest, testing::Values(
    FunctionCase{"Sinh0", "SINH", "DEG", Rat(0), {}, "0", R},
    FunctionCase{"Sinh1IgnoresDegrees", "SINH", "DEG", Rat(1), {}, "1.1752", D},
    FunctionCase{"Sinh1000Overflows", "SINH", "RAD", Rat(1000), {}, "inf", D},
    FunctionCase{"Cosh0", "COSH", "RAD", Rat(0), {}, "1", R},
    FunctionCase{"CoshMinus1", "COSH", "GRA", Dec(-1), {}, "1.54308", D},
    FunctionCase{"TanhHalf", "TANH", "RAD", Rat(1, 2), {}, "0.462117", D},
    FunctionCase{"Tanh50IsOne", "TANH", "RAD", Rat(50), {}, "1", R},
    FunctionCase{"Exp0", "E^", "RAD", Rat(0), {}, "1", R},
    FunctionCase{"Exp1", "E^", "RAD", Rat(1), {}, "2.71828", D},
    FunctionCase{"ExpMinus1", "E^", "DEG", Dec(-1), {}, "0.367879", D},
    FunctionCase{"Exp1000Overflows", "E^", "RAD", Rat(1000), {}, "inf", D}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Logarithms, ElementaryTest, testing::Values(
    FunctionCase{"Log100", "LOG", "RAD", Rat(100), {}, "2", R},
    FunctionCase{"LogTenth", "LOG", "RAD", Rat(1, 10), {}, "-1", R},
    FunctionCase{"Log2", "LOG", "RAD", Rat(2), {}, "0.30103", D},
    FunctionCase{"Log0", "LOG", "RAD", Rat(0), {}, kLogDomain, F},
    FunctionCase{"LogMinus5", "LOG", "RAD", Rat(-5), {}, kLogDomain, F},
    FunctionCase{"Ln1", "LN", "RAD", Rat(1), {}, "0", R},
    FunctionCase{"Ln2", "LN", "RAD", Rat(2), {}, "0.693147", D},
    FunctionCase{"Ln0", "LN", "RAD", Rat(0), {}, kLnDomain, F},
    FunctionCase{"LnMinus1", "LN", "RAD", Rat(-1), {}, "3.14159i", D},
    FunctionCase{"LnMinusE", "LN", "RAD", Dec(-2.718281828459045), {}, "1+3.14159i", D},
    FunctionCase{"LnI", "LN", "RAD", Rat(0, 1, 1, 1), {}, "1.5708i", D},
    FunctionCase{"LnMinusI", "LN", "DEG", Rat(0, 1, -1, 1), {}, "4.71239i", D},
    FunctionCase{"LnComplex", "LN", "RAD", Rat(2, 1, 3, 1), {}, "1.28247+0.982794i", D},
    FunctionCase{"LnHugeComplex", "LN", "RAD", Dec(1e200, 1e200), {}, "460.864+0.785398i", D}),
    CaseName);
// clang-format on

// Every real-only function refuses a complex operand with its own message; LN accepts it.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ComplexOperands, ElementaryTest, testing::Values(
    FunctionCase{"Sin", "SIN", "DEG", Rat(2, 1, 3, 1), {},
                 "ERROR!! SIN IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"Cos", "COS", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! COS IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"Tan", "TAN", "GRA", Rat(2, 1, 3, 1), {},
                 "ERROR!! TAN IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"ASin", "ASIN", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! ASIN IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"ACos", "ACOS", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! ACOS IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"ATan", "ATAN", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! ATAN IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"Sinh", "SINH", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! SINH IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"Cosh", "COSH", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! COSH IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"Tanh", "TANH", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! TANH IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"Exp", "E^", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! e^x IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"Log", "LOG", "RAD", Rat(2, 1, 3, 1), {},
                 "ERROR!! log IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"SinOfDecimalImaginary", "SIN", "RAD", Dec(0, 0.5), {},
                 "ERROR!! SIN IS NOT DEFINED FOR CMPLX NUMBERS..", F},
    FunctionCase{"LogBeforeDomainCheck", "LOG", "RAD", Dec(-1, 1), {},
                 "ERROR!! log IS NOT DEFINED FOR CMPLX NUMBERS..", F}),
    CaseName);
// clang-format on

// The kernels on plain doubles, as other parts of the engine call them.
TEST(ElementaryKernelTest, KernelsConvertUnitsAndCheckDomains) {
    EXPECT_DOUBLE_EQ(VYXFunctSin().ApplyDouble(90, "DEG"), 1.0);
    EXPECT_DOUBLE_EQ(VYXFunctCos().ApplyDouble(200, "GRA"), -1.0);
    EXPECT_DOUBLE_EQ(VYXFunctSin().ApplyDouble(90, "unknown unit is radians"), std::sin(90.0));
    EXPECT_DOUBLE_EQ(VYXFunctASin().ApplyDouble(1, "GRA"), 100.0);
    EXPECT_DOUBLE_EQ(VYXFunctACos().ApplyDouble(0, "DEG"), 90.0);
    EXPECT_DOUBLE_EQ(VYXFunctLn().ApplyDouble(1, "RAD"), 0.0);
    EXPECT_THROW(VYXFunctLn().ApplyDouble(-1, "RAD"), VYXExceptionFunction);
    EXPECT_THROW(VYXFunctLog().ApplyDouble(0, "RAD"), VYXExceptionFunction);
    EXPECT_THROW(VYXFunctACos().ApplyDouble(-1.0000001, "RAD"), VYXExceptionFunction);
}

} // namespace
