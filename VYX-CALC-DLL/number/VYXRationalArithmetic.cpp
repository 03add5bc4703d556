// SPDX-License-Identifier: MIT
// Exact rational arithmetic with 128-bit intermediates, falling back to integer-valued doubles.
#include "VYXRationalArithmetic.h"

#include "VYXExactFraction.h"
#include "VYXExceptions.h"
#include "VYXNumberText.h"

#include <cmath>

namespace {

using vyx_exact::ComplexFraction;
using vyx_exact::DoubleArithmetic;
using vyx_exact::FailedPart;
using vyx_exact::Int128Arithmetic;
using vyx_exact::Int64Arithmetic;

/// The four integer components of a rational, as stored.
struct RationalParts {
    double realNum;
    double realDiv;
    double cmplxNum;
    double cmplxDiv;
};

RationalParts PartsOf(const VYXNumRational& x) {
    return {x.RealNumerator(), x.GetRealDivisor(), x.CmplxNumerator(), x.GetCMPLXDivisor()};
}

using vyx_exact::IsExactInteger;

bool IsExact(const RationalParts& p) {
    return IsExactInteger(p.realNum) && IsExactInteger(p.realDiv) && IsExactInteger(p.cmplxNum) &&
           IsExactInteger(p.cmplxDiv);
}

VYXInexactPart ToInexactPart(FailedPart part) {
    switch (part) {
    case FailedPart::None:
        return VYXInexactPart::None;
    case FailedPart::Real:
        return VYXInexactPart::Real;
    case FailedPart::Imaginary:
        return VYXInexactPart::Imaginary;
    }
    return VYXInexactPart::Real;
}

template <typename Arith> ComplexFraction<Arith> ToComplexFraction(const RationalParts& p) {
    using Value = typename Arith::Value;
    ComplexFraction<Arith> z;
    z.re.num = static_cast<Value>(p.realNum);
    z.re.den = static_cast<Value>(p.realDiv);
    z.im.num = static_cast<Value>(p.cmplxNum);
    z.im.den = static_cast<Value>(p.cmplxDiv);
    return z;
}

template <typename Int> bool FitsExactly(Int value) {
    constexpr Int limit = Int(1) << 53;
    return value <= limit && value >= -limit;
}

// Exact results count only when every reduced component is an exact double integer.
template <typename Arith>
VYXInexactPart Store(const ComplexFraction<Arith>& z, VYXNumRational& result) {
    if (!FitsExactly(z.re.num) || !FitsExactly(z.re.den)) {
        return VYXInexactPart::Real;
    }
    if (!FitsExactly(z.im.num) || !FitsExactly(z.im.den)) {
        return VYXInexactPart::Imaginary;
    }
    result.SetValue(static_cast<double>(z.re.num), static_cast<double>(z.re.den),
                    static_cast<double>(z.im.num), static_cast<double>(z.im.den));
    return VYXInexactPart::None;
}

// Beyond 2^53 the historical integer test decides what a rational may hold.
VYXInexactPart Store(const RationalParts& p, VYXNumRational& result) {
    if (!vyx_text::IsInteger(p.realNum) || !vyx_text::IsInteger(p.realDiv) || p.realDiv == 0.0) {
        return VYXInexactPart::Real;
    }
    if (!vyx_text::IsInteger(p.cmplxNum) || !vyx_text::IsInteger(p.cmplxDiv) || p.cmplxDiv == 0.0) {
        return VYXInexactPart::Imaginary;
    }
    result.SetValue(p.realNum, p.realDiv, p.cmplxNum, p.cmplxDiv);
    return VYXInexactPart::None;
}

VYXInexactPart Store(const ComplexFraction<DoubleArithmetic>& z, VYXNumRational& result) {
    return Store(RationalParts{z.re.num, z.re.den, z.im.num, z.im.den}, result);
}

// Real operands need only their real parts: the imaginary part of the result is 0, and the
// complex formulas would give the same real part and fail at the same step.
template <typename Arith>
FailedPart ComputeReal(VYXRationalOperation operation, const ComplexFraction<Arith>& x,
                       const ComplexFraction<Arith>& y, ComplexFraction<Arith>& out) {
    bool fits = false;
    ComplexFraction<Arith> r;
    switch (operation) {
    case VYXRationalOperation::Add:
        fits = vyx_exact::AddSigned(x.re, y.re, false, r.re);
        break;
    case VYXRationalOperation::Subtract:
        fits = vyx_exact::AddSigned(x.re, y.re, true, r.re);
        break;
    case VYXRationalOperation::Multiply:
        fits = vyx_exact::Multiply(x.re, y.re, r.re);
        break;
    case VYXRationalOperation::Divide:
        fits = vyx_exact::Divide(x.re, y.re, r.re);
        break;
    case VYXRationalOperation::Power:
        break;
    }
    if (!fits) {
        return FailedPart::Real;
    }
    out = r;
    return FailedPart::None;
}

template <typename Arith>
FailedPart Compute(VYXRationalOperation operation, const ComplexFraction<Arith>& x,
                   const ComplexFraction<Arith>& y, ComplexFraction<Arith>& out) {
    if (x.im.IsZero() && y.im.IsZero()) {
        return ComputeReal(operation, x, y, out);
    }
    switch (operation) {
    case VYXRationalOperation::Add:
        return vyx_exact::AddComplex(x, y, false, out);
    case VYXRationalOperation::Subtract:
        return vyx_exact::AddComplex(x, y, true, out);
    case VYXRationalOperation::Multiply:
        return vyx_exact::MultiplyComplex(x, y, out);
    case VYXRationalOperation::Divide:
        return vyx_exact::DivideComplex(x, y, out);
    case VYXRationalOperation::Power:
        break;
    }
    return FailedPart::Real;
}

template <typename Arith>
VYXInexactPart ComputeAndStore(VYXRationalOperation operation, const RationalParts& a,
                               const RationalParts& b, VYXNumRational& result) {
    ComplexFraction<Arith> z;
    const FailedPart failed =
        Compute(operation, ToComplexFraction<Arith>(a), ToComplexFraction<Arith>(b), z);
    if (failed != FailedPart::None) {
        return ToInexactPart(failed);
    }
    return Store(z, result);
}

// Exact operands: 64-bit intermediates suffice for most values. The exact result in lowest terms
// is unique, so when they overflow the 128-bit ones give the same answer or the failing part.
VYXInexactPart ComputeExactAndStore(VYXRationalOperation operation, const RationalParts& a,
                                    const RationalParts& b, VYXNumRational& result) {
    ComplexFraction<Int64Arithmetic> z;
    if (Compute(operation, ToComplexFraction<Int64Arithmetic>(a),
                ToComplexFraction<Int64Arithmetic>(b), z) == FailedPart::None) {
        return Store(z, result);
    }
    return ComputeAndStore<Int128Arithmetic>(operation, a, b, result);
}

// base^exponent for an integer exponent of any magnitude; a negative one gives the reciprocal.
template <typename Arith>
FailedPart ComputePower(const RationalParts& base, double exponent, ComplexFraction<Arith>& out) {
    FailedPart failed =
        vyx_exact::PowerComplex(ToComplexFraction<Arith>(base), std::fabs(exponent), out);
    if (failed == FailedPart::None && exponent < 0.0) {
        ComplexFraction<Arith> one;
        one.re.num = 1;
        failed = vyx_exact::DivideComplex(one, out, out);
    }
    return failed;
}

template <typename Arith>
VYXInexactPart PowerAndStore(const RationalParts& base, double exponent, VYXNumRational& result) {
    ComplexFraction<Arith> power;
    const FailedPart failed = ComputePower(base, exponent, power);
    if (failed != FailedPart::None) {
        return ToInexactPart(failed);
    }
    return Store(power, result);
}

// As ComputeExactAndStore: 64-bit first, 128-bit when that overflows.
VYXInexactPart ExactPowerAndStore(const RationalParts& base, double exponent,
                                  VYXNumRational& result) {
    ComplexFraction<Int64Arithmetic> power;
    if (ComputePower(base, exponent, power) == FailedPart::None) {
        return Store(power, result);
    }
    return PowerAndStore<Int128Arithmetic>(base, exponent, result);
}

VYXInexactPart ApplyPower(const VYXNumRational& base, const VYXNumRational& exponent,
                          VYXNumRational& result) {
    if (exponent.IsCmplx()) {
        throw VYXExceptionNumberFormat("ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!");
    }
    const double p = exponent.RealNumerator();
    const bool integerExponent = exponent.GetRealDivisor() == 1.0 && vyx_text::IsInteger(p);
    if (base.IsCmplx() && !integerExponent) {
        throw VYXExceptionNumberFormat(
            "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!");
    }
    if (base.IsCmplx() && exponent.ISZero()) {
        throw VYXExceptionNumberFormat(
            "ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!.. ATLEAST NOT HERE..");
    }
    if (base.ISZero() && exponent.ISZero()) {
        throw VYXExceptionNumberFormat("ERROR!! CANNOT POWER ZERO WITH ZERO!!");
    }
    if (exponent.ISZero()) {
        // Any non-zero real base to the power 0 is 1, whatever its sign.
        result.SetValue(1.0, 1.0, 0.0, 1.0);
        return VYXInexactPart::None;
    }
    if (!integerExponent) {
        // A real base to a fractional power is left to complex-double arithmetic.
        return VYXInexactPart::Real;
    }
    const RationalParts parts = PartsOf(base);
    if (p == 1.0) {
        return Store(parts, result);
    }
    if (p < 0.0 && base.ISZero()) {
        throw VYXExceptionNumberFormat("ERRROR!! DIVISION BY ZERO!!");
    }
    if (IsExact(parts) && IsExactInteger(p)) {
        return ExactPowerAndStore(parts, p, result);
    }
    return PowerAndStore<DoubleArithmetic>(parts, p, result);
}

} // namespace

