// SPDX-License-Identifier: MIT
// Factorial, percent and the five complex-number functions.
#pragma once

#include "VYXFunction.h"

/// Postfix "!": the factorial of a non-negative integer.
class VYXFunctFac : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "!"; }
    bool IsOperatorFunction() const override { return true; }
};

/// Postfix "%": one hundredth of the operand, exact for rationals.
class VYXFunctPercent : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "%"; }
    bool IsOperatorFunction() const override { return true; }
};

/// Absolute value, exact for rationals where the number classes can keep it exact.
class VYXFunctAbs : public VYXFunction {
public:
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "ABS"; }
};

/// Argument in radians, whatever the angle unit.
class VYXFunctArg : public VYXFunction {
public:
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "ARG"; }
};

/// Complex conjugate.
class VYXFunctCnj : public VYXFunction {
public:
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "CNJ"; }
};

/// Real part.
class VYXFunctRep : public VYXFunction {
public:
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "REP"; }
};

/// Imaginary coefficient, as a real number.
class VYXFunctImp : public VYXFunction {
public:
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "IMP"; }
};
