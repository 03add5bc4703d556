// SPDX-License-Identifier: MIT
// C_VYXWindowGeometry: the main window's size at start and its placement record in documents.
#pragma once

#include "C_VYXWindowPlacement.h"

#include <QRect>

class QWidget;

/// Between the window system's geometry and the placement rows of a document.
class C_VYXWindowGeometry {
public:
    /// Smallest window a placement from a file may make.
    static constexpr int kMinWidth = 160;
    static constexpr int kMinHeight = 120;

    /// One third of the screen in each direction, centred on it, or larger where `minimum`
    /// asks for more (the docked toolbars in one row); never beyond the free area `available`.
    static QRect FirstStartGeometry(const QRect& screen, const QRect& available,
                                    const QSize& minimum);
    /// The window's normal (restored) rectangle and whether it is maximised or minimised.
    static C_VYXWindowPlacement PlacementOf(const QWidget& window);
    /// The normal rectangle of a placement made to fit `available`; a null rectangle when the
    /// placement holds no usable size (a damaged file may hold anything).
    static QRect FittedRect(const C_VYXWindowPlacement& placement, const QRect& available);
    /// Moves the window to the placement; a maximised placement maximises it. A minimised one
    /// is shown normal: a document never hides the window it is opened in.
    static void Apply(QWidget& window, const C_VYXWindowPlacement& placement);
};
