// SPDX-License-Identifier: MIT
// Helpers shared by the function classes: number kinds, copies and the real-only function shape.
#pragma once

#include "VYXFunction.h"
#include "VYXNumRational.h"
#include "VYXNumUni.h"

#include <string>

/// True when the dynamic type is exactly VYXNumRational (a derived class does not count).
bool IsExactlyRational(const VYXNum* number);

/// The value of any number as a complex-double number.
VYXNumUni ToUniValue(const VYXNum& number);

/// A copy of the exact fractions; the number must be a VYXNumRational (std::bad_cast otherwise).
VYXNumRational ToRationalCopy(const VYXNum& number);

/// Throws "ERROR!! <label> IS NOT DEFINED FOR CMPLX NUMBERS.." when the number is complex.
void RejectComplexOperand(const VYXNum& number, const std::string& label);

/// The common shape of a real-only function: refuse a missing or complex operand, run the kernel
/// on the real value, wrap the result.
VYXNum* ApplyRealKernel(VYXFunction& function, const VYXNum* x, const std::string& angleUnit,
                        const std::string& complexLabel);

/// Throws "ERROR! <name>??" when an operand the function needs is missing.
void RequireOperand(const VYXNum* operand, const std::string& functionName);
