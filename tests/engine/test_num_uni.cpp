// SPDX-License-Identifier: MIT
// VYXNumUni: derived fields, text forms, literal parsing, arithmetic, powers and their refusals.
#include "VYXNumRational.h"
#include "VYXNumUni.h"
#include "number_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <typeinfo>
#include <utility>

namespace {

using number_tests::Apply;
using number_tests::MessageOf;
using number_tests::TextOrMessage;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kPi = 3.141592653589793;

TEST(NumUniText, DerivedFieldsAndText) {
    // clang-format off
    struct Row { double re, im; std::string text; double fi, abs; bool cmplx, zero; };
    const Row rows[] = {
        {0, 0, "0", 0, 0, false, true},         {0, -1, "-i", 1.5 * kPi, 1, true, false},
        {-2, 0, "-2", kPi, 2, false, false},    {0, -2.5, "-2.5i", 1.5 * kPi, 2.5, true, false},
        {0.5, 1, "0.5+i", std::atan2(1, 0.5), std::sqrt(1.25), true, false},
        {1, -1, "1-i", -kPi / 4, std::sqrt(2.0), true, false},
        {123456.7, 0, "123457", 0, 123456.7, false, false}, // six digits
        {1e20, 0, "1e+20", 0, 1e20, false, false}};
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        VYXNumUni number(r.re, r.im);
        EXPECT_EQ(number.GetValue(), r.text);
        EXPECT_DOUBLE_EQ(number.GetFI(), r.fi);
        EXPECT_DOUBLE_EQ(number.GetAbsValue(), r.abs);
        EXPECT_EQ(number.IsCmplx(), r.cmplx);
        EXPECT_EQ(number.ISZero(), r.zero);
    }
    // NaN and infinity print visibly, with their signs.
    const std::tuple<double, double, std::string> nonFinite[] = {
        {1, -kNaN, "1-nani"}, {kNaN, -2, "nan-2i"}, {kInf, -kInf, "inf-infi"}, {0, kNaN, "nani"}};
    for (const auto& [re, im, text] : nonFinite) {
        EXPECT_EQ(VYXNumUni(re, im).GetValue(), text);
    }
}

TEST(NumUniPrecision, HeldByTheNumberAndByAssignmentButNotByCopies) {
    VYXNumUni twoThirds(2.0 / 3.0, 0);
    twoThirds.SetPrecision(3);
    const VYXNumUni zero;
    // Not yet updated: the message shows the text with the precision of construction.
    EXPECT_EQ(MessageOf([&] { twoThirds /= zero; }), "ERRROR!! DIVISION BY ZERO!!0.666667/0");
    EXPECT_EQ(twoThirds.GetValue(), "0.667");
    EXPECT_EQ(MessageOf([&] { twoThirds /= zero; }), "ERRROR!! DIVISION BY ZERO!!0.667/0");
    twoThirds.SetPrecision(10);
    EXPECT_EQ(twoThirds.GetValue(), "0.6666666667");

    VYXNumUni source(2.0 / 3.0, 1);
    source.SetPrecision(10);
    source.GetValue();
    EXPECT_EQ(VYXNumUni(source).GetValue(), "0.666667+i");
    VYXNumUni assigned;
    assigned = source;
    EXPECT_EQ(assigned.GetPrecision(), 10);
    EXPECT_EQ(assigned.GetValue(), "0.6666666667+i");

    VYXNumUni fromRational(VYXNumRational(3, 4, -1, 2));
    EXPECT_EQ(fromRational.GetValue(), "0.75-0.5i");
    EXPECT_EQ(typeid(fromRational), typeid(VYXNumUni));
}

TEST(NumUniLiteral, ParsesOrRefusesLeavingTheNumber) {
    const std::string kNoNumber = "ERROR! CANNOT CONVERT ' ' TO A NUMBER!!";
    // clang-format off
    const std::pair<std::string, std::string> rows[] = { // literal, text or message
        {"-4", "-4"}, {"+i", "i"}, {"-1i", "-i"}, {"-0i", "0"}, {"2.5I", "2.5i"},
        {"2.5i", "ERROR! UNABLE TO PARSE THE NUMBER: 2.5ii.."},
        {"1I2", "ERROR! UNABLE TO PARSE THE NUMBER: 1I2i.."}, {"I", kNoNumber}, {"", kNoNumber},
        {"12x", "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: 12x TO DOUBLE.."}};
    // clang-format on
    for (const auto& [literal, expected] : rows) {
        SCOPED_TRACE(literal);
        VYXNumUni number(7, -3);
        EXPECT_EQ(TextOrMessage(number, [&] { number.SetValue(literal); }), expected);
    }
}

