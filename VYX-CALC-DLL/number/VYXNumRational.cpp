// SPDX-License-Identifier: MIT
// VYXNumRational: exact complex fractions, their literals, reduction and rational text.
#include "VYXNumRational.h"

#include "VYXExactFraction.h"
#include "VYXExceptions.h"
#include "VYXNumberText.h"
#include "VYXRationalArithmetic.h"

#include <cmath>
#include <cstdint>

namespace {

using vyx_exact::Int128;
using vyx_exact::UInt128;

using vyx_exact::IsExactInteger;

// IsInteger with the common case inline: every exact integer passes its test as well.
bool PassesIntegerTest(double x) {
    return IsExactInteger(x) || vyx_text::IsInteger(x);
}

UInt128 IntegerSquareRoot(UInt128 n) {
    // The long double estimate is within a few units; the loops make it exact.
    UInt128 root = static_cast<UInt128>(std::sqrt(static_cast<long double>(n)));
    while (root * root > n) {
        --root;
    }
    while ((root + 1) * (root + 1) <= n) {
        ++root;
    }
    return root;
}

// Exact |x| of a rational whose components are exact integers: the numerator sqrt(a² + b²) over
// rd·cd, when a² + b² is a perfect square and everything fits; false otherwise.
bool ExactAbsolute(double rn, double rd, double cn, double cd, double& num, double& den) {
    const Int128 a = static_cast<Int128>(rn) * static_cast<Int128>(cd);
    const Int128 b = static_cast<Int128>(cn) * static_cast<Int128>(rd);
    constexpr Int128 squareLimit = Int128(1) << 63;
    if (a >= squareLimit || -a >= squareLimit || b >= squareLimit || -b >= squareLimit) {
        return false;
    }
    const UInt128 sum = static_cast<UInt128>(a * a) + static_cast<UInt128>(b * b);
    const UInt128 root = IntegerSquareRoot(sum);
    if (root * root != sum) {
        return false;
    }
    vyx_exact::Fraction<vyx_exact::Int128Arithmetic> f;
    f.num = static_cast<Int128>(root);
    f.den = static_cast<Int128>(rd) * static_cast<Int128>(cd);
    vyx_exact::Normalise(f);
    constexpr Int128 limit = Int128(1) << 53;
    if (f.num > limit || f.den > limit) {
        return false;
    }
    num = static_cast<double>(f.num);
    den = static_cast<double>(f.den);
    return true;
}

void ApplyOrThrow(VYXRationalOperation operation, VYXNumRational& self, const VYXNumRational& rhs) {
    const VYXInexactPart inexact = ApplyRationalOperation(operation, self, rhs, self);
    if (inexact == VYXInexactPart::None) {
        return;
    }
    // An operator cannot change the type of its left operand: report the part that needs doubles.
    const VYXNumUni value = ApplyComplexDoubleOperation(operation, self, rhs);
    const double part =
        inexact == VYXInexactPart::Real ? value.GetRealValue() : value.GetCmplxValue();
    throw VYXExceptionNumberFormat("CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. " +
                                   vyx_text::DoubleToStrDefault(part));
}

void RequireIntegerPart(double value, const char* letter) {
    if (!PassesIntegerTest(value)) {
        throw VYXExceptionNumberFormat(std::string("CANT MAKE A ") + letter +
                                       " RATIONAL NUMBER OF A DOUBLE.. " +
                                       vyx_text::DoubleToStrDefault(value));
    }
}

void RequireIntegerValue(double value) {
    if (value != 0.0 && !PassesIntegerTest(value)) {
        throw VYXExceptionNumberFormat("CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. " +
                                       vyx_text::DoubleToStrDefault(value));
    }
}

void RequireConstructorPart(double value, const char* role) {
    if (!PassesIntegerTest(value)) {
        throw VYXExceptionNumberFormat(std::string(role) +
                                       " NOT AN INTEGER: " + vyx_text::DoubleToStrDefault(value) +
                                       "...CANT MAKE A RATIONAL NUMBER!!");
    }
}

std::string FractionText(double numerator, double divisor) {
    std::string text = vyx_text::RationalPartToStr(numerator);
    if (divisor != 1.0) {
        text += "/" + vyx_text::RationalPartToStr(divisor);
    }
    return text;
}

std::string ImaginaryFractionText(double numerator, double divisor) {
    std::string text;
    if (numerator == 1.0) {
        text = "i";
    } else if (numerator == -1.0) {
        text = "-i";
    } else {
        text = vyx_text::RationalPartToStr(numerator) + "i";
    }
    if (divisor != 1.0) {
        text += "/" + vyx_text::RationalPartToStr(divisor);
    }
    return text;
}

} // namespace

