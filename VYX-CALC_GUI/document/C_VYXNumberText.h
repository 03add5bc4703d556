// SPDX-License-Identifier: MIT
// C_VYXNumberText: printf-style number formatting, rounding of number texts, reading a double.
#pragma once

#include <QString>

/// Number texts as the panels and the document show them. Formatting and reading always use the
/// "C" conventions (decimal point "."), whatever the user's locale.
namespace C_VYXNumberText {

/// The printf formats the program uses, named by what they print.
enum class Format {
    Fixed20,          ///< "%10.20f": 20 decimals, at least 10 wide (converter results)
    Fixed6,           ///< "%f": 6 decimals (angle-sum check)
    Fixed20WithPoint, ///< "%#10.20f": 20 decimals, point always shown (triangle area)
    Fixed20Width20,   ///< "%20.20f": 20 decimals, at least 20 wide (triangle fields)
    Fixed11,          ///< "%1.11f": 11 decimals (argument of complex results)
    Fixed10,          ///< "%10.10f": 10 decimals, at least 10 wide (stored triangle area)
    FieldValue,       ///< "%.15g": a double written into an edit field by data exchange
};

/// The value printed with one of the formats above.
QString FormatDouble(Format format, double value);

/// The value printed with "%.<decimals>f" for 1 to 10 decimals; empty for any other count.
QString FormatDecimals(double value, int decimals);

/// Rounds the text of a real or complex number to `decimals` decimals: each signed part is
/// rounded on its own, texts with fewer decimals are kept, "j" becomes "i", and a positive
/// imaginary part gets its "+". So 1.26-2.71i with 1 decimal becomes 1.3-2.7i. A part of 1e16
/// or more, or one that is not zero but below the last decimal, is written as "%.*e" instead:
/// 6.02e23 with 2 decimals becomes 6.02e+23, 0.006 becomes 6.00e-03.
QString RoundNumberText(const QString& text, int decimals);

/// Reads a text as a finite double the way an edit field's data exchange does (blanks around it
/// allowed, nothing else). False when it is not a number; `value` is then unchanged.
bool ParseDouble(const QString& text, double& value);

/// The C library's text-to-double conversion of the leading number in `text` (0 when none).
double LeadingDouble(const QString& text);

/// True when the C library's text-to-double conversion, in the "C" locale, reads the whole text:
/// "12", "1e3", "2.5", and also "inf", "nan" and "0x1A".
bool IsDoubleText(const QString& text);

} // namespace C_VYXNumberText
