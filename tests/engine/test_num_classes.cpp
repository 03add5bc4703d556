// SPDX-License-Identifier: MIT
// The exported number classes. VYXNumUni: derived fields, text forms, literal parsing, arithmetic,
// powers and their refusals. VYXNumRational: normalised fractions, rational text, literals, exact
// operators and refusals.
#include "VYXNumRational.h"
#include "number_test_support.h"

#include <cmath>
#include <tuple>
#include <utility>

namespace {

using namespace number_tests;

const double kPi = 3.141592653589793;
const double kTwo20 = 1048576.0;
const double kTwo40 = 1099511627776.0;
const std::string kTooBig = "CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. ";
const std::string kDivByZero = "ERRROR!! DIVISION BY ZERO!!";
const std::string kNoNumber = "ERROR! CANNOT CONVERT ' ' TO A NUMBER!!";

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
    for (const auto& [re, im, text] : nonFinite)
        EXPECT_EQ(VYXNumUni(re, im).GetValue(), text);
}

TEST(NumberPrecision, HeldByTheNumberAndByAssignmentButNotByCopies) {
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
    VYXNumRational rationalSource(2, 3, 0, 1);
    rationalSource.SetPrecision(10);
    EXPECT_EQ(VYXNumRational(rationalSource).GetPrecision(), 6);
    VYXNumRational rationalAssigned;
    rationalAssigned = rationalSource;
    EXPECT_EQ(rationalAssigned.GetPrecision(), 10);
    EXPECT_EQ(rationalAssigned.GetValue(), "2/3");
    EXPECT_EQ(rationalAssigned.VYXNumUni::GetValue(), "0.6666666667");
}

// clang-format off
struct ArithmeticCase { char op; double leftRe, leftIm, rightRe, rightIm; std::string expected; };
// clang-format on

TEST(NumUniArithmetic, InPlaceResultsAndRefusalsHugePowersFinishWithoutAFiniteValue) {
    const std::string kCmplxExponent = "ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!";
    const std::string kNonInteger = "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!";
    // clang-format off
    const ArithmeticCase rows[] = {
        {'+', 0, 0, 1, -1, "1-i"},    {'-', 1, 2, 1, 2, "0"},         {'*', 0, 2, 0, 3, "-6"},
        {'*', 1, 2, 3, 4, "-5+10i"},  {'*', 0, 0, kInf, 0, "0"},      {'/', 0, 6, 0, 3, "2"},
        {'^', 4, 0, 0.5, 0, "2"},     {'^', 0, 0, -1, 0, "inf"},
        {'^', 1, 1, 8, 0, "16"},      {'^', 1, 1, -2, 0, "-0.5i"},
        {'^', 0, 0, 0, 0, "ERROR!! CANNOT POWER ZERO WITH ZERO!!"},
        {'^', 1, 1, 0, 0, "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!"},
        {'^', 1, 1, 0.5, 0, kNonInteger}, {'^', 0, 1, kNaN, 0, kNonInteger},
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
    // Huge powers finish without a finite value.
    for (double exponent : {2147483647.0, -2147483647.0, 1e300, -1e300, 999999.0}) {
        VYXNumUni base(1, 1);
        base ^= VYXNumUni(exponent, 0);
        const bool finite =
            std::isfinite(base.GetRealValue()) && std::isfinite(base.GetCmplxValue());
        EXPECT_TRUE(!finite || base.ISZero()) << exponent << " gave " << base.GetValue();
    }
}

TEST(NumberOperators, BinaryFormsGiveTheRightKind) {
    VYXNumUni x(1, 2);
    EXPECT_EQ((x - VYXNumUni(3, -4)).GetValue(), "-2+6i");
    EXPECT_EQ((x / VYXNumUni(3, -4)).GetValue(), "-0.2+0.4i");
    x *= x;
    EXPECT_EQ(x.GetValue(), "-3+4i");
    const VYXNumRational half(1, 2, 0, 1);
    const VYXNumRational third(1, 3, 0, 1);
    const VYXNumUni quarter(0.25, 0);
    // With a complex double on the right, the results are complex doubles.
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {(half + third).GetValue(), "5/6"}, {(half - third).GetValue(), "1/6"},
        {(half * third).GetValue(), "1/6"}, {(half / third).GetValue(), "3/2"},
        {(half ^ VYXNumRational(3, 1, 0, 1)).GetValue(), "1/8"},
        {(half + quarter).GetValue(), "0.75"}, {(half - quarter).GetValue(), "0.25"},
        {(half * quarter).GetValue(), "0.125"}, {(half / quarter).GetValue(), "2"},
        {(half ^ VYXNumUni(2, 0)).GetValue(), "0.25"}};
    // clang-format on
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(text, expected);
}

