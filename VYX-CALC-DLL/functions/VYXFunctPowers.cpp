// SPDX-License-Identifier: MIT
// The power operator "^", the root operator "~" and the square root.
#include "VYXFunctPowers.h"

#include "VYXExceptions.h"
#include "VYXFunctSupport.h"
#include "VYXNumberText.h"
#include "VYXRationalArithmetic.h"

#include <cmath>
#include <memory>

namespace {

VYXNum* DecimalPower(const VYXNum& base, const VYXNum& exponent) {
    auto result = std::make_unique<VYXNumUni>(ToUniValue(base));
    *result ^= ToUniValue(exponent);
    return result.release();
}

/// Exact integer power; falls back to the decimal power when the exact result is out of range.
VYXNum* IntegerPower(const VYXNumRational& base, const VYXNumRational& exponent) {
    auto result = std::make_unique<VYXNumRational>();
    if (TryRationalPower(base, exponent, *result)) {
        return result.release();
    }
    return DecimalPower(base, exponent);
}

/// Exact quotient of two numbers when both are exactly rational and the quotient fits, else the
/// complex-double quotient.
VYXNum* Quotient(const VYXNum& dividend, const VYXNum& divisor) {
    if (IsExactlyRational(&dividend) && IsExactlyRational(&divisor)) {
        auto result = std::make_unique<VYXNumRational>();
        if (TryRationalDivide(ToRationalCopy(dividend), ToRationalCopy(divisor), *result)) {
            return result.release();
        }
    }
    auto result = std::make_unique<VYXNumUni>(ToUniValue(dividend));
    *result /= ToUniValue(divisor);
    return result.release();
}

void RejectNonIntegerRationalPower(const VYXNum& base, const VYXNum& exponent) {
    if (exponent.IsCmplx()) {
        throw VYXExceptionNumberFormat("ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!");
    }
    if (base.IsCmplx()) {
        throw VYXExceptionNumberFormat(
            "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!");
    }
}

} // namespace

VYXNum* VYXFunctPow::Apply(VYXNum* x, VYXNum* y, std::string angleUnit) {
    RequireOperand(x, GetName());
    RequireOperand(y, GetName());
    if (!IsExactlyRational(x) || !IsExactlyRational(y)) {
        return DecimalPower(*x, *y);
    }
    // Both are exactly rational (checked above), so they are read in place rather than copied.
    const auto& base = static_cast<const VYXNumRational&>(*x);
    const auto& exponent = static_cast<const VYXNumRational&>(*y);
    if (exponent.GetRealDivisor() == 1.0) {
        return IntegerPower(base, exponent);
    }

    // (p/q)^(n/d) = (p^n)^(1/d) / (q^n)^(1/d).
    RejectNonIntegerRationalPower(base, exponent);
    const double p = base.GetREALNumerator();
    const double n = exponent.GetREALNumerator();
    const double d = exponent.GetRealDivisor();
    const double numeratorPower = std::pow(p, n);
    const double divisorPower = std::pow(base.GetRealDivisor(), n);
    // When p^n or q^n leaves the range of a double the scheme would give inf/inf or 0/0 for a
    // perfectly representable power: take the decimal power of the values instead.
    if (!std::isfinite(numeratorPower) || !std::isfinite(divisorPower) || divisorPower == 0.0 ||
        (numeratorPower == 0.0 && p != 0.0)) {
        return DecimalPower(base, exponent);
    }
    const std::unique_ptr<VYXNum> f(ApplyDoubles(numeratorPower, 1.0 / d, angleUnit));
    const std::unique_ptr<VYXNum> g(ApplyDoubles(divisorPower, 1.0 / d, angleUnit));
    return Quotient(*f, *g);
}

VYXNum* VYXFunctPow::ApplyDoubles(double a, double b, std::string) {
    if (vyx_text::IsInteger(a) && vyx_text::IsInteger(b)) {
        return IntegerPower(VYXNumRational(a, 1.0, 0.0, 1.0), VYXNumRational(b, 1.0, 0.0, 1.0));
    }
    return DecimalPower(VYXNumUni(a, 0.0), VYXNumUni(b, 0.0));
}

VYXNum* VYXFunctNrt::Apply(VYXNum* x, VYXNum* y, std::string angleUnit) {
    RequireOperand(x, GetName());
    RequireOperand(y, GetName());
    if (IsExactlyRational(x) && IsExactlyRational(y)) {
        VYXNumRational reciprocal;
        if (TryRationalDivide(VYXNumRational(1.0, 1.0, 0.0, 1.0), ToRationalCopy(*x), reciprocal)) {
            return VYXFunctPow().Apply(y, &reciprocal, angleUnit);
        }
    }
    VYXNumUni reciprocal(1.0, 0.0);
    reciprocal /= ToUniValue(*x);
    return DecimalPower(*y, reciprocal);
}

VYXNum* VYXFunctNrt::ApplyDoubles(double a, double b, std::string) {
    return WrapResult(std::pow(b, 1.0 / a));
}

double VYXFunctSqrt::ApplyDouble(double x, std::string) {
    if (x < 0.0) {
        throw VYXExceptionFunction("i");
    }
    return std::sqrt(x);
}

VYXNum* VYXFunctSqrt::Apply(VYXNum* x, VYXNum*, std::string angleUnit) {
    RequireOperand(x, GetName());
    if (x->IsCmplx()) {
        const double a = x->GetRealValue();
        const double b = x->GetCmplxValue();
        const double sign = b > 0.0 ? 1.0 : -1.0;
        // hypot: the squares alone would overflow for parts beyond about 1e154.
        const double modulus = std::hypot(a, b);
        const double re = std::sqrt(modulus + a) * (1.0 / std::sqrt(2.0));
        const double im = std::sqrt(modulus - a) * (sign / std::sqrt(2.0));
        if (vyx_text::IsInteger(re) && vyx_text::IsInteger(im)) {
            return new VYXNumRational(re, 1.0, im, 1.0);
        }
        return new VYXNumUni(re, im);
    }
    const double value = x->GetRealValue();
    const double root = ApplyDouble(std::fabs(value), angleUnit);
    if (value < 0.0) {
        if (vyx_text::IsInteger(root)) {
            return new VYXNumRational(0.0, 1.0, root, 1.0);
        }
        return new VYXNumUni(0.0, root);
    }
    return WrapResult(root);
}
