// SPDX-License-Identifier: MIT
// C_VYXPanelPlacement: where a tool window opens: beside the main window, on the screen, clear of
// the windows already shown.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

/// The arithmetic of placing a tool window, on plain rectangles (window frames in screen
/// coordinates), so that every rule can be tried without a display.
class C_VYXPanelPlacement {
public:
    enum class Side { Left, Right };

    /// The frame of a panel of `panel` size beside `owner` at height `top`: on the left its right
    /// edge touches the owner's left edge, on the right its left edge touches the owner's right
    /// edge. Where there is no room on that side it stands at the edge of `available`.
    static QRect BesideOwner(Side side, const QRect& owner, const QSize& panel, int top,
                             const QRect& available);

    /// `frame` moved into `available` (nothing changes size). A frame larger than the area keeps
    /// its top left corner, with the title bar, on the area.
    static QRect KeepInside(const QRect& frame, const QRect& available);

    /// The place nearest to `wanted` that covers none of `occupied`: first further down in the
    /// same column, below one of them, then further up, above one of them, then the same in a
    /// column further out on `side` (further left for a left panel, further right for a right
    /// one). When every such place covers something, the one at or below the wanted height that
    /// covers the least. The result is always kept inside `available`.
    static QRect AvoidOverlap(const QRect& wanted, Side side, const QRect& available,
                              const QList<QRect>& occupied);

    /// Beside the owner, on the screen, then clear of the occupied frames.
    static QRect Place(Side side, const QRect& owner, const QSize& panel, int top,
                       const QRect& available, const QList<QRect>& occupied);
};
