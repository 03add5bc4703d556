// SPDX-License-Identifier: MIT
// The Try routines of exact arithmetic: exact results, the 2^53 limits, fall-back and refusals.
#include "VYXRationalArithmetic.h"
#include "number_test_support.h"

namespace {

using number_tests::kTwo53;

const double kTwo60 = 1152921504606846976.0;

VYXNumRational Real(double num, double div = 1) {
    return VYXNumRational(num, div, 0, 1);
}

using Cmplx = VYXNumRational;

using TryRoutine = bool (*)(const VYXNumRational&, const VYXNumRational&, VYXNumRational&);

TryRoutine RoutineFor(char op) {
    const TryRoutine routines[] = {TryRationalAdd, TryRationalSubtract, TryRationalMultiply,
                                   TryRationalDivide, TryRationalPower};
    return routines[std::string("+-*/^").find(op)];
}

// The exact result, "" when not exact, or "!" and the message. Refusals that the evaluator
// passes on unchanged are checked in the expression table.
// clang-format off
struct TryCase { char op; VYXNumRational a, b; std::string expected; };
// clang-format on

TEST(TryRoutines, StoreTheExactResultOrLeaveTheResultUntouched) {
    const std::string kNonInteger =
        "!ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!";
    const std::string kCmplxExponent = "!ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!";
    const VYXNumRational kOnePlusI = Cmplx(1, 1, 1, 1);
    // clang-format off
    const TryCase rows[] = {
        {'+', Real(kTwo53 - 1), Real(1), "9007199254740992"}, {'-', Real(-kTwo53), Real(1), ""},
        // The cross products pass 2^63 although the reduced sum fits.
        {'+', Real(4503599627370501.0, 67108865), Real(-4503599627370497.0, 67108863),
         "-9007198986305542/4503599627370495"},
        {'-', Cmplx(1, 2, 1, 3), Cmplx(1, 2, -2, 3), "i"},
        {'+', Real(1, 94906267), Real(1, 94906265), ""}, // the divisors pass 2^53
        {'*', Real(123456789), Real(987654321), ""},
        {'*', Real(123456789, 987654321), Real(987654321, 123456789), "1"},
        {'*', Cmplx(1073741824, 1, 1073741824, 1), Cmplx(1073741824, 1, -1073741824, 1), ""},
        {'*', Cmplx(1, 2, 1, 1), Cmplx(1, 1, -1, 2), "1+3i/4"},
        {'/', Real(1), Real(kTwo53 / 2 - 1, kTwo53 / 2 - 3), "4503599627370493/4503599627370495"},
        {'/', Real(1, kTwo53), Real(3), ""},
        {'/', Cmplx(1, 1, 2, 1), Cmplx(3, 1, -4, 1), "-1/5+2i/5"},
        {'*', Real(kTwo60), Real(3), "3.45876e+18"}, // huge operands by the integer rule
        {'*', Real(kTwo60), Real(1, 1099511627776.0), "1048576"},
        {'*', Real(kTwo60), Real(1, 3), "1.15292e+18/3"},  {'*', Real(1e300), Real(1e10), ""},
        {'^', Real(3), Real(33), "5559060566555523"},      {'^', Real(3), Real(34), ""},
        {'^', Real(-2), Real(53), "-9007199254740992"},    {'^', Real(2), Real(54), ""},
        {'^', Real(2), Real(-53), "1/9007199254740992"},   {'^', Real(2, 3), Real(-3), "27/8"},
        {'^', Real(-2), Real(0), "1"},                     {'^', kOnePlusI, Real(-4), "-1/4"},
        {'^', Cmplx(0, 1, 1, 1), Real(kTwo53), "1"},       {'^', kOnePlusI, Real(2147483647), ""},
        {'^', Real(1, 2), Real(1e300), ""},                {'^', Real(-1), Real(1e300), "1"},
        {'^', Real(4), Real(1, 2), ""},
        {'^', Real(0), Real(-1), "!ERRROR!! DIVISION BY ZERO!!"},
        {'^', kOnePlusI, Real(1, 2), kNonInteger},
        {'^', kOnePlusI, Cmplx(0, 1, 1, 1), kCmplxExponent}}; // the exponent is checked first
    // clang-format on
    for (const TryCase& c : rows) {
        VYXNumRational a = c.a; // GetValue updates the held text
        VYXNumRational b = c.b;
        SCOPED_TRACE(a.GetValue() + " " + c.op + " " + b.GetValue());
        VYXNumRational result(42, 5, 0, 1);
        std::string outcome;
        try {
            outcome = RoutineFor(c.op)(c.a, c.b, result) ? result.GetValue() : "";
        } catch (const VYXExceptionNumberFormat& e) {
            outcome = "!" + e.GetMessage();
        }
        EXPECT_EQ(outcome, c.expected);
        if (c.expected.empty() || c.expected[0] == '!') {
            EXPECT_EQ(result.GetValue(), "42/5");
        }
    }
}

TEST(TryRoutines, ResultMayBeAnOperandTheCoreNamesTheInexactPartAndFallsBack) {
    VYXNumRational x(1, 2, 1, 3);
    ASSERT_TRUE(TryRationalMultiply(x, x, x));
    EXPECT_EQ(x.GetValue(), "5/36+i/3");
    VYXNumRational twoThirds(2, 3, 0, 1);
    ASSERT_TRUE(TryRationalPower(twoThirds, Real(-2), twoThirds));
    EXPECT_EQ(twoThirds.GetValue(), "9/4");
    VYXNumRational result;
    result.SetPrecision(10);
    ASSERT_TRUE(TryRationalDivide(Real(2), Real(3), result));
    EXPECT_EQ(result.GetPrecision(), 10);
    EXPECT_EQ(result.VYXNumUni::GetValue(), "0.6666666667");
    // The operation core names the inexact part and falls back to values.
    VYXNumRational inexact;
    EXPECT_EQ(ApplyRationalOperation(VYXRationalOperation::Multiply, Real(123456789),
                                     Real(987654321), inexact),
              VYXInexactPart::Real);
    EXPECT_EQ(ApplyRationalOperation(VYXRationalOperation::Multiply, Cmplx(3, 1, 123456789, 1),
                                     Real(987654321), inexact),
              VYXInexactPart::Imaginary);
    EXPECT_EQ(inexact.GetValue(), "0");
    const VYXNumUni power =
        ApplyComplexDoubleOperation(VYXRationalOperation::Power, Real(3), Real(40));
    EXPECT_EQ(power.GetRealValue(), 12157665459056928801.0);
    const VYXNumUni sum =
        ApplyComplexDoubleOperation(VYXRationalOperation::Add, Cmplx(1, 3, 1, 1), Real(1, 3));
    EXPECT_EQ(VYXNumUni(sum).GetValue(), "0.666667+i");
}

} // namespace
