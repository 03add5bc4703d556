// SPDX-License-Identifier: MIT
// VYXFunction: the interface of every function and operator-function object.
#pragma once

#include "VYXNum.h"

#include <string>

/// A stateless function object. Apply never changes or deletes its operands and returns a new
/// number owned by the caller, or throws an engine exception.
class VYXFunction {
public:
    virtual ~VYXFunction() = default;
    /// Numeric kernel on a plain double (default: the identity).
    virtual double ApplyDouble(double x, std::string angleUnit) {
        (void)angleUnit;
        return x;
    }
    /// The function applied to numbers; y is the right operand of "^" and "~", null otherwise.
    virtual VYXNum* Apply(VYXNum* x, VYXNum* y, std::string angleUnit) = 0;
    /// The name as written in expression text.
    virtual std::string GetName() const = 0;
    /// True for "^", "~", "!" and "%".
    virtual bool IsOperatorFunction() const { return false; }
};

/// The shared result rule: an integer value becomes an exact rational, any other a decimal number.
VYXNum* WrapResult(double r);
