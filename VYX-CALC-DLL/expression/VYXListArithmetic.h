// SPDX-License-Identifier: MIT
// The number arithmetic of the evaluator: exact while every number is rational, else
// complex-double.
#pragma once

#include "VYXTokenList.h"

#include <string_view>

/// The number's value as a new complex-double number.
VYXNumPtr ToComplexDouble(const VYXNum& number);
/// Combines two numbers with "*", "/", "+" or "-" into `left`, reusing its object where the kind
/// stays. With `allRational` both must be exactly rational and the result stays exact unless it
/// leaves the exact range (then complex-double).
void CombineInto(char op, VYXNumPtr& left, const VYXNum& right, bool allRational);
/// Applies a sign ("+" or "-") to a number, keeping its kind. Any other operator text fails as a
/// number format error, like the number text sign + "1" would.
VYXNumPtr ApplySign(std::string_view sign, VYXNumPtr number);
