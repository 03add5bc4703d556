// SPDX-License-Identifier: MIT
// The power and root operators and the square root: exact and decimal paths, range fallbacks.
#include "VYXFunctPowers.h"
#include "function_test_support.h"

#include <cmath>

using namespace function_tests;

namespace {

constexpr Outcome R = Outcome::Rational;
constexpr Outcome D = Outcome::Decimal;
constexpr Outcome F = Outcome::FunctionError;
constexpr Outcome N = Outcome::NumberFormatError;

const std::string kComplexExponent = "ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!";
const std::string kComplexBaseFraction =
    "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!";

class PowerTest : public testing::TestWithParam<FunctionCase> {};

TEST_P(PowerTest, GivesTextAndKind) {
    ExpectOutcome(ApplyThroughTable(GetParam()), GetParam().expectedText,
                  GetParam().expectedOutcome);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ExactIntegerExponent, PowerTest, testing::Values(
    FunctionCase{"TwoTo10", "^", "RAD", Rat(2), Rat(10), "1024", R},
    FunctionCase{"TwoToMinus2", "^", "RAD", Rat(2), Rat(-2), "1/4", R},
    FunctionCase{"ThirdCubed", "^", "RAD", Rat(-1, 3), Rat(3), "-1/27", R},
    FunctionCase{"OnePlusICubed", "^", "RAD", Rat(1, 1, 1, 1), Rat(3), "-2+2i", R},
    FunctionCase{"OnePlusISquared", "^", "RAD", Rat(1, 1, 1, 1), Rat(2), "2i", R},
    FunctionCase{"TwoToZero", "^", "RAD", Rat(2), Rat(0), "1", R},
    FunctionCase{"MinusTwoToZero", "^", "RAD", Rat(-2), Rat(0), "1", R},
    FunctionCase{"UnitIgnored", "^", "DEG", Rat(2), Rat(3), "8", R},
    FunctionCase{"ZeroToZero", "^", "RAD", Rat(0), Rat(0), "ERROR!! CANNOT POWER ZERO WITH ZERO!!",
                 N},
    FunctionCase{"ComplexToZero", "^", "RAD", Rat(1, 1, 1, 1), Rat(0),
                 "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!.. ATLEAST NOT HERE..", N},
    FunctionCase{"IntegerComplexExponent", "^", "RAD", Rat(2), Rat(1, 1, 1, 1), kComplexExponent,
                 N}),
    CaseName);
// clang-format on

// Results beyond the exact range continue as decimals instead of failing.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ExactRangeFallback, PowerTest, testing::Values(
    FunctionCase{"ThreeTo40", "^", "RAD", Rat(3), Rat(40), "1.21577e+19", D},
    FunctionCase{"TwoTo1E300", "^", "RAD", Rat(2), Rat(1e300), "inf", D},
    FunctionCase{"FourNinthsToThousandThirds", "^", "RAD", Rat(4, 9), Rat(1000, 3), "4.03485e-118",
                 D},
    FunctionCase{"ThirdToMinusTenThousandThirds", "^", "RAD", Rat(1, 3), Rat(-10000, 3), "inf", D}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(FractionalExponent, PowerTest, testing::Values(
    FunctionCase{"TwoToDecimalHalf", "^", "RAD", Rat(2), Dec(0.5), "1.41421", D},
    FunctionCase{"TwoToRationalHalf", "^", "RAD", Rat(2), Rat(1, 2), "1.41421", D},
    FunctionCase{"FourToRationalHalf", "^", "RAD", Rat(4), Rat(1, 2), "2", D},
    FunctionCase{"EightTwentySevenths", "^", "RAD", Rat(8, 27), Rat(2, 3), "0.444444", D},
    FunctionCase{"FourToMinusHalf", "^", "RAD", Rat(4), Rat(-1, 2), "0.5", D},
    FunctionCase{"DecimalBaseIntegerExponent", "^", "RAD", Dec(1.5), Rat(2), "2.25", D},
    FunctionCase{"ComplexBaseRationalHalf", "^", "RAD", Rat(1, 1, 1, 1), Rat(1, 2),
                 kComplexBaseFraction, N},
    FunctionCase{"RationalComplexExponent", "^", "RAD", Rat(2), Rat(1, 2, 1, 1), kComplexExponent,
                 N},
    FunctionCase{"DecimalComplexExponent", "^", "RAD", Dec(2), Dec(1, 1), kComplexExponent, N},
    FunctionCase{"DecimalComplexBase", "^", "RAD", Dec(1, 1), Dec(0.5), kComplexBaseFraction, N}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Root, PowerTest, testing::Values(
    FunctionCase{"CubeRootOf8", "~", "RAD", Rat(3), Rat(8), "2", D},
    FunctionCase{"SquareRootOf9", "~", "DEG", Rat(2), Rat(9), "3", D},
    FunctionCase{"FirstRootOf5", "~", "RAD", Rat(1), Rat(5), "5", R},
    FunctionCase{"MinusSecondRootOf4", "~", "RAD", Rat(-2), Rat(4), "0.5", D},
    FunctionCase{"CubeRootOf1000", "~", "RAD", Rat(3), Rat(1000), "10", D},
    FunctionCase{"DecimalIndex", "~", "RAD", Dec(2), Rat(16), "4", D},
    FunctionCase{"ZeroIndexRational", "~", "RAD", Rat(0), Rat(5), "ERRROR!! DIVISION BY ZERO!!", N},
    FunctionCase{"ZeroIndexDecimal", "~", "RAD", Dec(0), Dec(5), "ERRROR!! DIVISION BY ZERO!!1/0",
                 N},
    FunctionCase{"ComplexIndex", "~", "RAD", Rat(1, 1, 1, 1), Rat(4), kComplexExponent, N}),
    CaseName);
// clang-format on

INSTANTIATE_TEST_SUITE_P(
    SquareRoot, PowerTest,
    testing::Values(
        FunctionCase{"Zero", "SQRT", "RAD", Rat(0), {}, "0", R},
        FunctionCase{"Sixteen", "SQRT", "RAD", Rat(16), {}, "4", R},
        FunctionCase{"Two", "SQRT", "RAD", Rat(2), {}, "1.41421", D},
        FunctionCase{"NineQuarters", "SQRT", "RAD", Rat(9, 4), {}, "1.5", D},
        FunctionCase{"MinusFour", "SQRT", "RAD", Rat(-4), {}, "2i", R},
        FunctionCase{"MinusTwo", "SQRT", "DEG", Dec(-2), {}, "1.41421i", D},
        FunctionCase{"ThreePlusFourI", "SQRT", "RAD", Rat(3, 1, 4, 1), {}, "2+i", R},
        FunctionCase{"MinusFourI", "SQRT", "RAD", Rat(0, 1, -4, 1), {}, "1.41421-1.41421i", D},
        FunctionCase{"MinusTwoI", "SQRT", "RAD", Rat(0, 1, -2, 1), {}, "1-i", R},
        FunctionCase{"I", "SQRT", "RAD", Rat(0, 1, 1, 1), {}, "0.707107+0.707107i", D},
        FunctionCase{"MinusThreePlusFourI", "SQRT", "RAD", Dec(-3, 4), {}, "1+2i", R},
        // Finite although the squares of the parts overflow; both parts are multiples of 2^31.
        FunctionCase{
            "HugeComplex", "SQRT", "RAD", Dec(1e300, 1e300), {}, "1.09868e+150+4.5509e+149i", R}),
    CaseName);

// The two-double forms, used by the rational-exponent scheme.
class ApplyDoublesTest : public testing::Test {};

TEST_F(ApplyDoublesTest, PowerStaysExactForIntegers) {
    VYXFunctPow pow;
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(2, 10, "RAD"); }), "1024", R);
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(2, -1, "RAD"); }), "1/2", R);
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(2, 0.5, "RAD"); }), "1.41421", D);
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(3, 40, "RAD"); }), "1.21577e+19", D);
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(0, 0, "RAD"); }),
                  "ERROR!! CANNOT POWER ZERO WITH ZERO!!", N);
}

