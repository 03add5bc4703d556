// SPDX-License-Identifier: MIT
// VYXNumUni: a complex number with double real and imaginary parts.
#pragma once

#include "VYXNum.h"

/// Complex number a + bi with double parts. The decimal text is rendered on demand from the
/// parts and the precision captured at the last update, so arithmetic never pays for text.
class VYX_API VYXNumUni : public VYXNum {
public:
    VYXNumUni();
    VYXNumUni(double real, double cmplx);
    /// Copies the value only; the precision of the copy is 6.
    VYXNumUni(const VYXNumUni& other);
    /// Copies every field, precision and text included.
    VYXNumUni& operator=(const VYXNumUni& other);
    ~VYXNumUni() override;

    bool IsCmplx() const override { return m_bCmplx; }
    bool ISZero() const override { return m_bZero; }
    std::string GetValue() override;
    double GetRealValue() const override { return m_dReal; }
    double GetRealNumerator() const override { return m_dReal; }
    double GetRealDivisor() const override { return 1.0; }
    double GetCmplxValue() const override { return m_dCmplx; }
    double GetCMPLXNumerator() const override { return m_dCmplx; }
    double GetCMPLXDivisor() const override { return 1.0; }
    double GetAbsValue() const override { return m_dAbs; }
    VYXNum* GetABSValue() const override;
    VYXNum* GetRealPrt() const override;
    VYXNum* GetImgPrt() const override;
    VYXNum* GetCNJ() const override;
    double GetFI() const override { return m_dFI; }
    void SetRealValue(std::string text) override;
    void SetRealValue(double value) override;
    void SetCmplxValue(std::string text) override;
    void SetCmplxValue(double value) override;
    /// Parses one literal: a real number, or an imaginary one ending in "I" ("i" only in exact
    /// forms).
    void SetValue(std::string text) override;
    /// realNum + cmplxNum i; the divisors are ignored.
    void SetValue(double realNum, double realDiv, double cmplxNum, double cmplxDiv) override;
    void SetValue(double real, double cmplx) override;

    void operator+=(const VYXNumUni& rhs);
    void operator-=(const VYXNumUni& rhs);
    void operator*=(const VYXNumUni& rhs);
    void operator/=(const VYXNumUni& rhs);
    /// Raises this number (the base) to the real exponent rhs.
    void operator^=(const VYXNumUni& rhs);

    VYXNumUni operator+(const VYXNumUni& rhs) const;
    VYXNumUni operator-(const VYXNumUni& rhs) const;
    VYXNumUni operator*(const VYXNumUni& rhs) const;
    VYXNumUni operator/(const VYXNumUni& rhs) const;
    VYXNumUni operator^(const VYXNumUni& rhs) const;

protected:
    /// Recomputes the derived fields from the two parts and marks the text for re-rendering.
    void UpdateNumber();
    /// The decimal text as currently held (rendered with the precision of the last update).
    const std::string& HeldText() const;

    double m_dReal = 0.0;
    double m_dCmplx = 0.0;
    double m_dFI = 0.0;
    double m_dAbs = 0.0;
    bool m_bCmplx = false;
    bool m_bZero = true;
    bool m_bImagOnly = true;
    mutable std::string m_strValue = "0";

private:
    void CalcABS();
    void CalcFI();
    /// The decimal text of the current parts with the precision of the last update.
    std::string RenderText() const;
    /// The text when both parts are non-zero.
    std::string BuildStrVal() const;

    mutable bool m_bTextStale = false;
    int m_nTextPrecision = 6;
};
