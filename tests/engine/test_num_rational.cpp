// SPDX-License-Identifier: MIT
// VYXNumRational: normalised fractions, rational text, literals, exact operators and refusals.
#include "VYXNumRational.h"
#include "number_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <typeinfo>

namespace {

using number_tests::Apply;
using number_tests::CaseName;
using number_tests::MessageOf;
using number_tests::Op;

const double kTwo53 = 9007199254740992.0;
const double kTwo20 = 1048576.0;
const double kTwo40 = 1099511627776.0;

struct Fraction4 {
    double rn, rd, cn, cd;
};

VYXNumRational Make(const Fraction4& f) {
    return VYXNumRational(f.rn, f.rd, f.cn, f.cd);
}

// ---- Construction, normalisation and text ----

struct TextCase {
    const char* name;
    Fraction4 in;
    std::string text;
    Fraction4 stored;
};

class RationalTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(RationalTextTest, NormalisesAndPrints) {
    const TextCase& c = GetParam();
    VYXNumRational number = Make(c.in);
    EXPECT_EQ(number.GetValue(), c.text);
    EXPECT_EQ(number.GetREALNumerator(), c.stored.rn);
    EXPECT_EQ(number.GetRealDivisor(), c.stored.rd);
    EXPECT_EQ(number.GetCMPLXNumerator(), c.stored.cn);
    EXPECT_EQ(number.GetCMPLXDivisor(), c.stored.cd);
    EXPECT_DOUBLE_EQ(number.GetRealValue(), c.stored.rn / c.stored.rd);
    EXPECT_DOUBLE_EQ(number.GetCmplxValue(), c.stored.cn / c.stored.cd);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fractions, RationalTextTest, testing::Values(
    TextCase{"NegativeDivisor", {6, -8, 0, 1}, "-3/4", {-3, 4, 0, 1}},
    TextCase{"Zero", {0, 7, 0, -3}, "0", {0, 1, 0, 1}},
    TextCase{"Integer", {12, 4, 0, 1}, "3", {3, 1, 0, 1}},
    TextCase{"ImaginaryFraction", {0, 1, 3, 4}, "3i/4", {0, 1, 3, 4}},
    TextCase{"MinusIHalf", {0, 5, 3, -6}, "-i/2", {0, 1, -1, 2}},
    TextCase{"ImaginaryUnit", {0, 1, 2, 2}, "i", {0, 1, 1, 1}},
    TextCase{"BothFractions", {1, 2, 3, 4}, "1/2+3i/4", {1, 2, 3, 4}},
    TextCase{"TwoMinusI", {2, 1, -1, 1}, "2-i", {2, 1, -1, 1}},
    TextCase{"TwoPlusI", {2, 1, 1, 1}, "2+i", {2, 1, 1, 1}},
    TextCase{"ThirdMinusFiveSevenths", {1, 3, -5, 7}, "1/3-5i/7", {1, 3, -5, 7}},
    TextCase{"MillionInAllDigits", {1000000, 1, 0, 1}, "1000000", {1000000, 1, 0, 1}},
    TextCase{"LargeDivisor", {7, 3000000, 0, 1}, "7/3000000", {7, 3000000, 0, 1}},
    TextCase{"ThirteenFactorial", {6227020800.0, 1, 0, 1}, "6227020800", {6227020800.0, 1, 0, 1}},
    TextCase{"Two53", {kTwo53, 1, 0, 1}, "9007199254740992", {kTwo53, 1, 0, 1}},
    TextCase{"Two53Reduced", {kTwo53, kTwo53 / 2, 0, 1}, "2", {2, 1, 0, 1}},
    TextCase{"AboveTwo53DefaultForm", {2 * kTwo53, 1, 0, 1}, "1.80144e+16", {2 * kTwo53, 1, 0, 1}},
    TextCase{"AboveTwo53ReducedSafely", {3 * kTwo53 * 128, 3, 0, 1}, "1.15292e+18",
             {kTwo53 * 128, 1, 0, 1}},
    TextCase{"AboveTwo53KeptWhenReductionLeavesTheRule",
             {(kTwo53 / 2 + 1) * kTwo40, kTwo20, 0, 1}, "4.95176e+27/1048576",
             {(kTwo53 / 2 + 1) * kTwo40, kTwo20, 0, 1}}),
    CaseName());
// clang-format on

TEST(RationalText, ValueGettersGiveValuesNotNumerators) {
    const VYXNumRational number(6, -8, 0, 1);
    EXPECT_EQ(number.GetRealNumerator(), -0.75);
    EXPECT_EQ(number.GetRealValue(), -0.75);
    EXPECT_EQ(number.GetREALNumerator(), -3);
}

TEST(RationalText, DecimalTextFollowsThePrecision) {
    VYXNumRational million(1000000, 1, 0, 1);
    EXPECT_EQ(million.GetValue(), "1000000");
    EXPECT_EQ(million.VYXNumUni::GetValue(), "1e+06");
    million.SetPrecision(7);
    EXPECT_EQ(million.VYXNumUni::GetValue(), "1000000");
}

struct ErrorCase {
    const char* name;
    Fraction4 in;
    std::string message;
};

class RationalConstructorErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(RationalConstructorErrorTest, RefusesWithItsOwnMessages) {
    EXPECT_EQ(MessageOf([&] { Make(GetParam().in); }), GetParam().message);
}

const std::string kNotInteger = " NOT AN INTEGER: ";
const std::string kCantMake = "...CANT MAKE A RATIONAL NUMBER!!";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Constructor, RationalConstructorErrorTest, testing::Values(
    ErrorCase{"RealDivisorZero", {3, 0, 0, 1}, "DIVISION BY ZERO: 3/0"},
    ErrorCase{"ImaginaryDivisorZero", {1, 1, 5, 0}, "DIVISION BY ZERO: 5/0"},
    ErrorCase{"RealDivisorZeroFirst", {3, 0, 5, 0}, "DIVISION BY ZERO: 3/0"},
    ErrorCase{"ZeroDivisorBeforeNonInteger", {1, 1, 0.5, 0}, "DIVISION BY ZERO: 0.5/0"},
    ErrorCase{"RealNumerator", {1.5, 2, 0, 1}, "NUMERATOR" + kNotInteger + "1.5" + kCantMake},
    ErrorCase{"RealDivisor", {1, 2.5, 0, 1}, "DIVISOR" + kNotInteger + "2.5" + kCantMake},
    ErrorCase{"NumeratorBeforeDivisor", {1.5, 2.5, 0, 1},
              "NUMERATOR" + kNotInteger + "1.5" + kCantMake},
    ErrorCase{"ImaginaryNumerator", {1, 1, 0.5, 1}, "NUMERATOR" + kNotInteger + "0.5" + kCantMake},
    ErrorCase{"ImaginaryDivisor", {1, 1, 1, 0.25}, "DIVISOR" + kNotInteger + "0.25" + kCantMake},
    ErrorCase{"NotANumber", {std::nan(""), 1, 0, 1}, "NUMERATOR" + kNotInteger + "nan" + kCantMake},
    ErrorCase{"AboveTwo53OffTheRule", {kTwo53 + 2, 1, 0, 1},
              "NUMERATOR NOT AN INTEGER: 9.0072e+15...CANT MAKE A RATIONAL NUMBER!!"}),
    CaseName());
