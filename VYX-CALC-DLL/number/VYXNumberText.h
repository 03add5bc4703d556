// SPDX-License-Identifier: MIT
// Conversions between numbers and their text: private to the engine, shared by all of it.
#pragma once

#include <string>

namespace vyx_text {

/// Whole text to double through strtod; throws VYXExceptionNumberFormat when empty or not entirely
/// a number.
double ParseDoubleText(const std::string& text);
/// True when the text is non-empty and strtod consumes all of it.
bool IsDoubleText(const std::string& text);
/// %.*g with the given number of significant digits (0 behaves as 1).
std::string DoubleToStr(int precision, double x);
/// The default string-stream form: %g, six significant digits.
std::string DoubleToStrDefault(double x);
/// DoubleToStrDefault of an int.
std::string IntToStr(int n);
/// Integer test of the number model: every integer-valued double up to 2^53 in magnitude counts;
/// above 2^53 only exact multiples of 2^31 do (the historical 32-bit rule). NaN and infinities
/// never.
bool IsInteger(double x);
/// Text of an exact integer part of a rational: all digits up to 2^53, the default form above.
std::string RationalPartToStr(double x);

/// Largest magnitude below which every integer is exactly representable as a double.
constexpr double kVyxExactIntegerLimit = 9007199254740992.0; // 2^53

} // namespace vyx_text
