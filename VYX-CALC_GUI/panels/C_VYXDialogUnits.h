// SPDX-License-Identifier: MIT
// C_VYXDialogUnits: the panels' layouts are written in dialog units, which grow with the font.
#pragma once

#include <QPoint>
#include <QRect>

class QFont;

/// Pixels per dialog unit of a font: four horizontal units make one average character width,
/// eight vertical units one character height. The panel's layout is written in these units so
/// that it grows with its font.
struct C_VYXDialogUnits {
    int baseX = 8;
    int baseY = 16;

    static C_VYXDialogUnits ForFont(const QFont& font);
    int X(int units) const { return units * baseX / 4; }
    int Y(int units) const { return units * baseY / 8; }
    QPoint ToPixels(QPoint units) const { return {X(units.x()), Y(units.y())}; }
    /// Both corners are converted, as a dialog rectangle is mapped.
    QRect ToPixels(const QRect& units) const;
};
