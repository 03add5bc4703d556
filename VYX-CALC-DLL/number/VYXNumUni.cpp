// SPDX-License-Identifier: MIT
// VYXNumUni: complex-double arithmetic, literal parsing and the lazily rendered decimal text.
#include "VYXNumUni.h"

#include "VYXExceptions.h"
#include "VYXImaginaryAxis.h"
#include "VYXLiteralText.h"
#include "VYXNumberText.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace {

// Up to this many factors the power multiplies one by one, which keeps ordinary results identical
// to the last bit; beyond it square-and-multiply keeps enormous exponents fast.
constexpr double kRepeatedMultiplicationLimit = 1000000.0;

bool BothPartsNaN(const VYXNumUni& number) {
    return std::isnan(number.GetRealValue()) && std::isnan(number.GetCmplxValue());
}

// Further factors cannot change a value that is exactly zero or not a number in both parts.
bool PowerIsSettled(const VYXNumUni& number) {
    return number.ISZero() || BothPartsNaN(number);
}

// base^count for a complex base and an integer count >= 1.
VYXNumUni ComplexIntegerPower(const VYXNumUni& base, double count) {
    if (count <= kRepeatedMultiplicationLimit) {
        VYXNumUni result(base);
        const long factors = static_cast<long>(count);
        for (long i = 1; i < factors && !PowerIsSettled(result); ++i) {
            result *= base;
        }
        return result;
    }
    VYXNumUni result(1.0, 0.0);
    VYXNumUni square(base);
    double remaining = count;
    while (remaining > 0.0 && !PowerIsSettled(result)) {
        if (std::fmod(remaining, 2.0) == 1.0) {
            result *= square;
        }
        remaining = std::floor(remaining / 2.0);
        if (remaining > 0.0) {
            square *= square;
        }
    }
    return result;
}

} // namespace

VYXNumUni::VYXNumUni() : VYXNum() {
    m_nPrecision = 6;
}

VYXNumUni::VYXNumUni(double real, double cmplx) : VYXNum(), m_dReal(real), m_dCmplx(cmplx) {
    m_nPrecision = 6;
    UpdateNumber();
}

VYXNumUni::VYXNumUni(const VYXNumUni& other)
    : VYXNum(), m_dReal(other.m_dReal), m_dCmplx(other.m_dCmplx) {
    m_nPrecision = 6;
    UpdateNumber();
}

VYXNumUni& VYXNumUni::operator=(const VYXNumUni& other) {
    if (this != &other) {
        VYXNum::operator=(other);
        m_dReal = other.m_dReal;
        m_dCmplx = other.m_dCmplx;
        m_dFI = other.m_dFI;
        m_dAbs = other.m_dAbs;
        m_bCmplx = other.m_bCmplx;
        m_bZero = other.m_bZero;
        m_bImagOnly = other.m_bImagOnly;
        m_strValue = other.m_strValue;
        m_bTextStale = other.m_bTextStale;
        m_nTextPrecision = other.m_nTextPrecision;
    }
    return *this;
}

VYXNumUni::~VYXNumUni() = default;

std::string VYXNumUni::GetValue() {
    UpdateNumber();
    return HeldText();
}

VYXNum* VYXNumUni::GetABSValue() const {
    return new VYXNumUni(m_dAbs, 0.0);
}
VYXNum* VYXNumUni::GetRealPrt() const {
    return new VYXNumUni(m_dReal, 0.0);
}
VYXNum* VYXNumUni::GetImgPrt() const {
    return new VYXNumUni(m_dCmplx, 0.0);
}
VYXNum* VYXNumUni::GetCNJ() const {
    return new VYXNumUni(m_dReal, -m_dCmplx);
}

void VYXNumUni::SetRealValue(std::string text) {
    m_dReal = vyx_text::ParseDoubleText(text);
    UpdateNumber();
}

void VYXNumUni::SetRealValue(double value) {
    m_dReal = value;
    UpdateNumber();
}

void VYXNumUni::SetCmplxValue(std::string text) {
    m_dCmplx = vyx_text::ParseDoubleText(text);
    UpdateNumber();
}

void VYXNumUni::SetCmplxValue(double value) {
    m_dCmplx = value;
    UpdateNumber();
}

void VYXNumUni::SetValue(std::string text) {
    // ParseDoubleText throws its own message for a malformed number part.
    const auto parseOrThrow = [](std::string_view number, double& value) {
        value = vyx_text::ParseDoubleText(std::string(number));
        return true;
    };
    double real = 0.0;
    double imag = 0.0;
    if (!vyx_text::ReadComplexDoubleLiteral(text, real, imag, parseOrThrow)) {
        throw VYXExceptionNumberFormat("ERROR! UNABLE TO PARSE THE NUMBER: " + text + "i..");
    }
    VYXNumUni::SetValue(real, imag);
}

