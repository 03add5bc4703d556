// SPDX-License-Identifier: MIT
// C_VYXToolbarPlacement: floating a toolbar at a random point of the main window.
#pragma once

#include <QPoint>
#include <QRect>

#include <random>

class QToolBar;

/// Where the function toolbars float: at start-up and whenever their View > Toolbars toggle is
/// used, each goes to a fresh random point of the main window's client area.
class C_VYXToolbarPlacement {
public:
    /// The draws run from 0 to this value, so a point can land on the far edges too.
    static constexpr int kDrawMax = 32767;

    /// The point of `area` that the draws pick: x = left + drawX * width / kDrawMax, likewise y.
    /// Draws outside 0..kDrawMax are clamped.
    static QPoint PointOf(const QRect& area, int drawX, int drawY);
    /// A random point of `area` (screen coordinates).
    static QPoint RandomPoint(const QRect& area, std::mt19937& generator);
    /// Makes `bar` a floating, horizontal toolbar window with its top left at `topLeft` (screen
    /// coordinates). A hidden bar stays hidden, a shown one is shown again.
    static void Float(QToolBar& bar, const QPoint& topLeft);
};
