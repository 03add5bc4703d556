// SPDX-License-Identifier: MIT
// The trigonometric functions and their inverses; they honour the angle unit.
#pragma once

#include "VYXFunction.h"

class VYXFunctASin : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "ASIN"; }
};

class VYXFunctACos : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "ACOS"; }
};

class VYXFunctATan : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "ATAN"; }
};

/// Sine; exact 0 and ±1 at the half and quarter turns of the unit.
class VYXFunctSin : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "SIN"; }
};

/// Cosine; exact 0 and ±1 at the half and quarter turns of the unit.
class VYXFunctCos : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "COS"; }
};

/// Tangent; exact 0 at the half turn of the unit. The quarter turn is left to the kernel.
class VYXFunctTan : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "TAN"; }
};
