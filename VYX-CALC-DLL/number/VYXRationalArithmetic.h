// SPDX-License-Identifier: MIT
// Exact arithmetic on rationals that reports, instead of failing, when a result leaves the exact
// range.
#pragma once

#include "VYXNumRational.h"

// Each routine stores the exact result in `result` and returns true, or returns false (leaving
// `result` untouched) when the exact result cannot be held as integer-valued doubles; the caller
// then continues in complex-double arithmetic. Division by zero and the refused powers still throw.
// `result` may be one of the operands.
bool TryRationalAdd(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
bool TryRationalSubtract(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
bool TryRationalMultiply(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
/// Throws "ERRROR!! DIVISION BY ZERO!!" for a zero divisor.
bool TryRationalDivide(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
/// Integer exponent (divisor 1); any other exponent returns false (not exact here).
bool TryRationalPower(const VYXNumRational& base, const VYXNumRational& exponent,
                      VYXNumRational& result);

/// The five operations of the rationals, for callers that pick one at run time.
enum class VYXRationalOperation { Add, Subtract, Multiply, Divide, Power };

/// The part of a result that could not be held exactly, or None when it was stored.
enum class VYXInexactPart { None, Real, Imaginary };

/// The common core of the Try routines, naming the part that left the exact range.
VYXInexactPart ApplyRationalOperation(VYXRationalOperation operation, const VYXNumRational& a,
                                      const VYXNumRational& b, VYXNumRational& result);

/// The same operation on the values in complex-double arithmetic (the fall-back result).
VYXNumUni ApplyComplexDoubleOperation(VYXRationalOperation operation, const VYXNumRational& a,
                                      const VYXNumRational& b);
