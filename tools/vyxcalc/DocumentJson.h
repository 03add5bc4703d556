// SPDX-License-Identifier: MIT
// DocumentJson: a calculator document as one JSON object, for vyxcalc --dump.
#pragma once

#include <string>

class C_VYXSettings;

/// Everything a document file holds, as one JSON object with the keys "text", "selStart",
/// "selEnd", "fontSize", "showReal", "showRational", "decimals", "angleUnit", "argument",
/// "latinCaps", "greekCaps", "variables", "converter", "triangle", "calculations" and
/// "placement". Flags are the integers the records store; the text and selection are the
/// calculation area's live ones when an area is attached, as a save would write them.
/// `placementPresent`: the document holds a window placement.
std::string DocumentToJson(const C_VYXSettings& settings, int calculations, bool placementPresent);
