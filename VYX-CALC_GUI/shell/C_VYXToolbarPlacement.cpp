// SPDX-License-Identifier: MIT
// C_VYXToolbarPlacement: random points of the client area and the floating toolbar window.
#include "C_VYXToolbarPlacement.h"

#include <QToolBar>

#include <algorithm>

QPoint C_VYXToolbarPlacement::PointOf(const QRect& area, int drawX, int drawY) {
    // 64-bit products: a draw times a wide screen overflows nothing.
    const qint64 x = std::clamp(drawX, 0, kDrawMax);
    const qint64 y = std::clamp(drawY, 0, kDrawMax);
    return QPoint(area.left() + int(x * area.width() / kDrawMax),
                  area.top() + int(y * area.height() / kDrawMax));
}

QPoint C_VYXToolbarPlacement::RandomPoint(const QRect& area, std::mt19937& generator) {
    std::uniform_int_distribution<int> draw(0, kDrawMax);
    const int drawX = draw(generator);
    const int drawY = draw(generator);
    return PointOf(area, drawX, drawY);
}

void C_VYXToolbarPlacement::Float(QToolBar& bar, const QPoint& topLeft) {
    const bool wasHidden = bar.isHidden();
    // The window flags are the ones the toolkit gives a toolbar the user has dragged off its
    // dock, so the main window's saved layout records it as floating and it docks again when
    // dragged back.
    bar.setOrientation(Qt::Horizontal);
    bar.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    bar.adjustSize();
    bar.move(topLeft);
    if (!wasHidden)
        bar.show();
}
