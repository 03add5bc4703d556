// SPDX-License-Identifier: MIT
// Exact arithmetic on rationals that reports, instead of failing, when a result leaves the exact range.
#pragma once

#include "VYXNumRational.h"

// Each routine stores the exact result in `result` and returns true, or returns false (leaving
// `result` untouched) when the exact result cannot be held as integer-valued doubles; the caller
// then continues in complex-double arithmetic. Division by zero and the refused powers still throw.
bool TryRationalAdd(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
bool TryRationalSubtract(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
bool TryRationalMultiply(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
bool TryRationalDivide(const VYXNumRational& a, const VYXNumRational& b, VYXNumRational& result);
/// Integer exponent (divisor 1).
bool TryRationalPower(const VYXNumRational& base, const VYXNumRational& exponent,
                      VYXNumRational& result);
