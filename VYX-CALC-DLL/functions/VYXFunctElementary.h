// SPDX-License-Identifier: MIT
// The hyperbolic functions, the exponential and the two logarithms.
#pragma once

#include "VYXFunction.h"

class VYXFunctSinh : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "SINH"; }
};

class VYXFunctCosh : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "COSH"; }
};

class VYXFunctTanh : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "TANH"; }
};

/// Natural logarithm; the principal value for negative and complex arguments.
class VYXFunctLn : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "LN"; }
};

/// Decimal logarithm of a positive real number.
class VYXFunctLog : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "LOG"; }
};

/// The exponential, written "E^" before its argument.
class VYXFunctEpow : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "E^"; }
};