VYXNumRational::VYXNumRational() : VYXNumUni() {
    UpdateNumber();
}

VYXNumRational::VYXNumRational(double realNum, double realDiv, double cmplxNum, double cmplxDiv)
    : VYXNumUni() {
    if (realDiv == 0.0) {
        throw VYXExceptionNumberFormat(
            "DIVISION BY ZERO: " + vyx_text::DoubleToStrDefault(realNum) + "/" +
            vyx_text::DoubleToStrDefault(realDiv));
    }
    if (cmplxDiv == 0.0) {
        throw VYXExceptionNumberFormat(
            "DIVISION BY ZERO: " + vyx_text::DoubleToStrDefault(cmplxNum) + "/" +
            vyx_text::DoubleToStrDefault(cmplxDiv));
    }
    RequireConstructorPart(realNum, "NUMERATOR");
    RequireConstructorPart(realDiv, "DIVISOR");
    RequireConstructorPart(cmplxNum, "NUMERATOR");
    RequireConstructorPart(cmplxDiv, "DIVISOR");
    StoreParts(realNum, realDiv, cmplxNum, cmplxDiv);
}

void VYXNumRational::StoreParts(double realNum, double realDiv, double cmplxNum, double cmplxDiv) {
    m_dRealNumerator = realNum;
    m_dRealDivisor = realDiv;
    m_dCmplxNumerator = cmplxNum;
    m_dCmplxDivisor = cmplxDiv;
    UpdateNumber();
}

VYXNumRational::VYXNumRational(const VYXNumRational& other)
    : VYXNumUni(), m_dRealDivisor(other.m_dRealDivisor), m_dCmplxDivisor(other.m_dCmplxDivisor),
      m_dRealNumerator(other.m_dRealNumerator), m_dCmplxNumerator(other.m_dCmplxNumerator) {
    // The source is already a valid fraction, so its components need no checks (and a copy never
    // throws, even for a numerator set through the unchecked SetRealValue).
    UpdateNumber();
}

VYXNumRational& VYXNumRational::operator=(const VYXNumRational& other) {
    if (this != &other) {
        VYXNumUni::operator=(other);
        m_dRealDivisor = other.m_dRealDivisor;
        m_dCmplxDivisor = other.m_dCmplxDivisor;
        m_dRealNumerator = other.m_dRealNumerator;
        m_dCmplxNumerator = other.m_dCmplxNumerator;
        m_strRatValue = other.m_strRatValue;
        m_bRatTextStale = other.m_bRatTextStale;
    }
    return *this;
}

VYXNumRational::~VYXNumRational() = default;

std::string VYXNumRational::GetValue() {
    UpdateNumber();
    return RationalText();
}

VYXNum* VYXNumRational::GetABSValue() const {
    const double rn = m_dRealNumerator;
    const double rd = m_dRealDivisor;
    const double cn = m_dCmplxNumerator;
    const double cd = m_dCmplxDivisor;
    const double s = std::sqrt(rn * rn * cd * cd + cn * cn * rd * rd);
    if (IsExactInteger(rn) && IsExactInteger(rd) && IsExactInteger(cn) && IsExactInteger(cd)) {
        double num = 0.0;
        double den = 1.0;
        if (ExactAbsolute(rn, rd, cn, cd, num, den)) {
            return new VYXNumRational(num, den, 0.0, 1.0);
        }
        return new VYXNumUni(s / (rd * cd), 0.0);
    }
    // Components beyond 2^53 are not exact anyway; the integer test of the number model decides.
    if (s != 0.0 && !(vyx_text::IsInteger(s) && vyx_text::IsInteger(rd * cd))) {
        return new VYXNumUni(s / (rd * cd), 0.0);
    }
    return new VYXNumRational(s, rd * cd, 0.0, 1.0);
}

VYXNum* VYXNumRational::GetRealPrt() const {
    return new VYXNumRational(m_dRealNumerator, m_dRealDivisor, 0.0, 1.0);
}

VYXNum* VYXNumRational::GetImgPrt() const {
    return new VYXNumRational(m_dCmplxNumerator, m_dCmplxDivisor, 0.0, 1.0);
}

