// SPDX-License-Identifier: MIT
// The power operator "^", the root operator "~" and the square root.
#pragma once

#include "VYXFunction.h"

/// x^y: exact for rational operands with an integer exponent, complex-double otherwise.
class VYXFunctPow : public VYXFunction {
public:
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "^"; }
    bool IsOperatorFunction() const override { return true; }
    /// a^b as a new number: exact when both are integers and the result fits, else decimal.
    VYXNum* ApplyDoubles(double a, double b, std::string angleUnit);
};

/// x~y: the x-th root of y.
class VYXFunctNrt : public VYXFunction {
public:
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "~"; }
    bool IsOperatorFunction() const override { return true; }
    /// The a-th root of b, wrapped by the shared result rule.
    VYXNum* ApplyDoubles(double a, double b, std::string angleUnit);
};

/// Principal square root; negative and complex arguments give complex results.
class VYXFunctSqrt : public VYXFunction {
public:
    double ApplyDouble(double x, std::string angleUnit) override;
    VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) override;
    std::string GetName() const override { return "SQRT"; }
};
