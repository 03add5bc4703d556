// SPDX-License-Identifier: MIT
// C_VYXCellHeightFont: fonts sized by the height of their text line, not of their em square.
#pragma once

#include <QFont>

class QPaintDevice;

/// The program's text sizes are cell heights: from the top of the highest glyph to the bottom
/// of the lowest (ascent plus descent), as a point size at the device's resolution gives them.
/// A font's pixel size sets its em square, which is smaller; this finds the pixel size whose
/// line has the wanted height.
class C_VYXCellHeightFont {
public:
    /// `font` at the largest pixel size whose line on `device` (the screen when null) is at most
    /// `cellHeight` pixels high; at least 1 pixel.
    static QFont Fit(QFont font, int cellHeight, const QPaintDevice* device);
};
