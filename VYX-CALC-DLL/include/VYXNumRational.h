// SPDX-License-Identifier: MIT
// VYXNumRational: a complex number with exact rational parts.
#pragma once

#include "VYXNumUni.h"

#include <utility>

/// Complex number whose parts are fractions of integer-valued doubles, always reduced, with
/// positive divisors. The inherited double parts always hold the fractions' values.
class VYX_API VYXNumRational : public VYXNumUni {
public:
    VYXNumRational();
    /// realNum/realDiv + (cmplxNum/cmplxDiv)i; throws on zero or non-integer parts.
    VYXNumRational(double realNum, double realDiv, double cmplxNum, double cmplxDiv);
    /// Copies the fractions; the precision of the copy is 6.
    VYXNumRational(const VYXNumRational& other);
    VYXNumRational& operator=(const VYXNumRational& other);
    ~VYXNumRational() override;

    std::string GetValue() override;
    double GetRealDivisor() const override { return m_dRealDivisor; }
    double GetCMPLXNumerator() const override { return m_dCmplxNumerator; }
    double GetCMPLXDivisor() const override { return m_dCmplxDivisor; }
    VYXNum* GetABSValue() const override;
    VYXNum* GetRealPrt() const override;
    VYXNum* GetImgPrt() const override;
    VYXNum* GetCNJ() const override;
    void SetRealValue(std::string text) override;
    void SetRealValue(double value) override;
    void SetCmplxValue(std::string text) override;
    void SetCmplxValue(double value) override;
    void SetValue(std::string text) override;
    void SetValue(double a, double b, double c, double d) override;
    void SetValue(double a, double b) override;
    /// Numerator of the real part (GetRealNumerator gives the real value).
    virtual double GetREALNumerator() const { return m_dRealNumerator; }

    /// Exact arithmetic in place. When the exact result does not fit the exact range these throw
    /// VYXExceptionNumberFormat; the evaluator avoids that through the Try... routines of the
    /// engine.
    void operator+=(const VYXNumRational& rhs);
    void operator-=(const VYXNumRational& rhs);
    void operator*=(const VYXNumRational& rhs);
    void operator/=(const VYXNumRational& rhs);
    /// Integer powers only (the exponent's divisor is 1).
    void operator^=(const VYXNumRational& rhs);

    VYXNumRational operator+(const VYXNumRational& rhs) const;
    VYXNumRational operator-(const VYXNumRational& rhs) const;
    VYXNumRational operator*(const VYXNumRational& rhs) const;
    VYXNumRational operator/(const VYXNumRational& rhs) const;
    VYXNumRational operator^(const VYXNumRational& rhs) const;

    VYXNumUni operator+(const VYXNumUni& rhs) const;
    VYXNumUni operator-(const VYXNumUni& rhs) const;
    VYXNumUni operator*(const VYXNumUni& rhs) const;
    VYXNumUni operator/(const VYXNumUni& rhs) const;
    VYXNumUni operator^(const VYXNumUni& rhs) const;

    // The value as a complex-double number is VYXNumUni's copy constructor (value only,
    // precision 6): C++ never uses a conversion operator to a base class.

    double RealNumerator() const { return m_dRealNumerator; }
    double CmplxNumerator() const { return m_dCmplxNumerator; }

protected:
    /// Normalises signs, reduces both fractions, refreshes the inherited parts.
    void UpdateNumber();

private:
    /// Takes four checked parts and normalises them.
    void StoreParts(double realNum, double realDiv, double cmplxNum, double cmplxDiv);
    static void FixNegDiv(double& numerator, double& divisor);
    static void FixBiggestCommonDiv(double& numerator, double& divisor);
    static std::pair<double, double> ParseStrRat(const std::string& text);
    /// The rational text as currently held, rendered when stale.
    const std::string& RationalText() const;
    std::string BuildStrVal() const;

    double m_dRealDivisor = 1.0;
    double m_dCmplxDivisor = 1.0;
    double m_dRealNumerator = 0.0;
    double m_dCmplxNumerator = 0.0;
    mutable std::string m_strRatValue = "0";
    mutable bool m_bRatTextStale = false;
};