TEST(NumUniSetters, EachSetterKeepsTheOtherPart) {
    VYXNumUni number(0, 1);
    number.SetRealValue(std::string("2.5"));
    number.SetCmplxValue(std::string("-1"));
    EXPECT_EQ(number.GetValue(), "2.5-i");
    number.SetValue(3, 7, 4, 9);
    EXPECT_EQ(number.GetValue(), "3+4i") << "the divisors are ignored";
    EXPECT_EQ(TextOrMessage(number, [&] { number.SetRealValue(std::string("x")); }),
              "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: x TO DOUBLE..");
}

// clang-format off
struct ArithmeticCase { char op; double leftRe, leftIm, rightRe, rightIm; std::string expected; };
// clang-format on

TEST(NumUniArithmetic, InPlaceResultsAndRefusals) {
    const std::string kDivByZero = "ERRROR!! DIVISION BY ZERO!!";
    const std::string kCmplxExponent = "ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!";
    const std::string kNonInteger = "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!";
    // clang-format off
    const ArithmeticCase rows[] = {
        {'+', 0, 0, 1, -1, "1-i"},    {'-', 1, 2, 1, 2, "0"},         {'*', 0, 2, 0, 3, "-6"},
        {'*', 1, 2, 3, 4, "-5+10i"},  {'*', 0, 0, kInf, 0, "0"},      {'/', 0, 6, 0, 3, "2"},
        {'/', 1, -1, 0, 0, kDivByZero + "1-i/0"},
        {'^', 4, 0, 0.5, 0, "2"},     {'^', 0, 0, -1, 0, "inf"},
        {'^', 1, 1, 8, 0, "16"},      {'^', 1, 1, -2, 0, "-0.5i"},
        {'^', 0, 0, 0, 0, "ERROR!! CANNOT POWER ZERO WITH ZERO!!"},
        {'^', 1, 1, 0, 0, "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!"},
        {'^', 1, 1, 0.5, 0, kNonInteger}, {'^', 0, 1, kNaN, 0, kNonInteger},
        {'^', 0, 0, 0, 1, kCmplxExponent},
        {'^', 1, 1, 0.5, 1, kCmplxExponent}, // the exponent is checked first
        {'^', 1e-200, 1e-200, -2, 0, kDivByZero + "1/0"},
        // Unit bases: repeated products below the switch-over, squaring above it.
        {'^', 0, -1, 1000001, 0, "-i"}, {'^', 0, 1, 4e15 + 2, 0, "-1"},
        {'^', 0, 1, -(4e15 + 1), 0, "-i"}, {'^', 0.5, 0.5, 1e300, 0, "0"}};
    // clang-format on
    for (const ArithmeticCase& c : rows) {
        VYXNumUni left(c.leftRe, c.leftIm);
        const VYXNumUni right(c.rightRe, c.rightIm);
        SCOPED_TRACE(left.GetValue() + " " + c.op + " " + VYXNumUni(right).GetValue());
        EXPECT_EQ(TextOrMessage(left, [&] { Apply(c.op, left, right); }), c.expected);
    }
}

TEST(NumUniArithmetic, HugePowersFinishWithoutAFiniteValue) {
    for (double exponent : {2147483647.0, -2147483647.0, 1e300, -1e300, 999999.0}) {
        VYXNumUni base(1, 1);
        base ^= VYXNumUni(exponent, 0);
        const bool finite =
            std::isfinite(base.GetRealValue()) && std::isfinite(base.GetCmplxValue());
        EXPECT_TRUE(!finite || base.ISZero()) << exponent << " gave " << base.GetValue();
    }
}

TEST(NumUniArithmetic, BinaryOperatorsLeaveOperandsAloneAndSelfProductUsesOldParts) {
    const VYXNumUni a(1, 2);
    EXPECT_EQ((a - VYXNumUni(3, -4)).GetValue(), "-2+6i");
    EXPECT_EQ((a / VYXNumUni(3, -4)).GetValue(), "-0.2+0.4i");
    EXPECT_EQ(VYXNumUni(a).GetValue(), "1+2i");
    VYXNumUni x(1, 2);
    x *= x;
    EXPECT_EQ(x.GetValue(), "-3+4i");
}

} // namespace
