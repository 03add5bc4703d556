// SPDX-License-Identifier: MIT
// C_VYXValueText: exact texts of rational and complex-double numbers in the engine's layout.
#include "C_VYXValueText.h"

#include "VYXNumRational.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

/// The shortest text that reads back as the same double ("0.1", "1e+16", "123", "-nan").
std::string ShortestText(double value) {
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return std::string(buffer, written.ptr);
}

/// Every digit of an integer-valued double. The engine writes parts beyond 2^53 with six
/// significant digits, which would turn 2^60 into another number.
std::string IntegerText(double value) {
    char buffer[400]; // the largest double has 309 digits
    const auto written =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed, 0);
    return std::string(buffer, written.ptr);
}

// The two layouts below mirror the engine's own texts part for part, so a value looks as the
// engine prints it wherever nothing was rounded away.

std::string ComplexDoubleText(double real, double imag) {
    if (real == 0.0 && imag == 0.0)
        return "0";
    if (imag == 0.0)
        return ShortestText(real);
    if (real == 0.0) {
        if (imag == 1.0)
            return "i";
        if (imag == -1.0)
            return "-i";
        return ShortestText(imag) + "i";
    }
    const std::string realText = ShortestText(real);
    if (imag == -1.0)
        return realText + "-i";
    if (imag == 1.0)
        return realText + "+i";
    const std::string imagText = ShortestText(imag);
    // A not-a-number imaginary part carries its own sign in the text ("-nan").
    if (imag < 0.0 || (std::isnan(imag) && imagText.front() == '-'))
        return realText + imagText + "i";
    return realText + "+" + imagText + "i";
}

std::string FractionText(double numerator, double divisor) {
    std::string text = IntegerText(numerator);
    if (divisor != 1.0)
        text += "/" + IntegerText(divisor);
    return text;
}

std::string ImaginaryFractionText(double numerator, double divisor) {
    std::string text = numerator == 1.0    ? std::string("i")
                       : numerator == -1.0 ? std::string("-i")
                                           : IntegerText(numerator) + "i";
    if (divisor != 1.0)
        text += "/" + IntegerText(divisor);
    return text;
}

std::string RationalText(const VYXNumRational& number) {
    const double realNumerator = number.GetREALNumerator();
    const double imagNumerator = number.GetCMPLXNumerator();
    if (realNumerator == 0.0 && imagNumerator == 0.0)
        return "0";
    if (imagNumerator == 0.0)
        return FractionText(realNumerator, number.GetRealDivisor());
    const std::string imagText = ImaginaryFractionText(imagNumerator, number.GetCMPLXDivisor());
    if (realNumerator == 0.0)
        return imagText;
    return FractionText(realNumerator, number.GetRealDivisor()) +
           (imagNumerator >= 0.0 ? "+" : "") + imagText;
}

} // namespace

namespace C_VYXValueText {

QString FromNumber(const VYXNum& number) {
    const auto* rational = dynamic_cast<const VYXNumRational*>(&number);
    const std::string text = rational != nullptr
                                 ? RationalText(*rational)
                                 : ComplexDoubleText(number.GetRealValue(), number.GetCmplxValue());
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace C_VYXValueText
