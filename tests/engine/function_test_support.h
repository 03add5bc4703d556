// SPDX-License-Identifier: MIT
// Shared table machinery for the function-library tests: operands, outcomes, one runner.
#pragma once

#include "VYXExceptions.h"
#include "VYXFunctCalc.h"
#include "VYXNumRational.h"
#include "VYXNumUni.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <typeinfo>

namespace function_tests {

/// What a call produced: a number of one of the two classes, or one of the two exceptions.
enum class Outcome { Rational, Decimal, OtherNumber, FunctionError, NumberFormatError };

inline const char* OutcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::Rational:
        return "VYXNumRational";
    case Outcome::Decimal:
        return "VYXNumUni";
    case Outcome::OtherNumber:
        return "another number class";
    case Outcome::FunctionError:
        return "VYXExceptionFunction";
    case Outcome::NumberFormatError:
        return "VYXExceptionNumberFormat";
    }
    return "?";
}

/// An operand described in a table row: exact fractions or complex-double parts.
struct Operand {
    bool rational;
    double realNum;
    double realDiv;
    double cmplxNum;
    double cmplxDiv;

    std::unique_ptr<VYXNum> Make() const {
        if (rational) {
            return std::make_unique<VYXNumRational>(realNum, realDiv, cmplxNum, cmplxDiv);
        }
        return std::make_unique<VYXNumUni>(realNum, cmplxNum);
    }
};

inline Operand Rat(double num, double div = 1.0, double cmplxNum = 0.0, double cmplxDiv = 1.0) {
    return {true, num, div, cmplxNum, cmplxDiv};
}

inline Operand Dec(double real, double cmplx = 0.0) {
    return {false, real, 1.0, cmplx, 1.0};
}

/// One row: a named function applied through the function table.
struct FunctionCase {
    const char* caseName;
    const char* function;
    const char* angleUnit;
    Operand x;
    std::optional<Operand> y;
    std::string expectedText; // GetValue at precision 6, or the exception's message
    Outcome expectedOutcome;
};

inline std::ostream& operator<<(std::ostream& out, const FunctionCase& c) {
    return out << c.caseName;
}

inline Outcome KindOf(const VYXNum& number) {
    if (typeid(number) == typeid(VYXNumRational)) {
        return Outcome::Rational;
    }
    if (typeid(number) == typeid(VYXNumUni)) {
        return Outcome::Decimal;
    }
    return Outcome::OtherNumber;
}

struct Observed {
    std::string text;
    Outcome outcome;
};

/// The text and kind of a new number (taking ownership), or of the exception thrown making it.
template <typename MakeNumber> Observed Observe(MakeNumber make) {
    try {
        const std::unique_ptr<VYXNum> result(make());
        if (!result) {
            return {"<null>", Outcome::OtherNumber};
        }
        return {result->GetValue(), KindOf(*result)};
    } catch (const VYXExceptionFunction& e) {
        return {e.GetMessage(), Outcome::FunctionError};
    } catch (const VYXExceptionNumberFormat& e) {
        return {e.GetMessage(), Outcome::NumberFormatError};
    }
}

inline Observed ApplyThroughTable(const FunctionCase& c) {
    VYXFunctCalc calc;
    calc.SetAngle(c.angleUnit);
    const std::unique_ptr<VYXNum> x = c.x.Make();
    const std::unique_ptr<VYXNum> y = c.y ? c.y->Make() : nullptr;
    return Observe([&] { return calc.ApplyFunction(c.function, x.get(), y.get()); });
}

inline void ExpectOutcome(const Observed& observed, const std::string& expectedText,
                          Outcome expectedOutcome) {
    EXPECT_EQ(observed.text, expectedText);
    EXPECT_EQ(OutcomeName(observed.outcome), std::string(OutcomeName(expectedOutcome)));
}

inline std::string CaseName(const testing::TestParamInfo<FunctionCase>& info) {
    return info.param.caseName;
}

} // namespace function_tests
