// SPDX-License-Identifier: MIT
// VYXNum: the polymorphic number interface of the engine.
#pragma once

#include "VYXExport.h"

#include <string>

/// Base of every number the engine computes with. Instantiable: its own members are neutral
/// defaults (zero value, empty text, null for the operations that create numbers).
class VYX_API VYXNum {
public:
    VYXNum() = default;
    VYXNum(const VYXNum&) = default;
    VYXNum& operator=(const VYXNum&) = default;
    virtual ~VYXNum() = default;

    virtual bool IsCmplx() const { return false; }
    virtual bool ISZero() const { return true; }
    /// The text the user sees.
    virtual std::string GetValue() { return std::string(); }
    virtual double GetRealValue() const { return 0.0; }
    virtual double GetRealNumerator() const { return 0.0; }
    virtual double GetRealDivisor() const { return 1.0; }
    virtual double GetCmplxValue() const { return 0.0; }
    virtual double GetCMPLXNumerator() const { return 0.0; }
    virtual double GetCMPLXDivisor() const { return 1.0; }
    virtual double GetAbsValue() const { return 0.0; }
    /// New number owned by the caller (null here).
    virtual VYXNum* GetABSValue() const { return nullptr; }
    virtual VYXNum* GetRealPrt() const { return nullptr; }
    virtual VYXNum* GetImgPrt() const { return nullptr; }
    virtual VYXNum* GetCNJ() const { return nullptr; }
    /// Argument in radians.
    virtual double GetFI() const { return 0.0; }
    virtual void SetRealValue(std::string) {}
    virtual void SetRealValue(double) {}
    virtual void SetCmplxValue(std::string) {}
    virtual void SetCmplxValue(double) {}
    virtual void SetValue(std::string) {}
    virtual void SetValue(double, double, double, double) {}
    virtual void SetValue(double, double) {}

    void SetPrecision(int precision) { m_nPrecision = precision; }
    int GetPrecision() const { return m_nPrecision; }

protected:
    /// Significant digits of the decimal text; concrete constructors set 6.
    int m_nPrecision = 6;
};