struct Fraction4 {
    double rn, rd, cn, cd;
};

VYXNumRational Make(const Fraction4& f) {
    return VYXNumRational(f.rn, f.rd, f.cn, f.cd);
}

TEST(RationalText, NormalisesAndPrintsRefusalsNameTheFaultAndChangeNothing) {
    // clang-format off
    const std::pair<Fraction4, std::string> rows[] = {
        {{6, -8, 0, 1}, "-3/4"},   {{0, 7, 0, -3}, "0"},      {{12, 4, 0, 1}, "3"},
        {{0, 5, 3, -6}, "-i/2"},   {{0, 1, 2, 2}, "i"},       {{1, 3, -5, 7}, "1/3-5i/7"},
        {{2, 1, 1, 1}, "2+i"},     {{7, 3e6, 0, 1}, "7/3000000"},
        {{kTwo53, kTwo53 / 2, 0, 1}, "2"},
        {{2 * kTwo53, 1, 0, 1}, "1.80144e+16"}, // default form above 2^53
        {{3 * kTwo53 * 128, 3, 0, 1}, "1.15292e+18"}, // reduced safely
        // Kept when reducing would leave the integer rule.
        {{(kTwo53 / 2 + 1) * kTwo40, kTwo20, 0, 1}, "4.95176e+27/1048576"}};
    // clang-format on
    for (const auto& [in, text] : rows) {
        VYXNumRational number = Make(in);
        EXPECT_EQ(number.GetValue(), text);
        EXPECT_DOUBLE_EQ(number.GetRealValue(), in.rn / in.rd) << text;
        EXPECT_DOUBLE_EQ(number.GetCmplxValue(), in.cn / in.cd) << text;
    }
    // The value getters give values, not numerators; the decimal text follows the precision.
    EXPECT_EQ(VYXNumRational(6, -8, 0, 1).GetRealNumerator(), -0.75);
    VYXNumRational million(1000000, 1, 0, 1);
    EXPECT_EQ(million.VYXNumUni::GetValue(), "1e+06");
    million.SetPrecision(7);
    EXPECT_EQ(million.VYXNumUni::GetValue(), "1000000");
    // The constructor and SetValue name the fault and change nothing.
    const auto notInteger = [](const std::string& role, const std::string& value) {
        return role + " NOT AN INTEGER: " + value + "...CANT MAKE A RATIONAL NUMBER!!";
    };
    const std::string kNum = "NUMERATOR";
    // clang-format off
    const std::pair<Fraction4, std::string> constructed[] = {
        {{1, 1, 0.5, 0}, "DIVISION BY ZERO: 0.5/0"},
        {{1.5, 2.5, 0, 1}, notInteger(kNum, "1.5")}, {{1, 1, 1, 0.25}, notInteger("DIVISOR", "0.25")},
        {{std::nan(""), 1, 0, 1}, notInteger(kNum, "nan")},
        {{kTwo53 + 2, 1, 0, 1}, notInteger(kNum, "9.0072e+15")}};
    const std::pair<Fraction4, std::string> set[] = {
        {{1, 1, 0, 0}, "DIVISION BY ZERO!!"},
        {{0.5, 1, 0, 1}, "CANT MAKE A a RATIONAL NUMBER OF A DOUBLE.. 0.5"},
        {{1, 1, 1, 3.5}, "CANT MAKE A d RATIONAL NUMBER OF A DOUBLE.. 3.5"},
        {{1, 1.5, 2.5, 1}, "CANT MAKE A b RATIONAL NUMBER OF A DOUBLE.. 1.5"}};
    // clang-format on
    for (const auto& [f, message] : constructed)
        EXPECT_EQ(MessageOf([&] { Make(f); }), message);
    for (const auto& [f, message] : set) {
        SCOPED_TRACE(message);
        VYXNumRational number(1, 2, 1, 3);
        EXPECT_EQ(TextOrMessage(number, [&] { number.SetValue(f.rn, f.rd, f.cn, f.cd); }), message);
    }
}