void VYXNumUni::SetValue(double realNum, double /*realDiv*/, double cmplxNum, double /*cmplxDiv*/) {
    VYXNumUni::SetValue(realNum, cmplxNum);
}

void VYXNumUni::SetValue(double real, double cmplx) {
    m_dReal = real;
    m_dCmplx = cmplx;
    UpdateNumber();
}

void VYXNumUni::operator+=(const VYXNumUni& rhs) {
    if (rhs.m_bZero) {
        return;
    }
    if (m_bZero) {
        VYXNumUni::SetValue(rhs.m_dReal, rhs.m_dCmplx);
    } else if (!m_bCmplx && !rhs.m_bCmplx) {
        VYXNumUni::SetValue(m_dReal + rhs.m_dReal, 0.0);
    } else if (m_bCmplx && m_bImagOnly && rhs.m_bCmplx && rhs.m_bImagOnly) {
        VYXNumUni::SetValue(0.0, m_dCmplx + rhs.m_dCmplx);
    } else {
        VYXNumUni::SetValue(m_dReal + rhs.m_dReal, m_dCmplx + rhs.m_dCmplx);
    }
}

void VYXNumUni::operator-=(const VYXNumUni& rhs) {
    if (rhs.m_bZero) {
        return;
    }
    if (m_bZero) {
        VYXNumUni::SetValue(-rhs.m_dReal, -rhs.m_dCmplx);
    } else if (!m_bCmplx && !rhs.m_bCmplx) {
        VYXNumUni::SetValue(m_dReal - rhs.m_dReal, 0.0);
    } else if (m_bCmplx && m_bImagOnly && rhs.m_bCmplx && rhs.m_bImagOnly) {
        VYXNumUni::SetValue(0.0, m_dCmplx - rhs.m_dCmplx);
    } else {
        VYXNumUni::SetValue(m_dReal - rhs.m_dReal, m_dCmplx - rhs.m_dCmplx);
    }
}

void VYXNumUni::operator*=(const VYXNumUni& rhs) {
    if (m_bZero || rhs.m_bZero) {
        VYXNumUni::SetValue(0.0, 0.0);
    } else if (!m_bCmplx && !rhs.m_bCmplx) {
        VYXNumUni::SetValue(m_dReal * rhs.m_dReal, 0.0);
    } else if (m_bImagOnly && rhs.m_bImagOnly) {
        VYXNumUni::SetValue(-(m_dCmplx * rhs.m_dCmplx), 0.0);
    } else {
        // Both parts are read before either is written, so x *= x works.
        const double real = m_dReal * rhs.m_dReal - m_dCmplx * rhs.m_dCmplx;
        const double imag = m_dCmplx * rhs.m_dReal + m_dReal * rhs.m_dCmplx;
        VYXNumUni::SetValue(real, imag);
    }
}

void VYXNumUni::operator/=(const VYXNumUni& rhs) {
    if (rhs.m_bZero) {
        throw VYXExceptionNumberFormat("ERRROR!! DIVISION BY ZERO!!" + HeldText() + "/" +
                                       rhs.HeldText());
    }
    if (m_bZero) {
        return;
    }
    if (!m_bCmplx && !rhs.m_bCmplx) {
        VYXNumUni::SetValue(m_dReal / rhs.m_dReal, 0.0);
    } else if (m_bImagOnly && rhs.m_bImagOnly) {
        VYXNumUni::SetValue(m_dCmplx / rhs.m_dCmplx, 0.0);
    } else {
        const double a = m_dReal;
        const double b = m_dCmplx;
        const double c = rhs.m_dReal;
        const double d = rhs.m_dCmplx;
        const double norm = c * c + d * d;
        VYXNumUni::SetValue((d * b + c * a) / norm, (b * c - d * a) / norm);
    }
}