VYXNum* VYXNumRational::GetCNJ() const {
    return new VYXNumRational(m_dRealNumerator, m_dRealDivisor, -m_dCmplxNumerator,
                              m_dCmplxDivisor);
}

void VYXNumRational::SetRealValue(std::string text) {
    const auto [numerator, divisor] = ParseStrRat(text);
    VYXNumRational::SetValue(numerator, divisor, m_dCmplxNumerator, m_dCmplxDivisor);
}

void VYXNumRational::SetRealValue(double value) {
    m_dRealNumerator = value;
    UpdateNumber();
}

void VYXNumRational::SetCmplxValue(std::string text) {
    const auto [numerator, divisor] = ParseStrRat(text);
    VYXNumRational::SetValue(m_dRealNumerator, m_dRealDivisor, numerator, divisor);
}

void VYXNumRational::SetCmplxValue(double value) {
    RequireIntegerValue(value);
    m_dCmplxNumerator = value;
    UpdateNumber();
}

void VYXNumRational::SetValue(std::string text) {
    std::size_t unitPosition = text.rfind('I');
    if (unitPosition == std::string::npos) {
        unitPosition = text.rfind('i');
    }
    if (unitPosition != std::string::npos) {
        const std::size_t slashPosition = text.rfind('/');
        if (slashPosition != std::string::npos && slashPosition < unitPosition) {
            throw VYXExceptionNumberFormat("i IS NOT ALLOWED IN THE DIVISOR!!" + text);
        }
    }
    const bool imaginary = !text.empty() && (text.back() == 'i' || text.back() == 'I');
    if (!imaginary) {
        if (!vyx_text::IsInteger(vyx_text::ParseDoubleText(text))) {
            throw VYXExceptionNumberFormat("CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. " + text +
                                           "..");
        }
        VYXNumRational::SetRealValue(text);
        return;
    }
    const std::string coefficient = text.substr(0, text.size() - 1);
    if (!vyx_text::IsInteger(vyx_text::ParseDoubleText(coefficient))) {
        throw VYXExceptionNumberFormat("CANT MAKE A RATIONAL NUMBER OF A DOUBLE.. " + coefficient +
                                       "..");
    }
    VYXNumRational::SetCmplxValue(coefficient);
}

void VYXNumRational::SetValue(double a, double b, double c, double d) {
    if (b == 0.0 || d == 0.0) {
        throw VYXExceptionNumberFormat("DIVISION BY ZERO!!");
    }
    RequireIntegerPart(a, "a");
    RequireIntegerPart(b, "b");
    RequireIntegerPart(c, "c");
    RequireIntegerPart(d, "d");
    StoreParts(a, b, c, d);
}

void VYXNumRational::SetValue(double a, double b) {
    RequireIntegerValue(a);
    RequireIntegerValue(b);
    m_dRealNumerator = a;
    m_dCmplxNumerator = b;
    UpdateNumber();
}

void VYXNumRational::operator+=(const VYXNumRational& rhs) {
    ApplyOrThrow(VYXRationalOperation::Add, *this, rhs);
}

void VYXNumRational::operator-=(const VYXNumRational& rhs) {
    ApplyOrThrow(VYXRationalOperation::Subtract, *this, rhs);
}

void VYXNumRational::operator*=(const VYXNumRational& rhs) {
    ApplyOrThrow(VYXRationalOperation::Multiply, *this, rhs);
}

void VYXNumRational::operator/=(const VYXNumRational& rhs) {
    ApplyOrThrow(VYXRationalOperation::Divide, *this, rhs);
}

void VYXNumRational::operator^=(const VYXNumRational& rhs) {
    ApplyOrThrow(VYXRationalOperation::Power, *this, rhs);
}

VYXNumRational VYXNumRational::operator+(const VYXNumRational& rhs) const {
    VYXNumRational result(*this);
    result += rhs;
    return result;
}

VYXNumRational VYXNumRational::operator-(const VYXNumRational& rhs) const {
    VYXNumRational result(*this);
    result -= rhs;
    return result;
}

VYXNumRational VYXNumRational::operator*(const VYXNumRational& rhs) const {
    VYXNumRational result(*this);
    result *= rhs;
    return result;
}

VYXNumRational VYXNumRational::operator/(const VYXNumRational& rhs) const {
    VYXNumRational result(*this);
    result /= rhs;
    return result;
}

