// SPDX-License-Identifier: MIT
// The power and root operators and the square root: exact and decimal paths, range fallbacks.
#include "VYXFunctPowers.h"
#include "function_test_support.h"

#include <vector>

using namespace function_tests;

namespace {

constexpr Outcome R = Outcome::Rational;
constexpr Outcome D = Outcome::Decimal;
constexpr Outcome F = Outcome::FunctionError;
constexpr Outcome N = Outcome::NumberFormatError;

const std::string kComplexExponent = "ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!";
const std::string kComplexBase = "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!";
const std::string kDivisionByZero = "ERRROR!! DIVISION BY ZERO!!";

struct Row {
    const char* function;
    Operand x;
    std::optional<Operand> y;
    std::string text;
    Outcome outcome;
};

// The unit never matters to these functions, so each row runs in all three.
void ExpectRows(const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        for (const char* unit : {"RAD", "DEG", "GRA"}) {
            SCOPED_TRACE(testing::Message() << r.function << " " << unit << " of " << r.x.realNum
                                            << "/" << r.x.realDiv << " + " << r.x.cmplxNum << "i"
                                            << (r.y ? " and " : "") << (r.y ? r.y->realNum : 0));
            ExpectOutcome(ApplyThroughTable({"", r.function, unit, r.x, r.y, r.text, r.outcome}),
                          r.text, r.outcome);
        }
    }
}

const Operand kOnePlusI = Rat(1, 1, 1, 1);

// clang-format off
TEST(PowerTest, IntegerExponentStaysExact) {
    ExpectRows({{"^", Rat(-1, 3), Rat(3), "-1/27", R}, {"^", kOnePlusI, Rat(3), "-2+2i", R},
                {"^", Dec(1.5), Rat(2), "2.25", D},
                {"^", Rat(0), Rat(0), "ERROR!! CANNOT POWER ZERO WITH ZERO!!", N},
                {"^", kOnePlusI, Rat(0),
                 "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!.. ATLEAST NOT HERE..", N},
                {"^", Rat(2), kOnePlusI, kComplexExponent, N}});
}

// Results beyond the exact range continue as decimals instead of failing.
TEST(PowerTest, BeyondTheExactRangeContinuesAsDecimal) {
    ExpectRows({{"^", Rat(2), Rat(1e300), "inf", D},
                {"^", Rat(4, 9), Rat(1000, 3), "4.03485e-118", D}});
}

TEST(PowerTest, FractionalExponentIsDecimal) {
    ExpectRows({{"^", Rat(2), Dec(0.5), "1.41421", D}, {"^", Rat(4), Rat(-1, 2), "0.5", D},
                {"^", Rat(8, 27), Rat(2, 3), "0.444444", D},
                {"^", kOnePlusI, Rat(1, 2), kComplexBase, N},
                {"^", Dec(2), Dec(1, 1), kComplexExponent, N}});
}

TEST(PowerTest, RootTakesTheIndexFirst) {
    ExpectRows({{"~", Rat(3), Rat(8), "2", D}, {"~", Rat(1), Rat(5), "5", R},
                {"~", Rat(-2), Rat(4), "0.5", D}, {"~", Dec(2), Rat(16), "4", D},
                {"~", Rat(0), Rat(5), kDivisionByZero, N},
                {"~", Dec(0), Dec(5), kDivisionByZero + "1/0", N},
                {"~", kOnePlusI, Rat(4), kComplexExponent, N}});
}

TEST(PowerTest, SquareRootIncludingNegativeAndComplex) {
    ExpectRows({{"SQRT", Rat(0), {}, "0", R}, {"SQRT", Rat(16), {}, "4", R},
                {"SQRT", Rat(9, 4), {}, "1.5", D}, {"SQRT", Dec(-2), {}, "1.41421i", D},
                {"SQRT", Dec(-3, 4), {}, "1+2i", R},
                {"SQRT", Rat(0, 1, -2, 1), {}, "1-i", R},
                {"SQRT", Rat(0, 1, -4, 1), {}, "1.41421-1.41421i", D},
                {"SQRT", Rat(0, 1, 1, 1), {}, "0.707107+0.707107i", D},
                // Finite although the squares of the parts overflow.
                {"SQRT", Dec(1e300, 1e300), {}, "1.09868e+150+4.5509e+149i", R}});
}
// clang-format on

// The two-double forms, used by the rational-exponent scheme.
TEST(ApplyDoublesTest, PowerAndRootStayExactForIntegers) {
    VYXFunctPow pow;
    VYXFunctNrt root;
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(2, -1, "RAD"); }), "1/2", R);
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(3, 40, "RAD"); }), "1.21577e+19", D);
    ExpectOutcome(Observe([&] { return pow.ApplyDoubles(0, 0, "RAD"); }),
                  "ERROR!! CANNOT POWER ZERO WITH ZERO!!", N);
    ExpectOutcome(Observe([&] { return root.ApplyDoubles(2, 16, "RAD"); }), "4", R);
}

} // namespace
