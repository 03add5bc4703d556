// SPDX-License-Identifier: MIT
// Number-text routines: parsing and printing of doubles, and the integer test of the number model.
#include "VYXNumberText.h"

#include "VYXClassicNumbers.h"
#include "VYXExactFraction.h"
#include "VYXExceptions.h"
#include "VYXLiteralText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace vyx_text {

namespace {

// Largest count of decimal digits that a 64-bit accumulator holds without overflow.
constexpr size_t kMaxAccumulatedDigits = 18;

// [sign]digits with an integer value up to 2^53: every such integer is a double, so the exact
// value is what strtod would round to. False leaves the text to strtod.
bool ParseShortInteger(std::string_view text, double& value) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > kMaxAccumulatedDigits) {
        return false;
    }
    std::uint64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (static_cast<double>(magnitude) > kVyxExactIntegerLimit) {
        return false;
    }
    value = static_cast<double>(magnitude);
    if (negative) {
        value = -value; // "-0" is negative zero, as strtod reads it
    }
    return true;
}

// The blank space that strtod skips in the "C" locale.
constexpr std::string_view kBlankChars = " \t\n\v\f\r";

// Beyond this many significant digits a double has nothing left to show.
constexpr int kMaxPrintedDigits = 1000;
constexpr int kDefaultPrintedDigits = 6;
constexpr double kTwoPow31 = 2147483648.0;

} // namespace

bool CannotBeNumberText(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '*' || c == '/' || c == '^' || c == '~' || c == '!' || c == '%') {
            return true;
        }
        if ((c == '+' || c == '-') && i > 0) {
            const char previous = text[i - 1];
            const bool exponentSign =
                previous == 'e' || previous == 'E' || previous == 'p' || previous == 'P';
            const bool leadingSign = kBlankChars.find(previous) != std::string_view::npos;
            if (!exponentSign && !leadingSign) {
                return true;
            }
        }
    }
    return false;
}

double ParseDoubleText(const std::string& text) {
    if (text.empty()) {
        throw VYXExceptionNumberFormat("ERROR! CANNOT CONVERT ' ' TO A NUMBER!!");
    }
    double value = 0.0;
    if (!TryParseDoubleText(text, value)) {
        throw VYXExceptionNumberFormat(
            "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: " + text +
            " TO DOUBLE..");
    }
    return value;
}

bool IsDoubleText(const std::string& text) {
    double ignored = 0.0;
    return TryParseDoubleText(text, ignored);
}

bool TryParseDoubleText(std::string_view text, double& value) {
    if (text.empty()) {
        return false;
    }
    if (ParseShortInteger(text, value)) {
        return true;
    }
    if (CannotBeNumberText(text)) {
        return false;
    }
    // The "C" locale's reading: the process locale may have a decimal comma.
    return vyx_classic::ReadWhole(text, value);
}

bool IsExactLiteral(std::string_view literal) {
    if (!literal.empty() && (literal.back() == 'i' || literal.back() == 'I')) {
        literal.remove_suffix(1);
    }
    double value = 0.0;
    return TryParseDoubleText(literal, value) && IsInteger(value);
}

std::string DoubleToStr(int precision, double x) {
    // A negative precision counts as omitted for %g, i.e. six digits.
    if (precision < 0) {
        precision = kDefaultPrintedDigits;
    }
    precision = std::min(precision, kMaxPrintedDigits);
    // to_chars in general format is %.*g in the "C" locale, independent of the process locale.
    // Fixed notation is used only below `precision` decimal digits, so this always suffices.
    char buffer[kMaxPrintedDigits + 32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof(buffer), x, std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

std::string DoubleToStrDefault(double x) {
    // A default output stream writes %g with six significant digits in the classic locale.
    return DoubleToStr(kDefaultPrintedDigits, x);
}

std::string IntToStr(int n) {
    return DoubleToStrDefault(n);
}

bool IsInteger(double x) {
    if (x == 0.0) {
        return true;
    }
    if (!std::isfinite(x)) {
        return false;
    }
    const double magnitude = std::fabs(x);
    if (magnitude <= kVyxExactIntegerLimit) {
        return vyx_exact::IsExactInteger(magnitude);
    }
    // Historical rule for huge values: the 32-bit truncation yields the most negative int, so the
    // old remainder test only accepted exact multiples of 2^31. Emulated without the overflowing
    // cast.
    return std::fmod(magnitude, kTwoPow31) == 0.0;
}

std::string RationalPartToStr(double x) {
    if (vyx_exact::IsExactInteger(x)) {
        return std::to_string(static_cast<std::int64_t>(x));
    }
    return DoubleToStrDefault(x);
}

} // namespace vyx_text
