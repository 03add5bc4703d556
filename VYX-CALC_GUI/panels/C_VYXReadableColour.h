// SPDX-License-Identifier: MIT
// C_VYXReadableColour: colours picked from the palette so that they read on its background.
#pragma once

#include <QColor>
#include <QPalette>

namespace C_VYXReadableColour {

/// The contrast most text needs to read comfortably (the WCAG level for body text).
constexpr double kTextContrast = 4.5;

/// True when the palette's window is dark (a dark theme or View > "Dark colours").
bool IsDark(const QPalette& palette);
/// The contrast ratio of two colours, 1 (same luminance) to 21 (black on white).
double ContrastRatio(const QColor& first, const QColor& second);
/// `from` moved towards `to` by `share` (0 to 1).
QColor Mix(const QColor& from, const QColor& to, double share);
/// A strong colour of the given hue with at least `contrast` against `background`: as
/// saturated as the background allows, darker on light backgrounds and lighter on dark ones.
QColor OfHue(int hue, const QColor& background, double contrast = kTextContrast);

} // namespace C_VYXReadableColour