// clang-format on

class RationalSetValueErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(RationalSetValueErrorTest, NamesTheArgumentAndChangesNothing) {
    VYXNumRational number(1, 2, 1, 3);
    const Fraction4& f = GetParam().in;
    EXPECT_EQ(MessageOf([&] { number.SetValue(f.rn, f.rd, f.cn, f.cd); }), GetParam().message);
    EXPECT_EQ(number.GetValue(), "1/2+i/3");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FourValues, RationalSetValueErrorTest, testing::Values(
    ErrorCase{"RealDivisorZero", {1, 0, 0, 1}, "DIVISION BY ZERO!!"},
    ErrorCase{"ImaginaryDivisorZero", {1, 1, 0, 0}, "DIVISION BY ZERO!!"},
    ErrorCase{"A", {0.5, 1, 0, 1}, "CANT MAKE A a RATIONAL NUMBER OF A DOUBLE.. 0.5"},
    ErrorCase{"B", {1, 1.5, 0, 1}, "CANT MAKE A b RATIONAL NUMBER OF A DOUBLE.. 1.5"},
    ErrorCase{"C", {1, 1, 2.5, 1}, "CANT MAKE A c RATIONAL NUMBER OF A DOUBLE.. 2.5"},
    ErrorCase{"D", {1, 1, 1, 3.5}, "CANT MAKE A d RATIONAL NUMBER OF A DOUBLE.. 3.5"},
    ErrorCase{"FirstLetterWins", {1, 1.5, 2.5, 1},
              "CANT MAKE A b RATIONAL NUMBER OF A DOUBLE.. 1.5"}),
    CaseName());
