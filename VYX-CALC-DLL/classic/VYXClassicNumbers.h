// SPDX-License-Identifier: MIT
// Reading and printing doubles with the "C" conventions, whatever the process locale says.
#pragma once

#include <string>
#include <string_view>

/// The GUI toolkit switches the process to the user's locale, where the decimal point may be a
/// comma; numbers in expressions, documents and results always use ".". The engine and the
/// document both read and print numbers through these routines (C++ standard library only).
namespace vyx_classic {

/// strtod in the "C" locale: the value of the leading number of `text` (0 when there is none),
/// and in `end`, when given, where the reading stopped.
double ReadLeading(const char* text, char** end = nullptr);

/// True when strtod in the "C" locale reads the whole, non-empty text; the value is then in
/// `value`. A zero byte inside the text stops the reading, so such a text is refused.
bool ReadWhole(std::string_view text, double& value);

/// printf of one double with `pattern` ("%10.20f", "%.15g") in the "C" locale; any length.
std::string Print(const char* pattern, double value);

/// printf of one double with a pattern that takes its precision as an argument ("%.*e").
std::string Print(const char* pattern, int precision, double value);

} // namespace vyx_classic
