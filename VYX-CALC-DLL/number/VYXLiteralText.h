// SPDX-License-Identifier: MIT
// Reading number literals without exceptions: plain numbers and the complex-double literal forms.
#pragma once

#include <string_view>

namespace vyx_text {

/// Whole text to double in the "C" locale, as strtod reads it; false when the text is empty or
/// strtod would stop early. Short decimal integers take an exact path without strtod.
bool TryParseDoubleText(std::string_view text, double& value);

/// True when strtod could never consume the whole text, nor the number part of a literal form:
/// it holds an operator character, or a sign other than a leading one (after blank space) or an
/// exponent's. A quick test that spares the full reading for most texts.
bool CannotBeNumberText(std::string_view text);

/// Reads one complex-double literal: a real number, one of "i", "+i", "1i", "-i", "-1i", "0i",
/// "-0i", or a real number followed by "I". `parseNumber(text, value)` reads a plain number and
/// either returns false or throws, so the checked setter and the unchecked probe share this one
/// grammar.
template <typename ParseNumber>
bool ReadComplexDoubleLiteral(std::string_view text, double& real, double& imag,
                              ParseNumber&& parseNumber) {
    real = 0.0;
    imag = 0.0;
    if (text.find_first_of("Ii") == std::string_view::npos) {
        return parseNumber(text, real);
    }
    if (text == "i" || text == "+i" || text == "1i") {
        imag = 1.0;
        return true;
    }
    if (text == "-i" || text == "-1i") {
        imag = -1.0;
        return true;
    }
    if (text == "0i" || text == "-0i") {
        return true;
    }
    if (text.back() == 'I') {
        return parseNumber(text.substr(0, text.size() - 1), imag);
    }
    return false;
}

/// The unchecked form: false for any text that is no complex-double literal.
inline bool TryReadComplexDoubleLiteral(std::string_view text, double& real, double& imag) {
    // The literal forms put a sign only in front, so the number test holds for them as well.
    if (CannotBeNumberText(text)) {
        return false;
    }
    return ReadComplexDoubleLiteral(text, real, imag, TryParseDoubleText);
}

/// True when a text that TryReadComplexDoubleLiteral accepts is an exact literal as well: its
/// number, or the coefficient in front of the imaginary unit, is an integer.
bool IsExactLiteral(std::string_view literal);

} // namespace vyx_text
