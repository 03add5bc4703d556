// SPDX-License-Identifier: MIT
// The Try routines of exact arithmetic: exact results, the 2^53 limits, fall-back and refusals.
#include "VYXExceptions.h"
#include "VYXRationalArithmetic.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const double kTwo53 = 9007199254740992.0;
const double kTwo60 = 1152921504606846976.0;

struct Fraction4 {
    double rn;
    double rd;
    double cn;
    double cd;

    VYXNumRational Make() const { return VYXNumRational(rn, rd, cn, cd); }
};

Fraction4 Real(double num, double div = 1) {
    return {num, div, 0, 1};
}

using TryRoutine = bool (*)(const VYXNumRational&, const VYXNumRational&, VYXNumRational&);

struct TryCase {
    const char* name;
    TryRoutine routine;
    Fraction4 a;
    Fraction4 b;
    bool exact;
    std::string text; // the stored result when exact
};

class TryRoutineTest : public testing::TestWithParam<TryCase> {};

TEST_P(TryRoutineTest, StoresExactResultOrLeavesResultUntouched) {
    const TryCase& c = GetParam();
    VYXNumRational result(42, 5, 0, 1);
    ASSERT_EQ(c.routine(c.a.Make(), c.b.Make(), result), c.exact);
    EXPECT_EQ(result.GetValue(), c.exact ? c.text : "42/5");
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, TryRoutineTest,
    testing::Values(
        TryCase{"AddFractions", TryRationalAdd, Real(1, 2), Real(1, 3), true, "5/6"},
        TryCase{"AddToTwo53", TryRationalAdd, Real(kTwo53 - 1), Real(1), true, "9007199254740992"},
        TryCase{"AddPastTwo53", TryRationalAdd, Real(kTwo53), Real(1), false, ""},
        // The cross products pass 2^63 although the reduced sum fits.
        TryCase{"AddNearlyOppositeFractions", TryRationalAdd, Real(4503599627370501.0, 67108865),
                Real(-4503599627370497.0, 67108863), true, "-9007198986305542/4503599627370495"},
        TryCase{"SubtractComplex", TryRationalSubtract, {1, 2, 1, 3}, {1, 2, -2, 3}, true, "i"},
        TryCase{"SubtractPastMinusTwo53", TryRationalSubtract, Real(-kTwo53), Real(1), false, ""},
        TryCase{"DivisorsPastTwo53", TryRationalAdd, Real(1, 94906267), Real(1, 94906265), false,
                ""},
        TryCase{"Two52TimesTwo", TryRationalMultiply, Real(kTwo53 / 2), Real(2), true,
                "9007199254740992"},
        TryCase{"ProductTooBig", TryRationalMultiply, Real(123456789), Real(987654321), false, ""},
        TryCase{"ProductCancels", TryRationalMultiply, Real(123456789, 987654321),
                Real(987654321, 123456789), true, "1"},
        TryCase{"ComplexProductTooBig",
                TryRationalMultiply,
                {1073741824, 1, 1073741824, 1},
                {1073741824, 1, -1073741824, 1},
                false,
                ""},
        TryCase{"ComplexProduct", TryRationalMultiply, {1, 2, 1, 1}, {1, 1, -1, 2}, true, "1+3i/4"},
        TryCase{"TinyQuotient", TryRationalDivide, Real(1), Real(100000000), true, "1/100000000"},
        TryCase{"RealDivisorNotSquared", TryRationalDivide, Real(1),
                Real(kTwo53 / 2 - 1, kTwo53 / 2 - 3), true, "4503599627370493/4503599627370495"},
        TryCase{"ImaginaryByRealDivisor", TryRationalDivide, {0, 1, 3, 1}, Real(6), true, "i/2"},
        TryCase{
            "ComplexQuotient", TryRationalDivide, {1, 1, 2, 1}, {3, 1, -4, 1}, true, "-1/5+2i/5"},
        TryCase{"QuotientTooSmall", TryRationalDivide, Real(1, kTwo53), Real(3), false, ""},
        TryCase{"HugeOperandByTheIntegerRule", TryRationalMultiply, Real(kTwo60), Real(3), true,
                "3.45876e+18"},
        TryCase{"HugeOperandReduced", TryRationalMultiply, Real(kTwo60), Real(1, 1099511627776.0),
                true, "1048576"},
        TryCase{"HugeOperandOffTheRule", TryRationalMultiply, Real(kTwo60), Real(1, 3), true,
                "1.15292e+18/3"},
        TryCase{"HugeOperandOverflows", TryRationalMultiply, Real(1e300), Real(1e10), false, ""}),
    [](const testing::TestParamInfo<TryCase>& info) { return std::string(info.param.name); });