VYXNumRational VYXNumRational::operator^(const VYXNumRational& rhs) const {
    VYXNumRational result(*this);
    result ^= rhs;
    return result;
}

VYXNumUni VYXNumRational::operator+(const VYXNumUni& rhs) const {
    return VYXNumUni(m_dReal, m_dCmplx) + rhs;
}

VYXNumUni VYXNumRational::operator-(const VYXNumUni& rhs) const {
    return VYXNumUni(m_dReal, m_dCmplx) - rhs;
}

VYXNumUni VYXNumRational::operator*(const VYXNumUni& rhs) const {
    return VYXNumUni(m_dReal, m_dCmplx) * rhs;
}

VYXNumUni VYXNumRational::operator/(const VYXNumUni& rhs) const {
    return VYXNumUni(m_dReal, m_dCmplx) / rhs;
}

VYXNumUni VYXNumRational::operator^(const VYXNumUni& rhs) const {
    return VYXNumUni(m_dReal, m_dCmplx) ^ rhs;
}

void VYXNumRational::UpdateNumber() {
    FixNegDiv(m_dRealNumerator, m_dRealDivisor);
    FixNegDiv(m_dCmplxNumerator, m_dCmplxDivisor);
    FixBiggestCommonDiv(m_dRealNumerator, m_dRealDivisor);
    FixBiggestCommonDiv(m_dCmplxNumerator, m_dCmplxDivisor);
    m_dReal = m_dRealNumerator / m_dRealDivisor;
    m_dCmplx = m_dCmplxNumerator / m_dCmplxDivisor;
    VYXNumUni::UpdateNumber();
    m_bRatTextStale = true;
}

void VYXNumRational::FixNegDiv(double& numerator, double& divisor) {
    if (divisor < 0.0) {
        divisor = -divisor;
        numerator = -numerator;
    }
}

void VYXNumRational::FixBiggestCommonDiv(double& numerator, double& divisor) {
    if (numerator == 0.0) {
        numerator = 0.0; // no negative zero
        divisor = 1.0;
        return;
    }
    if (divisor == 1.0) {
        return; // an integer is always in lowest terms
    }
    if (IsExactInteger(numerator) && IsExactInteger(divisor)) {
        const std::uint64_t g =
            vyx_exact::BinaryGcd(static_cast<std::uint64_t>(std::fabs(numerator)),
                                 static_cast<std::uint64_t>(std::fabs(divisor)));
        if (g > 1) {
            numerator /= static_cast<double>(g);
            divisor /= static_cast<double>(g);
        }
        return;
    }
    // Beyond 2^53 the remainders of fmod are still exact, but a reduced part is kept only when
    // the integer test still accepts it, so a stored fraction always copies and prints alike.
    const double g = vyx_exact::DoubleArithmetic::Gcd(numerator, divisor);
    if (g > 1.0) {
        const double reducedNumerator = numerator / g;
        const double reducedDivisor = divisor / g;
        if (vyx_text::IsInteger(reducedNumerator) && vyx_text::IsInteger(reducedDivisor)) {
            numerator = reducedNumerator;
            divisor = reducedDivisor;
        }
    }
}

std::pair<double, double> VYXNumRational::ParseStrRat(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        return {vyx_text::ParseDoubleText(text), 1.0};
    }
    return {vyx_text::ParseDoubleText(text.substr(0, slash)),
            vyx_text::ParseDoubleText(text.substr(slash + 1))};
}

const std::string& VYXNumRational::RationalText() const {
    if (m_bRatTextStale) {
        m_strRatValue = BuildStrVal();
        m_bRatTextStale = false;
    }
    return m_strRatValue;
}

std::string VYXNumRational::BuildStrVal() const {
    if (m_dRealNumerator == 0.0 && m_dCmplxNumerator == 0.0) {
        return "0";
    }
    if (m_dCmplxNumerator == 0.0) {
        return FractionText(m_dRealNumerator, m_dRealDivisor);
    }
    if (m_dRealNumerator == 0.0) {
        return ImaginaryFractionText(m_dCmplxNumerator, m_dCmplxDivisor);
    }
    const std::string sign = m_dCmplxNumerator >= 0.0 ? "+" : "";
    return FractionText(m_dRealNumerator, m_dRealDivisor) + sign +
           ImaginaryFractionText(m_dCmplxNumerator, m_dCmplxDivisor);
}
