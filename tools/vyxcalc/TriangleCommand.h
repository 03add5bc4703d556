// SPDX-License-Identifier: MIT
// vyxcalc --triangle: one triangle through the trigonometry panel's solver logic.
#pragma once

#include "VyxcalcOptions.h"

#include <ostream>

class C_TOBRIK_CALCULATORDoc;

/// Solves as a user of the trigonometry panel does: CLR, types the given fields, presses Enter
/// in a field, then USE; where the triangle has a second solution, 2'nd and USE again. Writes
/// what USE writes to `out`, the second text after a line "Second solution:". Returns the exit
/// status: 0, or 1 when the solver had a message (shown through the document's message boxes;
/// the three angles it still computes from two are written all the same) or nothing could be
/// solved.
int RunTriangleCommand(C_TOBRIK_CALCULATORDoc& document, const VyxcalcTriangle& triangle,
                       std::ostream& out, std::ostream& err);