// clang-format on

TEST(RationalSetters, TwoValueAndTextSettersCheckAndKeepTheRest) {
    VYXNumRational number(1, 3, 1, 5);
    number.SetValue(2, 3);
    EXPECT_EQ(number.GetValue(), "2/3+3i/5") << "the divisors stay";
    EXPECT_EQ(MessageOf([&] { number.SetValue(2, 0.5); }),
              "CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. 0.5");
    EXPECT_EQ(MessageOf([&] { number.SetCmplxValue(0.25); }),
              "CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. 0.25");
    EXPECT_EQ(number.GetValue(), "2/3+3i/5");
    number.SetRealValue(std::string("6/8"));
    number.SetCmplxValue(std::string("-1/2"));
    EXPECT_EQ(number.GetValue(), "3/4-i/2");
    EXPECT_NE(MessageOf([&] { number.SetCmplxValue(std::string("1/x")); }), "no error");
    EXPECT_EQ(number.GetValue(), "3/4-i/2");
}

TEST(RationalSetters, UncheckedRealNumeratorStillCopies) {
    VYXNumRational number(3, 4, 0, 1);
    number.SetRealValue(1.5);
    EXPECT_EQ(number.GetRealValue(), 0.375);
    EXPECT_EQ(VYXNumRational(number).GetRealValue(), 0.375);
}

// ---- Literals ----

struct LiteralCase {
    const char* name;
    std::string literal;
    std::string expected; // the text, or the message
};

class RationalLiteralTest : public testing::TestWithParam<LiteralCase> {};

TEST_P(RationalLiteralTest, ParsesOrRefuses) {
    VYXNumRational number;
    const std::string message = MessageOf([&] { number.SetValue(GetParam().literal); });
    if (message == "no error") {
        EXPECT_EQ(number.GetValue(), GetParam().expected);
    } else {
        EXPECT_EQ(message, GetParam().expected);
        EXPECT_EQ(number.GetValue(), "0");
    }
}

const std::string kNoNumber = "ERROR! CANNOT CONVERT ' ' TO A NUMBER!!";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Literals, RationalLiteralTest, testing::Values(
    LiteralCase{"Integer", "7", "7"}, LiteralCase{"Negative", "-12", "-12"},
    LiteralCase{"IntegerWithPoint", "2.0", "2"}, LiteralCase{"Million", "1000000", "1000000"},
    LiteralCase{"Imaginary", "3I", "3i"}, LiteralCase{"NegativeImaginary", "-2I", "-2i"},
    LiteralCase{"LowerImaginary", "4i", "4i"},
    LiteralCase{"IInDivisor", "3/4I", "i IS NOT ALLOWED IN THE DIVISOR!!3/4I"},
    LiteralCase{"Decimal", "2.5", "CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. 2.5.."},
    LiteralCase{"DecimalImaginary", "2.5I", "CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. 2.5.."},
    LiteralCase{"FractionText", "3/4",
                "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: 3/4 TO DOUBLE.."},
    LiteralCase{"OnlyI", "I", kNoNumber}, LiteralCase{"Empty", "", kNoNumber}),
    CaseName());
