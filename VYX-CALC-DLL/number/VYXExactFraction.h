// SPDX-License-Identifier: MIT
// Fractions and complex fractions over exact 64-bit and 128-bit integers and integer-valued
// doubles.
#pragma once

#include "VYXNumberText.h"

#include <cmath>
#include <cstdint>

namespace vyx_exact {

// 128-bit integers are a GCC/Clang extension; naming them once keeps the pedantic warning local.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

/// An integer-valued double of magnitude up to 2^53. The range test comes first, so the cast is
/// always defined, and it truncates like std::trunc without a library call.
inline bool IsExactInteger(double x) {
    return std::fabs(x) <= vyx_text::kVyxExactIntegerLimit &&
           x == static_cast<double>(static_cast<std::int64_t>(x));
}

/// Greatest common divisor by the binary method (shifts instead of divisions); gcd(0, y) = y.
inline std::uint64_t BinaryGcd(std::uint64_t x, std::uint64_t y) {
    if (x == 0) {
        return y;
    }
    if (y == 0) {
        return x;
    }
    const int sharedTwos = __builtin_ctzll(x | y);
    x >>= __builtin_ctzll(x);
    do {
        y >>= __builtin_ctzll(y);
        if (x > y) {
            const std::uint64_t larger = x;
            x = y;
            y = larger;
        }
        y -= x;
    } while (y != 0);
    return x << sharedTwos;
}

/// 64-bit exact integers with overflow checks, tried before the 128-bit ones because most
/// values are small. The most negative value counts as overflow, so every magnitude fits.
struct Int64Arithmetic {
    using Value = std::int64_t;
    static bool Add(Value a, Value b, Value& out) {
        return !__builtin_add_overflow(a, b, &out) && out != kMostNegative;
    }
    static bool Subtract(Value a, Value b, Value& out) {
        return !__builtin_sub_overflow(a, b, &out) && out != kMostNegative;
    }
    static bool Multiply(Value a, Value b, Value& out) {
        return !__builtin_mul_overflow(a, b, &out) && out != kMostNegative;
    }
    /// Greatest common divisor of the magnitudes; gcd(0, b) = |b|.
    static Value Gcd(Value a, Value b) {
        return static_cast<Value>(BinaryGcd(Magnitude(a), Magnitude(b)));
    }
    static Value ExactQuotient(Value a, Value b) { return a / b; }

private:
    static constexpr Value kMostNegative = INT64_MIN;
    static std::uint64_t Magnitude(Value a) {
        return a < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(a)
                     : static_cast<std::uint64_t>(a);
    }
};

/// Exact integers with overflow checks: every operation reports false instead of wrapping.
struct Int128Arithmetic {
    using Value = Int128;
    static bool Add(Value a, Value b, Value& out) { return !__builtin_add_overflow(a, b, &out); }
    static bool Subtract(Value a, Value b, Value& out) {
        return !__builtin_sub_overflow(a, b, &out);
    }
    static bool Multiply(Value a, Value b, Value& out) {
        return !__builtin_mul_overflow(a, b, &out);
    }
    /// |a| as unsigned, defined even for the most negative value.
    static UInt128 Magnitude(Value a) {
        return a < 0 ? UInt128(0) - static_cast<UInt128>(a) : static_cast<UInt128>(a);
    }
    /// Greatest common divisor of the magnitudes; gcd(0, b) = |b|.
    static Value Gcd(Value a, Value b) {
        UInt128 x = Magnitude(a);
        UInt128 y = Magnitude(b);
        if ((x >> 64) == 0 && (y >> 64) == 0) {
            // The common case: 64-bit values, without 128-bit divisions.
            return static_cast<Value>(
                BinaryGcd(static_cast<std::uint64_t>(x), static_cast<std::uint64_t>(y)));
        }
        while (y != 0) {
            const UInt128 rest = x % y;
            x = y;
            y = rest;
        }
        return static_cast<Value>(x);
    }
    static Value ExactQuotient(Value a, Value b) { return a / b; }
};

/// Integer-valued doubles: exact while the values stay small, rounded beyond 2^53. An operation
/// fails when it leaves the finite range; fmod keeps the gcd exact at any magnitude.
struct DoubleArithmetic {
    using Value = double;
    static bool Add(Value a, Value b, Value& out) {
        out = a + b;
        return std::isfinite(out);
    }
    static bool Subtract(Value a, Value b, Value& out) {
        out = a - b;
        return std::isfinite(out);
    }
    static bool Multiply(Value a, Value b, Value& out) {
        out = a * b;
        return std::isfinite(out);
    }
    static Value Gcd(Value a, Value b) {
        double x = std::fabs(a);
        double y = std::fabs(b);
        if (!std::isfinite(x) || !std::isfinite(y) || x != std::trunc(x) || y != std::trunc(y)) {
            return 1.0;
        }
        while (y != 0.0) {
            const double rest = std::fmod(x, y);
            x = y;
            y = rest;
        }
        return x;
    }
    static Value ExactQuotient(Value a, Value b) { return a / b; }
};

/// num/den with den > 0, kept in lowest terms.
template <typename Arith> struct Fraction {
    using Value = typename Arith::Value;
    Value num = 0;
    Value den = 1;

    bool IsZero() const { return num == 0; }
};

/// Brings a fraction with non-zero denominator to lowest terms and a positive denominator.
template <typename Arith> bool Normalise(Fraction<Arith>& f) {
    using Value = typename Arith::Value;
    if (f.den < 0) {
        if (!Arith::Subtract(Value(0), f.num, f.num) || !Arith::Subtract(Value(0), f.den, f.den)) {
            return false;
        }
    }
    const Value g = Arith::Gcd(f.num, f.den);
    if (g != Value(0) && g != Value(1)) {
        f.num = Arith::ExactQuotient(f.num, g);
        f.den = Arith::ExactQuotient(f.den, g);
    }
    return true;
}

template <typename Arith>
bool Multiply(const Fraction<Arith>& x, const Fraction<Arith>& y, Fraction<Arith>& out) {
    using Value = typename Arith::Value;
    // Cancelling crosswise first keeps the intermediates small and the result in lowest terms.
    Value g1 = Arith::Gcd(x.num, y.den);
    Value g2 = Arith::Gcd(y.num, x.den);
    if (g1 == Value(0)) {
        g1 = Value(1);
    }
    if (g2 == Value(0)) {
        g2 = Value(1);
    }
    Fraction<Arith> r;
    if (!Arith::Multiply(Arith::ExactQuotient(x.num, g1), Arith::ExactQuotient(y.num, g2), r.num) ||
        !Arith::Multiply(Arith::ExactQuotient(x.den, g2), Arith::ExactQuotient(y.den, g1), r.den)) {
        return false;
    }
    if (!Normalise(r)) {
        return false;
    }
    out = r;
    return true;
}

/// x + y, or x - y when subtract is set.
template <typename Arith>
bool AddSigned(const Fraction<Arith>& x, const Fraction<Arith>& y, bool subtract,
               Fraction<Arith>& out) {
    using Value = typename Arith::Value;
    const Value g = Arith::Gcd(x.den, y.den);
    const Value yScale = Arith::ExactQuotient(x.den, g);
    const Value xScale = Arith::ExactQuotient(y.den, g);
    Value left = 0;
    Value right = 0;
    Fraction<Arith> r;
    if (!Arith::Multiply(x.num, xScale, left) || !Arith::Multiply(y.num, yScale, right) ||
        !Arith::Multiply(x.den, xScale, r.den)) {
        return false;
    }
    const bool fits =
        subtract ? Arith::Subtract(left, right, r.num) : Arith::Add(left, right, r.num);
    if (!fits || !Normalise(r)) {
        return false;
    }
    out = r;
    return true;
}

/// x / y for a non-zero y.
template <typename Arith>
bool Divide(const Fraction<Arith>& x, const Fraction<Arith>& y, Fraction<Arith>& out) {
    Fraction<Arith> reciprocal;
    reciprocal.num = y.den;
    reciprocal.den = y.num;
    if (!Normalise(reciprocal)) {
        return false;
    }
    return Multiply(x, reciprocal, out);
}

/// re + im·i with fractional parts.
template <typename Arith> struct ComplexFraction {
    Fraction<Arith> re;
    Fraction<Arith> im;

    bool IsZero() const { return re.IsZero() && im.IsZero(); }
};

/// Which part of a result could not be formed, when an operation fails.
enum class FailedPart { None, Real, Imaginary };

template <typename Arith>
FailedPart AddComplex(const ComplexFraction<Arith>& x, const ComplexFraction<Arith>& y,
                      bool subtract, ComplexFraction<Arith>& out) {
    ComplexFraction<Arith> r;
    if (!AddSigned(x.re, y.re, subtract, r.re)) {
        return FailedPart::Real;
    }
    if (!AddSigned(x.im, y.im, subtract, r.im)) {
        return FailedPart::Imaginary;
    }
    out = r;
    return FailedPart::None;
}

template <typename Arith>
FailedPart MultiplyComplex(const ComplexFraction<Arith>& x, const ComplexFraction<Arith>& y,
                           ComplexFraction<Arith>& out) {
    ComplexFraction<Arith> r;
    if (x.im.IsZero() && y.im.IsZero()) {
        // Real factors (the usual powers): the zero terms of the general formula change neither
        // the real part nor where it fails, and the imaginary part stays 0.
        if (!Multiply(x.re, y.re, r.re)) {
            return FailedPart::Real;
        }
        out = r;
        return FailedPart::None;
    }
    Fraction<Arith> first;
    Fraction<Arith> second;
    if (!Multiply(x.re, y.re, first) || !Multiply(x.im, y.im, second) ||
        !AddSigned(first, second, true, r.re)) {
        return FailedPart::Real;
    }
    if (!Multiply(x.im, y.re, first) || !Multiply(x.re, y.im, second) ||
        !AddSigned(first, second, false, r.im)) {
        return FailedPart::Imaginary;
    }
    out = r;
    return FailedPart::None;
}

/// x / y for a non-zero y. A real divisor divides each part directly; otherwise x·conj(y)/|y|².
template <typename Arith>
FailedPart DivideComplex(const ComplexFraction<Arith>& x, const ComplexFraction<Arith>& y,
                         ComplexFraction<Arith>& out) {
    ComplexFraction<Arith> r;
    if (y.im.IsZero()) {
        if (!Divide(x.re, y.re, r.re)) {
            return FailedPart::Real;
        }
        if (!Divide(x.im, y.re, r.im)) {
            return FailedPart::Imaginary;
        }
        out = r;
        return FailedPart::None;
    }
    Fraction<Arith> reSquare;
    Fraction<Arith> imSquare;
    Fraction<Arith> norm;
    if (!Multiply(y.re, y.re, reSquare) || !Multiply(y.im, y.im, imSquare) ||
        !AddSigned(reSquare, imSquare, false, norm)) {
        return FailedPart::Real;
    }
    ComplexFraction<Arith> conjugate = y;
    if (!Arith::Subtract(0, y.im.num, conjugate.im.num)) {
        return FailedPart::Imaginary;
    }
    ComplexFraction<Arith> product;
    const FailedPart failed = MultiplyComplex(x, conjugate, product);
    if (failed != FailedPart::None) {
        return failed;
    }
    if (!Divide(product.re, norm, r.re)) {
        return FailedPart::Real;
    }
    if (!Divide(product.im, norm, r.im)) {
        return FailedPart::Imaginary;
    }
    out = r;
    return FailedPart::None;
}

/// base^exponent for a positive exponent held as a double with an integer value (any size),
/// by square-and-multiply: at most about a thousand rounds even for 1e300.
template <typename Arith>
FailedPart PowerComplex(const ComplexFraction<Arith>& base, double exponent,
                        ComplexFraction<Arith>& out) {
    ComplexFraction<Arith> result;
    result.re.num = 1;
    ComplexFraction<Arith> square = base;
    double remaining = exponent;
    while (remaining > 0.0) {
        if (std::fmod(remaining, 2.0) == 1.0) {
            const FailedPart failed = MultiplyComplex(result, square, result);
            if (failed != FailedPart::None) {
                return failed;
            }
            if (result.IsZero()) {
                break;
            }
        }
        remaining = std::floor(remaining / 2.0);
        if (remaining > 0.0) {
            const FailedPart failed = MultiplyComplex(square, square, square);
            if (failed != FailedPart::None) {
                return failed;
            }
        }
    }
    out = result;
    return FailedPart::None;
}

} // namespace vyx_exact