// clang-format off
INSTANTIATE_TEST_SUITE_P(Powers, TryRoutineTest, testing::Values(
    TryCase{"ThreeTo33", TryRationalPower, Real(3), Real(33), true, "5559060566555523"},
    TryCase{"ThreeTo34", TryRationalPower, Real(3), Real(34), false, ""},
    TryCase{"ThreeTo40", TryRationalPower, Real(3), Real(40), false, ""},
    TryCase{"TwoTo53", TryRationalPower, Real(2), Real(53), true, "9007199254740992"},
    TryCase{"MinusTwoTo53", TryRationalPower, Real(-2), Real(53), true, "-9007199254740992"},
    TryCase{"TwoTo54", TryRationalPower, Real(2), Real(54), false, ""},
    TryCase{"HalfTo53", TryRationalPower, Real(1, 2), Real(53), true, "1/9007199254740992"},
    TryCase{"TwoToMinus53", TryRationalPower, Real(2), Real(-53), true, "1/9007199254740992"},
    TryCase{"TwoThirdsToMinus3", TryRationalPower, Real(2, 3), Real(-3), true, "27/8"},
    TryCase{"MinusTwoToZero", TryRationalPower, Real(-2), Real(0), true, "1"},
    TryCase{"OnePlusIToMinusFour", TryRationalPower, {1, 1, 1, 1}, Real(-4), true, "-1/4"},
    TryCase{"HalfPlusHalfISquared", TryRationalPower, {1, 2, 1, 2}, Real(2), true, "i/2"},
    TryCase{"ITo2To53", TryRationalPower, {0, 1, 1, 1}, Real(kTwo53), true, "1"},
    TryCase{"OnePlusIToIntMax", TryRationalPower, {1, 1, 1, 1}, Real(2147483647), false, ""},
    TryCase{"OnePlusIToMinusIntMax", TryRationalPower, {1, 1, 1, 1}, Real(-2147483647), false, ""},
    TryCase{"TwoToHuge", TryRationalPower, Real(2), Real(1e300), false, ""},
    TryCase{"HalfToHuge", TryRationalPower, Real(1, 2), Real(1e300), false, ""},
    TryCase{"MinusOneToHuge", TryRationalPower, Real(-1), Real(1e300), true, "1"},
    TryCase{"FractionalExponentIsNotExactHere", TryRationalPower, Real(4), Real(1, 2), false, ""}),
    [](const testing::TestParamInfo<TryCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(TryRoutines, ResultMayBeAnOperand) {
    VYXNumRational x(1, 2, 1, 3);
    ASSERT_TRUE(TryRationalMultiply(x, x, x));
    EXPECT_EQ(x.GetValue(), "5/36+i/3");
    ASSERT_TRUE(TryRationalDivide(x, x, x));
    EXPECT_EQ(x.GetValue(), "1");
    VYXNumRational twoThirds(2, 3, 0, 1);
    ASSERT_TRUE(TryRationalPower(twoThirds, VYXNumRational(-2, 1, 0, 1), twoThirds));
    EXPECT_EQ(twoThirds.GetValue(), "9/4");
}

TEST(TryRoutines, ResultKeepsItsPrecision) {
    VYXNumRational result;
    result.SetPrecision(10);
    ASSERT_TRUE(TryRationalDivide(Real(2).Make(), Real(3).Make(), result));
    EXPECT_EQ(result.GetPrecision(), 10);
    EXPECT_EQ(result.VYXNumUni::GetValue(), "0.6666666667");
}

struct RefusalCase {
    const char* name;
    TryRoutine routine;
    Fraction4 a;
    Fraction4 b;
    std::string message;
};

class TryRoutineRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(TryRoutineRefusalTest, ThrowsAndLeavesResultUntouched) {
    const RefusalCase& c = GetParam();
    VYXNumRational result(42, 5, 0, 1);
    std::string message = "no error";
    try {
        c.routine(c.a.Make(), c.b.Make(), result);
    } catch (const VYXExceptionNumberFormat& e) {
        message = e.GetMessage();
    }
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(result.GetValue(), "42/5");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Refusals, TryRoutineRefusalTest, testing::Values(
    RefusalCase{"DivideByZero", TryRationalDivide, Real(1), Real(0), "ERRROR!! DIVISION BY ZERO!!"},
    RefusalCase{"ZeroToMinusOne", TryRationalPower, Real(0), Real(-1),
                "ERRROR!! DIVISION BY ZERO!!"},
    RefusalCase{"ComplexExponent", TryRationalPower, Real(2), {0, 1, 1, 1},
                "ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!"},
    RefusalCase{"ComplexBaseFractionalExponent", TryRationalPower, {1, 1, 1, 1}, Real(1, 2),
                "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!"},
    RefusalCase{"ComplexBaseToZero", TryRationalPower, {1, 1, 1, 1}, Real(0),
                "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!.. ATLEAST NOT HERE.."},
    RefusalCase{"ZeroToZero", TryRationalPower, Real(0), Real(0),
                "ERROR!! CANNOT POWER ZERO WITH ZERO!!"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(RationalOperationCore, NamesThePartThatLeftTheRange) {
    VYXNumRational result;
    EXPECT_EQ(ApplyRationalOperation(VYXRationalOperation::Multiply, Real(123456789).Make(),
                                     Real(987654321).Make(), result),
              VYXInexactPart::Real);
    EXPECT_EQ(ApplyRationalOperation(VYXRationalOperation::Multiply,
                                     VYXNumRational(3, 1, 123456789, 1), Real(987654321).Make(),
                                     result),
              VYXInexactPart::Imaginary);
    EXPECT_EQ(result.GetValue(), "0");
}

TEST(RationalOperationCore, ComplexDoubleFallBackUsesTheValues) {
    const VYXNumUni value =
        ApplyComplexDoubleOperation(VYXRationalOperation::Power, Real(3).Make(), Real(40).Make());
    EXPECT_EQ(value.GetRealValue(), 12157665459056928801.0);
    const VYXNumUni sum = ApplyComplexDoubleOperation(
        VYXRationalOperation::Add, VYXNumRational(1, 3, 1, 1), Real(1, 3).Make());
    EXPECT_EQ(VYXNumUni(sum).GetValue(), "0.666667+i");
}

} // namespace