// clang-format on

TEST(RationalLiteral, RealLiteralKeepsTheImaginaryPart) {
    VYXNumRational number(0, 1, 3, 1);
    number.SetValue(std::string("5"));
    EXPECT_EQ(number.GetValue(), "5+3i");
}

// ---- Operators ----

struct OperatorCase {
    const char* name;
    Op op;
    Fraction4 left;
    Fraction4 right;
    std::string expected; // the text, or the message
};

class RationalOperatorTest : public testing::TestWithParam<OperatorCase> {};

TEST_P(RationalOperatorTest, ExactInPlace) {
    const OperatorCase& c = GetParam();
    VYXNumRational left = Make(c.left);
    const std::string before = left.GetValue();
    const std::string message = Apply(c.op, left, Make(c.right));
    if (message == "no error") {
        EXPECT_EQ(left.GetValue(), c.expected);
    } else {
        EXPECT_EQ(message, c.expected);
        EXPECT_EQ(left.GetValue(), before) << "a failing operator changes nothing";
    }
}

const std::string kTooBig = "CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. ";
const std::string kDivByZero = "ERRROR!! DIVISION BY ZERO!!";
const std::string kCmplxExponent = "ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arithmetic, RationalOperatorTest, testing::Values(
    OperatorCase{"HalfPlusThird", Op::Add, {1, 2, 0, 1}, {1, 3, 0, 1}, "5/6"},
    OperatorCase{"ComplexSum", Op::Add, {1, 2, 1, 3}, {1, 2, -1, 3}, "1"},
    OperatorCase{"HalfMinusHalf", Op::Sub, {1, 2, 0, 1}, {1, 2, 0, 1}, "0"},
    OperatorCase{"HalfTimesTwoThirds", Op::Mul, {1, 2, 0, 1}, {2, 3, 0, 1}, "1/3"},
    OperatorCase{"ComplexProduct", Op::Mul, {1, 2, 1, 1}, {1, 1, -1, 2}, "1+3i/4"},
    OperatorCase{"ComplexQuotient", Op::Div, {1, 1, 2, 1}, {3, 1, -4, 1}, "-1/5+2i/5"},
    OperatorCase{"ByImaginary", Op::Div, {1, 1, 0, 1}, {0, 1, 2, 1}, "-i/2"},
    OperatorCase{"TinyQuotientStaysExact", Op::Div, {1, 1, 0, 1}, {1e8, 1, 0, 1}, "1/100000000"},
    OperatorCase{"DivideByZero", Op::Div, {1, 2, 0, 1}, {0, 1, 0, 1}, kDivByZero},
    OperatorCase{"Two52TimesTwo", Op::Mul, {kTwo53 / 2, 1, 0, 1}, {2, 1, 0, 1}, "9007199254740992"},
    OperatorCase{"ProductLeavesExactRange", Op::Mul, {123456789, 1, 0, 1}, {987654321, 1, 0, 1},
                 kTooBig + "1.21933e+17"},
    OperatorCase{"ImaginaryPartLeavesExactRange", Op::Mul, {1, 1, 123456789, 1},
                 {987654321, 1, 0, 1}, kTooBig + "1.21933e+17"},
    OperatorCase{"SumLeavesExactRange", Op::Add, {kTwo53, 1, 0, 1}, {1, 1, 0, 1},
                 kTooBig + "9.0072e+15"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(Powers, RationalOperatorTest, testing::Values(
    OperatorCase{"TwoToMinusTwo", Op::Pow, {2, 1, 0, 1}, {-2, 1, 0, 1}, "1/4"},
    OperatorCase{"MinusTwoToZeroIsOne", Op::Pow, {-2, 1, 0, 1}, {0, 1, 0, 1}, "1"},
    OperatorCase{"FractionToZeroIsOne", Op::Pow, {3, 4, 0, 1}, {0, 1, 0, 1}, "1"},
    OperatorCase{"FractionCubed", Op::Pow, {-1, 3, 0, 1}, {3, 1, 0, 1}, "-1/27"},
    OperatorCase{"OnePlusISquared", Op::Pow, {1, 1, 1, 1}, {2, 1, 0, 1}, "2i"},
    OperatorCase{"OnePlusIToMinusOne", Op::Pow, {1, 1, 1, 1}, {-1, 1, 0, 1}, "1/2-i/2"},
    OperatorCase{"IToMinusOne", Op::Pow, {0, 1, 1, 1}, {-1, 1, 0, 1}, "-i"},
    OperatorCase{"PowerOne", Op::Pow, {1, 2, 1, 3}, {1, 1, 0, 1}, "1/2+i/3"},
    OperatorCase{"ZeroToTwo", Op::Pow, {0, 1, 0, 1}, {2, 1, 0, 1}, "0"},
    OperatorCase{"ComplexToZero", Op::Pow, {1, 1, 1, 1}, {0, 1, 0, 1},
                 "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!.. ATLEAST NOT HERE.."},
    OperatorCase{"ZeroToZero", Op::Pow, {0, 1, 0, 1}, {0, 1, 0, 1},
                 "ERROR!! CANNOT POWER ZERO WITH ZERO!!"},
    OperatorCase{"ComplexExponent", Op::Pow, {2, 1, 0, 1}, {0, 1, 1, 1}, kCmplxExponent},
    OperatorCase{"ComplexExponentFirst", Op::Pow, {1, 1, 1, 1}, {0, 1, 1, 1}, kCmplxExponent},
    OperatorCase{"ComplexToAFraction", Op::Pow, {1, 1, 1, 1}, {1, 2, 0, 1},
                 "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!"},
    OperatorCase{"ZeroToMinusOne", Op::Pow, {0, 1, 0, 1}, {-1, 1, 0, 1}, kDivByZero},
    OperatorCase{"ThreeToForty", Op::Pow, {3, 1, 0, 1}, {40, 1, 0, 1}, kTooBig + "1.21577e+19"},
    OperatorCase{"TwoToAHalf", Op::Pow, {2, 1, 0, 1}, {1, 2, 0, 1}, kTooBig + "1.41421"},
    OperatorCase{"TwoToHugeExponent", Op::Pow, {2, 1, 0, 1}, {1e300, 1, 0, 1}, kTooBig + "inf"},
    OperatorCase{"OneToHugeExponent", Op::Pow, {1, 1, 0, 1}, {1e300, 1, 0, 1}, "1"},
    OperatorCase{"IToHugeExponent", Op::Pow, {0, 1, 1, 1}, {1e300, 1, 0, 1}, "1"}),
    CaseName());
// clang-format on

TEST(RationalOperators, ComplexPowerLeavingTheRangeEndsQuickly) {
    VYXNumRational base(1, 1, 1, 1);
    const std::string message = MessageOf([&] { base ^= VYXNumRational(2147483647, 1, 0, 1); });
    EXPECT_EQ(message.rfind(kTooBig, 0), 0u) << message;
    EXPECT_EQ(base.GetValue(), "1+i");
}

TEST(RationalOperators, OperandMayBeTheTarget) {
    VYXNumRational x(1, 2, 1, 3);
    x *= x;
    EXPECT_EQ(x.GetValue(), "5/36+i/3");
    x += x;
    EXPECT_EQ(x.GetValue(), "5/18+2i/3");
}

TEST(RationalOperators, BinaryOperatorsGiveRationalsWithPrecisionSix) {
    VYXNumRational half(1, 2, 0, 1);
    half.SetPrecision(10);
    const VYXNumRational third(1, 3, 0, 1);
    EXPECT_EQ(VYXNumRational(half + third).GetPrecision(), 6);
    EXPECT_EQ(VYXNumRational(half + third).GetValue(), "5/6");
    EXPECT_EQ(VYXNumRational(half - third).GetValue(), "1/6");
    EXPECT_EQ(VYXNumRational(half * third).GetValue(), "1/6");
    EXPECT_EQ(VYXNumRational(half / third).GetValue(), "3/2");
    EXPECT_EQ(VYXNumRational(half ^ VYXNumRational(3, 1, 0, 1)).GetValue(), "1/8");
    EXPECT_EQ(half.GetValue(), "1/2");
}

TEST(RationalOperators, MixedOperatorsGiveComplexDoubles) {
    const VYXNumRational half(1, 2, 0, 1);
    const VYXNumUni quarter(0.25, 0);
    VYXNumUni results[] = {half + quarter, half - quarter, half * quarter, half / quarter,
                           half ^ VYXNumUni(2, 0)};
    const std::string expected[] = {"0.75", "0.25", "0.125", "2", "0.25"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(typeid(results[i]), typeid(VYXNumUni));
        EXPECT_EQ(results[i].GetValue(), expected[i]) << i;
    }
}

// ---- Copies and derived numbers ----

TEST(RationalCopy, CopyResetsPrecisionAssignmentKeepsIt) {
    VYXNumRational source(2, 3, 0, 1);
    source.SetPrecision(10);
    EXPECT_EQ(VYXNumRational(source).GetPrecision(), 6);
    VYXNumRational assigned;
    assigned = source;
    EXPECT_EQ(assigned.GetPrecision(), 10);
    EXPECT_EQ(assigned.GetValue(), "2/3");
    EXPECT_EQ(assigned.VYXNumUni::GetValue(), "0.6666666667");
}

struct DerivedCase {
    const char* name;
    Fraction4 in;
    VYXNum* (VYXNum::*make)() const;
    std::string text;
    bool rational; // else a complex double
};

class RationalDerivedNumberTest : public testing::TestWithParam<DerivedCase> {};

TEST_P(RationalDerivedNumberTest, NewNumberOfTheRightKind) {
    const DerivedCase& c = GetParam();
    const std::unique_ptr<VYXNum> made((Make(c.in).*c.make)());
    ASSERT_NE(made, nullptr);
    const VYXNum& madeRef = *made;
    EXPECT_EQ(made->GetValue(), c.text);
    EXPECT_EQ(typeid(madeRef) == typeid(VYXNumRational), c.rational);
    EXPECT_EQ(typeid(madeRef) == typeid(VYXNumUni), !c.rational);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Getters, RationalDerivedNumberTest, testing::Values(
    DerivedCase{"AbsOfFraction", {-3, 4, 0, 1}, &VYXNum::GetABSValue, "3/4", true},
    DerivedCase{"AbsThreeFourI", {3, 1, 4, 1}, &VYXNum::GetABSValue, "5", true},
    DerivedCase{"AbsWithDivisor", {3, 2, 2, 1}, &VYXNum::GetABSValue, "5/2", true},
    DerivedCase{"AbsUnitCircle", {3, 5, -4, 5}, &VYXNum::GetABSValue, "1", true},
    DerivedCase{"AbsImaginary", {0, 1, -3, 4}, &VYXNum::GetABSValue, "3/4", true},
    DerivedCase{"AbsZero", {0, 1, 0, 1}, &VYXNum::GetABSValue, "0", true},
    DerivedCase{"AbsOnePlusI", {1, 1, 1, 1}, &VYXNum::GetABSValue, "1.41421", false},
    DerivedCase{"AbsNearlyInteger", {67108864, 1, 1, 1}, &VYXNum::GetABSValue, "6.71089e+07",
                false},
    DerivedCase{"RealPart", {1, 2, -3, 4}, &VYXNum::GetRealPrt, "1/2", true},
    DerivedCase{"ImaginaryPart", {1, 2, -3, 4}, &VYXNum::GetImgPrt, "-3/4", true},
    DerivedCase{"Conjugate", {1, 2, -3, 4}, &VYXNum::GetCNJ, "1/2+3i/4", true}),
    CaseName());
// clang-format on

} // namespace
