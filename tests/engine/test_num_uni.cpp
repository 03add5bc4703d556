// SPDX-License-Identifier: MIT
// VYXNumUni: derived fields, text forms, literal parsing, arithmetic, powers and their refusals.
#include "VYXNumRational.h"
#include "VYXNumUni.h"
#include "number_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <typeinfo>

namespace {

using number_tests::Apply;
using number_tests::CaseName;
using number_tests::MessageOf;
using number_tests::Op;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kPi = 3.141592653589793;

struct Parts {
    double re;
    double im;
};

// ---- Derived fields and text ----

struct StateCase {
    const char* name;
    Parts value;
    std::string text;
    double fi;
    double abs;
    bool cmplx;
    bool zero;
};

class NumUniStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(NumUniStateTest, DerivedFieldsAndText) {
    const StateCase& c = GetParam();
    VYXNumUni number(c.value.re, c.value.im);
    EXPECT_EQ(number.GetValue(), c.text);
    EXPECT_DOUBLE_EQ(number.GetFI(), c.fi);
    EXPECT_DOUBLE_EQ(number.GetAbsValue(), c.abs);
    EXPECT_EQ(number.IsCmplx(), c.cmplx);
    EXPECT_EQ(number.ISZero(), c.zero);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, NumUniStateTest, testing::Values(
    StateCase{"Zero", {0, 0}, "0", 0, 0, false, true},
    StateCase{"MinusI", {0, -1}, "-i", 4.712388980384693, 1, true, false},
    StateCase{"PlusI", {0, 1}, "i", 1.5707963267949, 1, true, false},
    StateCase{"MinusTwo", {-2, 0}, "-2", kPi, 2, false, false},
    StateCase{"Two", {2, 0}, "2", 0, 2, false, false},
    StateCase{"ImaginaryCoefficient", {0, -2.5}, "-2.5i", 4.712388980384693, 2.5, true, false},
    StateCase{"HalfPlusI", {0.5, 1}, "0.5+i", std::atan2(1, 0.5), std::sqrt(1.25), true, false},
    StateCase{"ThreeMinusTwoI", {3, -2}, "3-2i", std::atan2(-2, 3), std::sqrt(13.0), true, false},
    StateCase{"OneMinusI", {1, -1}, "1-i", -kPi / 4, std::sqrt(2.0), true, false},
    StateCase{"BothFractions", {0.5, 1.5}, "0.5+1.5i", std::atan2(1.5, 0.5), std::sqrt(2.5), true,
              false},
    StateCase{"RoundsToSixDigits", {123456.7, 0}, "123457", 0, 123456.7, false, false},
    StateCase{"HugeInExponentForm", {1e20, 0}, "1e+20", 0, 1e20, false, false}),
    CaseName());
// clang-format on

struct TextCase {
    const char* name;
    Parts value;
    std::string text;
};

class NumUniNonFiniteTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumUniNonFiniteTextTest, PrintsVisibly) {
    VYXNumUni number(GetParam().value.re, GetParam().value.im);
    EXPECT_EQ(number.GetValue(), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NaNAndInfinity, NumUniNonFiniteTextTest, testing::Values(
    TextCase{"BothNaN", {kNaN, kNaN}, "nan+nani"}, TextCase{"ImaginaryNaN", {1, kNaN}, "1+nani"},
    TextCase{"NegativeImaginaryNaN", {1, -kNaN}, "1-nani"},
    TextCase{"RealNaN", {kNaN, -2}, "nan-2i"},
    TextCase{"Infinities", {kInf, -kInf}, "inf-infi"},
    TextCase{"OnlyNaN", {kNaN, 0}, "nan"}, TextCase{"OnlyImaginaryNaN", {0, kNaN}, "nani"}),
    CaseName());
// clang-format on

// ---- Precision, copies, lazy text ----

TEST(NumUniPrecision, PrecisionSetAfterConstructionShowsInGetValue) {
    VYXNumUni twoThirds(2.0 / 3.0, 0);
    twoThirds.SetPrecision(3);
    EXPECT_EQ(twoThirds.GetValue(), "0.667");
    twoThirds.SetPrecision(10);
    EXPECT_EQ(twoThirds.GetValue(), "0.6666666667");
}

TEST(NumUniPrecision, DivisionMessageUsesTheTextAsHeld) {
    VYXNumUni twoThirds(2.0 / 3.0, 0);
    twoThirds.SetPrecision(3);
    const VYXNumUni zero;
    // Not yet updated: the text still has the precision of construction.
    EXPECT_EQ(MessageOf([&] { twoThirds /= zero; }), "ERRROR!! DIVISION BY ZERO!!0.666667/0");
    twoThirds.GetValue();
    EXPECT_EQ(MessageOf([&] { twoThirds /= zero; }), "ERRROR!! DIVISION BY ZERO!!0.667/0");
}

TEST(NumUniCopy, CopyConstructorResetsPrecisionAssignmentKeepsIt) {
    VYXNumUni source(2.0 / 3.0, 1);
    source.SetPrecision(10);
    source.GetValue();
    const VYXNumUni copy(source);
    EXPECT_EQ(copy.GetPrecision(), 6);
    VYXNumUni assigned;
    assigned = source;
    EXPECT_EQ(assigned.GetPrecision(), 10);
    EXPECT_EQ(assigned.GetValue(), "0.6666666667+i");
    VYXNumUni copied(source);
    EXPECT_EQ(copied.GetValue(), "0.666667+i");
}

TEST(NumUniCopy, BinaryOperatorResultHasPrecisionSix) {
    VYXNumUni left(1, 0);
    left.SetPrecision(10);
    EXPECT_EQ((left + VYXNumUni(2, 0)).GetPrecision(), 6);
}

TEST(NumUniCopy, CopyOfARationalTakesItsValue) {
    const VYXNumRational threeQuarters(3, 4, -1, 2);
    VYXNumUni copy(threeQuarters);
    EXPECT_EQ(copy.GetValue(), "0.75-0.5i");
    EXPECT_EQ(typeid(copy), typeid(VYXNumUni));
}

// ---- Literals and setters ----

struct LiteralCase {
    const char* name;
    std::string literal;
    std::string expected; // the text, or the message
};

class NumUniLiteralTest : public testing::TestWithParam<LiteralCase> {};

TEST_P(NumUniLiteralTest, ParsesOrRefusesLeavingTheNumber) {
    VYXNumUni number(7, -3);
    const std::string message = MessageOf([&] { number.SetValue(GetParam().literal); });
    if (message == "no error") {
        EXPECT_EQ(number.GetValue(), GetParam().expected);
    } else {
        EXPECT_EQ(message, GetParam().expected);
        EXPECT_EQ(number.GetValue(), "7-3i");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Literals, NumUniLiteralTest, testing::Values(
    LiteralCase{"Decimal", "2.5", "2.5"}, LiteralCase{"Negative", "-4", "-4"},
    LiteralCase{"LowerI", "i", "i"}, LiteralCase{"PlusI", "+i", "i"},
    LiteralCase{"MinusI", "-i", "-i"}, LiteralCase{"OneI", "1i", "i"},
    LiteralCase{"MinusOneI", "-1i", "-i"}, LiteralCase{"ZeroI", "0i", "0"},
    LiteralCase{"MinusZeroI", "-0i", "0"}, LiteralCase{"UpperI", "2.5I", "2.5i"},
    LiteralCase{"NegativeUpperI", "-3I", "-3i"},
    LiteralCase{"LowerCoefficient", "2.5i", "ERROR! UNABLE TO PARSE THE NUMBER: 2.5ii.."},
    LiteralCase{"IInTheMiddle", "1I2", "ERROR! UNABLE TO PARSE THE NUMBER: 1I2i.."},
    LiteralCase{"OnlyUpperI", "I", "ERROR! CANNOT CONVERT ' ' TO A NUMBER!!"},
    LiteralCase{"Empty", "", "ERROR! CANNOT CONVERT ' ' TO A NUMBER!!"},
    LiteralCase{"Garbage", "12x",
                "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: 12x TO DOUBLE.."}),
    CaseName());
// clang-format on

TEST(NumUniSetters, EachSetterKeepsTheOtherPart) {
    VYXNumUni number(0, 1);
    number.SetRealValue(std::string("2.5"));
    EXPECT_EQ(number.GetValue(), "2.5+i");
    number.SetCmplxValue(std::string("-1"));
    EXPECT_EQ(number.GetValue(), "2.5-i");
    number.SetRealValue(0.0);
    EXPECT_EQ(number.GetValue(), "-i");
    number.SetCmplxValue(4.0);
    EXPECT_EQ(number.GetValue(), "4i");
    number.SetValue(3, 7, 4, 9);
    EXPECT_EQ(number.GetValue(), "3+4i") << "the divisors are ignored";
    EXPECT_NE(MessageOf([&] { number.SetRealValue(std::string("x")); }), "no error");
    EXPECT_EQ(number.GetValue(), "3+4i");
}

struct DerivedNumberCase {
    const char* name;
    VYXNum* (VYXNum::*make)() const;
    std::string text;
};

class NumUniDerivedNumberTest : public testing::TestWithParam<DerivedNumberCase> {};

TEST_P(NumUniDerivedNumberTest, NewComplexDoubleNumber) {
    const VYXNumUni number(3, -4);
    const std::unique_ptr<VYXNum> made((number.*GetParam().make)());
    ASSERT_NE(made, nullptr);
    const VYXNum& madeRef = *made;
    EXPECT_EQ(typeid(madeRef), typeid(VYXNumUni));
    EXPECT_EQ(made->GetValue(), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Getters, NumUniDerivedNumberTest, testing::Values(
    DerivedNumberCase{"Abs", &VYXNum::GetABSValue, "5"},
    DerivedNumberCase{"RealPart", &VYXNum::GetRealPrt, "3"},
    DerivedNumberCase{"ImaginaryPartAsReal", &VYXNum::GetImgPrt, "-4"},
    DerivedNumberCase{"Conjugate", &VYXNum::GetCNJ, "3+4i"}),
    CaseName());
// clang-format on

// ---- Arithmetic ----

struct ArithmeticCase {
    const char* name;
    Op op;
    Parts left;
    Parts right;
    std::string expected; // the text, or the message
};

class NumUniArithmeticTest : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(NumUniArithmeticTest, InPlace) {
    const ArithmeticCase& c = GetParam();
    VYXNumUni left(c.left.re, c.left.im);
    const std::string before = left.GetValue();
    const std::string message = Apply(c.op, left, VYXNumUni(c.right.re, c.right.im));
    if (message == "no error") {
        EXPECT_EQ(left.GetValue(), c.expected);
    } else {
        EXPECT_EQ(message, c.expected);
        EXPECT_EQ(left.GetValue(), before) << "a failing operation changes nothing";
    }
}

const std::string kCmplxExponent = "ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Basic, NumUniArithmeticTest, testing::Values(
    ArithmeticCase{"AddReals", Op::Add, {1, 0}, {2, 0}, "3"},
    ArithmeticCase{"AddImaginaries", Op::Add, {0, 2}, {0, 3}, "5i"},
    ArithmeticCase{"AddCancelsImaginary", Op::Add, {1, 2}, {3, -2}, "4"},
    ArithmeticCase{"AddToZero", Op::Add, {0, 0}, {1, -1}, "1-i"},
    ArithmeticCase{"AddZero", Op::Add, {1, 1}, {0, 0}, "1+i"},
    ArithmeticCase{"SubFromZero", Op::Sub, {0, 0}, {1, -1}, "-1+i"},
    ArithmeticCase{"SubToZero", Op::Sub, {1, 2}, {1, 2}, "0"},
    ArithmeticCase{"SubImaginaries", Op::Sub, {0, 3}, {0, 1}, "2i"},
    ArithmeticCase{"MulReals", Op::Mul, {2, 0}, {3, 0}, "6"},
    ArithmeticCase{"MulImaginaries", Op::Mul, {0, 2}, {0, 3}, "-6"},
    ArithmeticCase{"MulConjugates", Op::Mul, {1, 1}, {1, -1}, "2"},
    ArithmeticCase{"MulComplex", Op::Mul, {1, 2}, {3, 4}, "-5+10i"},
    ArithmeticCase{"MulZeroByInfinity", Op::Mul, {0, 0}, {kInf, 0}, "0"},
    ArithmeticCase{"DivReals", Op::Div, {1, 0}, {4, 0}, "0.25"},
    ArithmeticCase{"DivImaginaries", Op::Div, {0, 6}, {0, 3}, "2"},
    ArithmeticCase{"DivComplex", Op::Div, {1, 2}, {3, -4}, "-0.2+0.4i"},
    ArithmeticCase{"DivZeroByThree", Op::Div, {0, 0}, {3, 0}, "0"},
    ArithmeticCase{"DivByZero", Op::Div, {1.5, 0}, {0, 0}, "ERRROR!! DIVISION BY ZERO!!1.5/0"},
    ArithmeticCase{"DivComplexByZero", Op::Div, {1, -1}, {0, 0},
                   "ERRROR!! DIVISION BY ZERO!!1-i/0"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(Powers, NumUniArithmeticTest, testing::Values(
    ArithmeticCase{"TwoToZero", Op::Pow, {2, 0}, {0, 0}, "1"},
    ArithmeticCase{"MinusTwoToZeroIsOne", Op::Pow, {-2, 0}, {0, 0}, "1"},
    ArithmeticCase{"TwoToTen", Op::Pow, {2, 0}, {10, 0}, "1024"},
    ArithmeticCase{"SquareRoot", Op::Pow, {4, 0}, {0.5, 0}, "2"},
    ArithmeticCase{"ZeroToMinusOne", Op::Pow, {0, 0}, {-1, 0}, "inf"},
    ArithmeticCase{"OnePlusIToOne", Op::Pow, {1, 1}, {1, 0}, "1+i"},
    ArithmeticCase{"OnePlusISquared", Op::Pow, {1, 1}, {2, 0}, "2i"},
    ArithmeticCase{"OnePlusICubed", Op::Pow, {1, 1}, {3, 0}, "-2+2i"},
    ArithmeticCase{"IToTheFourth", Op::Pow, {0, 1}, {4, 0}, "1"},
    ArithmeticCase{"OnePlusIToMinusOne", Op::Pow, {1, 1}, {-1, 0}, "0.5-0.5i"},
    ArithmeticCase{"OnePlusIToMinusTwo", Op::Pow, {1, 1}, {-2, 0}, "-0.5i"},
    ArithmeticCase{"ZeroToZero", Op::Pow, {0, 0}, {0, 0}, "ERROR!! CANNOT POWER ZERO WITH ZERO!!"},
    ArithmeticCase{"ComplexToZero", Op::Pow, {1, 1}, {0, 0},
                   "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!"},
    ArithmeticCase{"ComplexToHalf", Op::Pow, {1, 1}, {0.5, 0},
                   "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!"},
    ArithmeticCase{"ComplexToInfinity", Op::Pow, {1, 1}, {kInf, 0},
                   "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!"},
    ArithmeticCase{"ComplexToNaN", Op::Pow, {0, 1}, {kNaN, 0},
                   "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!"},
    ArithmeticCase{"RealToComplex", Op::Pow, {2, 0}, {1, 1}, kCmplxExponent},
    ArithmeticCase{"ZeroToImaginary", Op::Pow, {0, 0}, {0, 1}, kCmplxExponent},
    ArithmeticCase{"ComplexToComplexChecksExponentFirst", Op::Pow, {1, 1}, {0.5, 1},
                   kCmplxExponent},
    ArithmeticCase{"ReciprocalOfUnderflow", Op::Pow, {1e-200, 1e-200}, {-2, 0},
                   "ERRROR!! DIVISION BY ZERO!!1/0"},
    ArithmeticCase{"UnitPowerByRepeatedProducts", Op::Pow, {0, -1}, {1000000, 0}, "1"},
    ArithmeticCase{"UnitPowerBySquaring", Op::Pow, {0, -1}, {1000001, 0}, "-i"},
    ArithmeticCase{"UnitPowerHugeExponent", Op::Pow, {0, 1}, {4e15 + 2, 0}, "-1"},
    ArithmeticCase{"UnitPowerNegativeHugeExponent", Op::Pow, {0, 1}, {-(4e15 + 1), 0}, "-i"},
    ArithmeticCase{"SmallBaseUnderflowsToZero", Op::Pow, {0.5, 0.5}, {1e300, 0}, "0"}),
    CaseName());
// clang-format on

TEST(NumUniPower, NegativeBaseToAFractionIsNotANumber) {
    VYXNumUni base(-8, 0);
    base ^= VYXNumUni(1.0 / 3.0, 0);
    EXPECT_TRUE(std::isnan(base.GetRealValue()));
    EXPECT_NE(base.GetValue().find("nan"), std::string::npos);
}

class NumUniHugePowerTest : public testing::TestWithParam<double> {};

TEST_P(NumUniHugePowerTest, ComplexBaseFinishesWithoutAFiniteValue) {
    // Only that these return at all matters; the results overflow or vanish.
    VYXNumUni base(1, 1);
    base ^= VYXNumUni(GetParam(), 0);
    const bool finite = std::isfinite(base.GetRealValue()) && std::isfinite(base.GetCmplxValue());
    EXPECT_TRUE(!finite || base.ISZero()) << base.GetValue();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Exponents, NumUniHugePowerTest, testing::Values(
    2147483647.0, -2147483647.0, 1e300, -1e300, 999999.0));
// clang-format on

TEST(NumUniPower, RepeatedAndSquaringAgreeOnExactValues) {
    // (1+i)^8 = 16 exactly; both strategies must find it, so compare around the switch-over.
    VYXNumUni small(1, 1);
    small ^= VYXNumUni(8, 0);
    EXPECT_EQ(small.GetValue(), "16");
    VYXNumUni unit(0, 1);
    unit ^= VYXNumUni(1000003, 0);
    EXPECT_EQ(unit.GetValue(), "-i");
}

TEST(NumUniOperators, BinaryOperatorsLeaveOperandsAlone) {
    const VYXNumUni a(1, 2);
    const VYXNumUni b(3, -4);
    EXPECT_EQ((a + b).GetValue(), "4-2i");
    EXPECT_EQ((a - b).GetValue(), "-2+6i");
    EXPECT_EQ((a * b).GetValue(), "11+2i");
    EXPECT_EQ((a / b).GetValue(), "-0.2+0.4i");
    EXPECT_EQ((a ^ VYXNumUni(2, 0)).GetValue(), "-3+4i");
    EXPECT_EQ(VYXNumUni(a).GetValue(), "1+2i");
}

TEST(NumUniOperators, SelfMultiplicationUsesTheOldParts) {
    VYXNumUni x(1, 2);
    x *= x;
    EXPECT_EQ(x.GetValue(), "-3+4i");
}

} // namespace