void VYXNumUni::operator^=(const VYXNumUni& rhs) {
    if (rhs.m_bCmplx) {
        throw VYXExceptionNumberFormat("ERROR!! CANNOT POWER A NUMBER WITH A CMPLX NUMBER!!");
    }
    const double p = rhs.m_dReal;
    if (m_bCmplx && !vyx_text::IsInteger(p)) {
        throw VYXExceptionNumberFormat(
            "ERROR!! CANNOT POWER A CMPLX NUMBER TO A NON-INTEGER-NUMBER!!");
    }
    if (m_bCmplx && rhs.m_bZero) {
        throw VYXExceptionNumberFormat("ERROR!! CANNOT POWER A CMPLX NUMBER WITH ZERO!!");
    }
    if (m_bZero && rhs.m_bZero) {
        throw VYXExceptionNumberFormat("ERROR!! CANNOT POWER ZERO WITH ZERO!!");
    }
    if (rhs.m_bZero) {
        // Any non-zero real base to the power 0 is 1, whatever its sign.
        VYXNumUni::SetRealValue(1.0);
        return;
    }
    if (p == 1.0) {
        return;
    }
    if (!m_bCmplx) {
        VYXNumUni::SetRealValue(std::pow(m_dReal, p));
        return;
    }
    if (p > 1.0) {
        const VYXNumUni power = ComplexIntegerPower(*this, p);
        VYXNumUni::SetValue(power.m_dReal, power.m_dCmplx);
        return;
    }
    if (p < 0.0) {
        VYXNumUni quotient(1.0, 0.0);
        quotient /= ComplexIntegerPower(*this, -p);
        VYXNumUni::SetValue(quotient.m_dReal, quotient.m_dCmplx);
        return;
    }
    throw VYXExceptionNumberFormat("ERROR!! NO DEFENITION TO HANDLE THIS: " + HeldText() + "^" +
                                   rhs.HeldText() + "!!");
}

VYXNumUni VYXNumUni::operator+(const VYXNumUni& rhs) const {
    VYXNumUni result(*this);
    result += rhs;
    return result;
}

VYXNumUni VYXNumUni::operator-(const VYXNumUni& rhs) const {
    VYXNumUni result(*this);
    result -= rhs;
    return result;
}

VYXNumUni VYXNumUni::operator*(const VYXNumUni& rhs) const {
    VYXNumUni result(*this);
    result *= rhs;
    return result;
}

VYXNumUni VYXNumUni::operator/(const VYXNumUni& rhs) const {
    VYXNumUni result(*this);
    result /= rhs;
    return result;
}

VYXNumUni VYXNumUni::operator^(const VYXNumUni& rhs) const {
    VYXNumUni result(*this);
    result ^= rhs;
    return result;
}

void VYXNumUni::UpdateNumber() {
    const bool realZero = m_dReal == 0.0;
    const bool imagZero = m_dCmplx == 0.0;
    m_bCmplx = !imagZero;
    m_bZero = realZero && imagZero;
    m_bImagOnly = realZero;
    if (m_bZero) {
        m_dAbs = 0.0;
        m_dFI = 0.0;
    } else if (imagZero) {
        m_dAbs = std::fabs(m_dReal);
        m_dFI = m_dReal > 0.0 ? 0.0 : std::numbers::pi;
    } else if (realZero) {
        m_dAbs = std::fabs(m_dCmplx);
        m_dFI =
            m_dCmplx > 0.0 ? vyx_angle::kPositiveImaginaryAxis : vyx_angle::kNegativeImaginaryAxis;
    } else {
        CalcABS();
        CalcFI();
    }
    // The text is rendered only when someone reads it; arithmetic never pays for formatting.
    m_bTextStale = true;
    m_nTextPrecision = m_nPrecision;
}

const std::string& VYXNumUni::HeldText() const {
    if (m_bTextStale) {
        m_strValue = RenderText();
        m_bTextStale = false;
    }
    return m_strValue;
}

void VYXNumUni::CalcABS() {
    m_dAbs = std::sqrt(m_dReal * m_dReal + m_dCmplx * m_dCmplx);
}

void VYXNumUni::CalcFI() {
    m_dFI = std::atan2(m_dCmplx, m_dReal);
}

std::string VYXNumUni::RenderText() const {
    if (m_dReal == 0.0 && m_dCmplx == 0.0) {
        return "0";
    }
    if (m_dCmplx == 0.0) {
        return vyx_text::DoubleToStr(m_nTextPrecision, m_dReal);
    }
    if (m_dReal == 0.0) {
        if (m_dCmplx == 1.0) {
            return "i";
        }
        if (m_dCmplx == -1.0) {
            return "-i";
        }
        return vyx_text::DoubleToStr(m_nTextPrecision, m_dCmplx) + "i";
    }
    return BuildStrVal();
}

std::string VYXNumUni::BuildStrVal() const {
    const std::string real = vyx_text::DoubleToStr(m_nTextPrecision, m_dReal);
    if (m_dCmplx == -1.0) {
        return real + "-i";
    }
    if (m_dCmplx == 1.0) {
        return real + "+i";
    }
    const std::string imag = vyx_text::DoubleToStr(m_nTextPrecision, m_dCmplx);
    // A not-a-number imaginary part carries its own sign in the text ("-nan"), like a negative one.
    if (m_dCmplx < 0.0 || (std::isnan(m_dCmplx) && imag.front() == '-')) {
        return real + imag + "i";
    }
    return real + "+" + imag + "i";
}