VYXInexactPart ApplyRationalOperation(VYXRationalOperation operation, const VYXNumRational& a,
                                      const VYXNumRational& b, VYXNumRational& result) {
    if (operation == VYXRationalOperation::Power) {
        return ApplyPower(a, b, result);
    }
    if (operation == VYXRationalOperation::Divide && b.ISZero()) {
        throw VYXExceptionNumberFormat("ERRROR!! DIVISION BY ZERO!!");
    }
    const RationalParts left = PartsOf(a);
    const RationalParts right = PartsOf(b);
    if (IsExact(left) && IsExact(right)) {
        return ComputeExactAndStore(operation, left, right, result);
    }
    return ComputeAndStore<DoubleArithmetic>(operation, left, right, result);
}

VYXNumUni ApplyComplexDoubleOperation(VYXRationalOperation operation, const VYXNumRational& a,
                                      const VYXNumRational& b) {
    const VYXNumUni left(a.GetRealValue(), a.GetCmplxValue());
    const VYXNumUni right(b.GetRealValue(), b.GetCmplxValue());
    switch (operation) {
    case VYXRationalOperation::Add:
        return left + right;
    case VYXRationalOperation::Subtract:
        return left - right;
    case VYXRationalOperation::Multiply:
        return left * right;
    case VYXRationalOperation::Divide:
        return left / right;
    case VYXRationalOperation::Power:
        return left ^ right;
    }
    return left;
}

bool TryRationalAdd(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result) {
    return ApplyRationalOperation(VYXRationalOperation::Add, a, b, result) == VYXInexactPart::None;
}

bool TryRationalSubtract(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result) {
    return ApplyRationalOperation(VYXRationalOperation::Subtract, a, b, result) ==
           VYXInexactPart::None;
}

bool TryRationalMultiply(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result) {
    return ApplyRationalOperation(VYXRationalOperation::Multiply, a, b, result) ==
           VYXInexactPart::None;
}

bool TryRationalDivide(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result) {
    return ApplyRationalOperation(VYXRationalOperation::Divide, a, b, result) ==
           VYXInexactPart::None;
}

bool TryRationalPower(const VYXNumRational& base, const VYXNumRational& exponent,
                      VYXNumRational& result) {
    return ApplyRationalOperation(VYXRationalOperation::Power, base, exponent, result) ==
           VYXInexactPart::None;
}