TEST(NumberSetters, EachSetterKeepsTheOtherPart) {
    VYXNumUni uni(0, 1);
    uni.SetRealValue(std::string("2.5"));
    uni.SetCmplxValue(std::string("-1"));
    EXPECT_EQ(uni.GetValue(), "2.5-i");
    uni.SetValue(3, 7, 4, 9);
    EXPECT_EQ(uni.GetValue(), "3+4i") << "the divisors are ignored";
    EXPECT_EQ(TextOrMessage(uni, [&] { uni.SetRealValue(std::string("x")); }),
              "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: x TO DOUBLE..");
    VYXNumRational number(1, 3, 1, 5);
    number.SetValue(2, 3);
    EXPECT_EQ(number.GetValue(), "2/3+3i/5") << "the divisors stay";
    EXPECT_EQ(TextOrMessage(number, [&] { number.SetValue(2, 0.5); }), kTooBig + "0.5");
    number.SetRealValue(std::string("6/8"));
    number.SetCmplxValue(std::string("-1/2"));
    EXPECT_EQ(number.GetValue(), "3/4-i/2");
    // The unchecked numerator setter still survives a copy.
    VYXNumRational unchecked(3, 4, 0, 1);
    unchecked.SetRealValue(1.5);
    EXPECT_EQ(VYXNumRational(unchecked).GetRealValue(), 0.375);
}

TEST(NumberLiterals, ParseOrRefuseLeavingTheNumber) {
    // clang-format off
    const std::pair<std::string, std::string> uni[] = { // literal, text or message, from 7-3i
        {"-4", "-4"}, {"+i", "i"}, {"-1i", "-i"}, {"-0i", "0"}, {"2.5I", "2.5i"},
        {"2.5i", "ERROR! UNABLE TO PARSE THE NUMBER: 2.5ii.."},
        {"1I2", "ERROR! UNABLE TO PARSE THE NUMBER: 1I2i.."}, {"I", kNoNumber}, {"", kNoNumber},
        {"12x", "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: 12x TO DOUBLE.."}};
    const std::pair<std::string, std::string> rational[] = { // from 0
        {"-12", "-12"}, {"2.0", "2"}, {"-2I", "-2i"}, {"4i", "4i"},
        {"3/4I", "i IS NOT ALLOWED IN THE DIVISOR!!3/4I"}, {"2.5I", kTooBig + "2.5.."},
        {"3/4", "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: 3/4 TO DOUBLE.."},
        {"I", kNoNumber}, {"", kNoNumber}};
    // clang-format on
    for (const auto& [literal, expected] : uni) {
        SCOPED_TRACE(literal);
        VYXNumUni number(7, -3);
        EXPECT_EQ(TextOrMessage(number, [&] { number.SetValue(literal); }), expected);
    }
    for (const auto& [literal, expected] : rational) {
        SCOPED_TRACE(literal);
        VYXNumRational number;
        EXPECT_EQ(TextOrMessage(number, [&] { number.SetValue(literal); }), expected);
    }
    VYXNumRational number(0, 1, 3, 1);
    number.SetValue(std::string("5"));
    EXPECT_EQ(number.GetValue(), "5+3i") << "a real literal keeps the imaginary part";
}

// clang-format off
struct OperatorCase { char op; Fraction4 left, right; std::string expected; }; // text or message
// clang-format on

TEST(RationalOperators, ExactInPlaceOrRefused) {
    // The refusals themselves are shared with the Try routines and checked there.
    // clang-format off
    const OperatorCase rows[] = {
        {'+', {1, 2, 1, 3}, {1, 2, -1, 3}, "1"},     {'-', {1, 2, 0, 1}, {1, 2, 0, 1}, "0"},
        {'*', {1, 2, 0, 1}, {2, 3, 0, 1}, "1/3"},    {'/', {1, 1, 0, 1}, {0, 1, 2, 1}, "-i/2"},
        {'/', {1, 2, 0, 1}, {0, 1, 0, 1}, kDivByZero},
        {'*', {1, 1, 123456789, 1}, {987654321, 1, 0, 1}, kTooBig + "1.21933e+17"},
        {'^', {1, 1, 1, 1}, {-1, 1, 0, 1}, "1/2-i/2"},
        {'^', {2, 1, 0, 1}, {1, 2, 0, 1}, kTooBig + "1.41421"}};
    // clang-format on
    for (const OperatorCase& c : rows) {
        VYXNumRational left = Make(c.left);
        SCOPED_TRACE(left.GetValue() + " " + c.op + " " + Make(c.right).GetValue());
        EXPECT_EQ(TextOrMessage(left, [&] { Apply(c.op, left, Make(c.right)); }), c.expected);
    }
}

} // namespace
