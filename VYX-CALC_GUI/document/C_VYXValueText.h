// SPDX-License-Identifier: MIT
// C_VYXValueText: the text a variable keeps of its value, which reads back as the same number.
#pragma once

#include <QString>

class VYXNum;

namespace C_VYXValueText {

/// The number's text in the engine's own layout ("1/3", "2.5+1.4142135623730951i", "i", "-3i"),
/// with nothing rounded away: a rational number with every digit of its integer parts, each part
/// of a complex-double number in the shortest form that reads back as the same double
/// ("1234567.891", "1e+16"). Unlike the engine's own text it does not depend on the number's
/// print precision.
QString FromNumber(const VYXNum& number);

} // namespace C_VYXValueText
