// SPDX-License-Identifier: MIT
// vyxcalc --convert: one conversion through the unit converter panel's logic.
#pragma once

#include "VyxcalcOptions.h"

#include <ostream>

class C_TOBRIK_CALCULATORDoc;

/// Converts as a user of the converter panel does: picks the category and the two units, types
/// the value, presses Convert and Add, marks the new entry and presses Use. Writes the line Use
/// writes, without its "//", to `out`. Returns the exit status: 0; 1 when a message box was
/// shown (a value that is no number); 2 for an unknown unit or units of two categories, which
/// `err` explains with the units to choose from.
int RunConvertCommand(C_TOBRIK_CALCULATORDoc& document, const VyxcalcConversion& conversion,
                      std::ostream& out, std::ostream& err);