TEST_F(ApplyDoublesTest, RootIsWrapped) {
    VYXFunctNrt root;
    ExpectOutcome(Observe([&] { return root.ApplyDoubles(2, 16, "RAD"); }), "4", R);
    ExpectOutcome(Observe([&] { return root.ApplyDoubles(3, 2, "RAD"); }), "1.25992", D);
}

TEST(SquareRootKernelTest, NegativeArgumentThrowsI) {
    VYXFunctSqrt sqrt;
    EXPECT_DOUBLE_EQ(sqrt.ApplyDouble(2.25, "RAD"), 1.5);
    ExpectOutcome(Observe([&]() -> VYXNum* {
                      sqrt.ApplyDouble(-1, "RAD");
                      return nullptr;
                  }),
                  "i", F);
}

// A complex base with a huge integer exponent must end quickly, whatever the path.
TEST(PowerRangeTest, HugeExponentOfComplexBaseEnds) {
    VYXFunctPow pow;
    VYXNumRational base(1, 1, 1, 1);
    VYXNumRational exponent(2147483647, 1, 0, 1);
    const Observed observed = Observe([&] { return pow.Apply(&base, &exponent, "RAD"); });
    EXPECT_EQ(OutcomeName(observed.outcome), std::string(OutcomeName(D)));
}

} // namespace
