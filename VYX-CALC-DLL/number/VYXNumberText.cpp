// SPDX-License-Identifier: MIT
// Number-text routines: parsing and printing of doubles, and the integer test of the number model.
#include "VYXNumberText.h"

#include "VYXExceptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

namespace {

// The GUI toolkit switches the process to the user's locale, where the decimal point may be a
// comma; the engine's texts always use ".", so parsing runs against the "C" locale explicitly.
locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

// Parses the whole text; false when empty or when strtod stops early.
bool ParseWhole(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    const char* begin = text.c_str();
    char* end = nullptr;
    value = strtod_l(begin, &end, ClassicLocale());
    return end == begin + text.size();
}

// Beyond this many significant digits a double has nothing left to show.
constexpr int kMaxPrintedDigits = 1000;
constexpr int kDefaultPrintedDigits = 6;
constexpr double kTwoPow31 = 2147483648.0;

} // namespace

double ParseDoubleText(const std::string& text) {
    if (text.empty()) {
        throw VYXExceptionNumberFormat("ERROR! CANNOT CONVERT ' ' TO A NUMBER!!");
    }
    double value = 0.0;
    if (!ParseWhole(text, value)) {
        throw VYXExceptionNumberFormat(
            "ERROR!! WRONG NUMBER FORMAT \nERROR WHEN CONVERTING THE STRING: " + text +
            " TO DOUBLE..");
    }
    return value;
}

bool IsDoubleText(const std::string& text) {
    double ignored = 0.0;
    return ParseWhole(text, ignored);
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
        return magnitude == std::trunc(magnitude);
    }
    // Historical rule for huge values: the 32-bit truncation yields the most negative int, so the
    // old remainder test only accepted exact multiples of 2^31. Emulated without the overflowing
    // cast.
    return std::fmod(magnitude, kTwoPow31) == 0.0;
}

std::string RationalPartToStr(double x) {
    if (std::fabs(x) <= kVyxExactIntegerLimit && x == std::trunc(x)) {
        return std::to_string(static_cast<std::int64_t>(x));
    }
    return DoubleToStrDefault(x);
}
