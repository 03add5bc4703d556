// SPDX-License-Identifier: MIT
// C_VYXWindowGeometry: first-start size and the placement rows against the window's geometry.
#include "C_VYXWindowGeometry.h"

#include "C_VYXPanelPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect C_VYXWindowGeometry::FirstStartGeometry(const QRect& screen, const QRect& available,
                                              const QSize& minimum) {
    int width = std::max(screen.width() / 3, minimum.width());
    int height = std::max(screen.height() / 3, minimum.height());
    if (!available.isEmpty()) {
        width = std::min(width, available.width());
        height = std::min(height, available.height());
    }
    const QRect centred(screen.x() + (screen.width() - width) / 2,
                        screen.y() + (screen.height() - height) / 2, width, height);
    return C_VYXPanelPlacement::KeepInside(centred, available);
}

C_VYXWindowPlacement C_VYXWindowGeometry::PlacementOf(const QWidget& window) {
    QRect normal = window.normalGeometry();
    if (normal.isEmpty())
        normal = window.geometry();
    C_VYXWindowPlacement placement;
    // No minimised or maximised position is kept apart from the window system's own.
    placement.minX = placement.minY = placement.maxX = placement.maxY = -1;
    placement.normalLeft = normal.x();
    placement.normalTop = normal.y();
    placement.normalRight = normal.x() + normal.width();
    placement.normalBottom = normal.y() + normal.height();
    if (window.isMaximized())
        placement.showCommand = C_VYXWindowPlacement::kShowMaximized;
    else if (window.isMinimized())
        placement.showCommand = C_VYXWindowPlacement::kShowMinimized;
    else
        placement.showCommand = C_VYXWindowPlacement::kShowNormal;
    return placement;
}

QRect C_VYXWindowGeometry::FittedRect(const C_VYXWindowPlacement& placement,
                                      const QRect& available) {
    if (placement.NormalWidth() <= 0 || placement.NormalHeight() <= 0 || available.isEmpty())
        return QRect();
    // 64-bit throughout: the stored corners may be anywhere in the int range.
    const qint64 width = std::clamp<qint64>(placement.NormalWidth(), kMinWidth,
                                            std::max(kMinWidth, available.width()));
    const qint64 height = std::clamp<qint64>(placement.NormalHeight(), kMinHeight,
                                             std::max(kMinHeight, available.height()));
    const qint64 left = std::clamp<qint64>(
        placement.normalLeft, available.left(),
        std::max<qint64>(available.left(), available.left() + available.width() - width));
    const qint64 top = std::clamp<qint64>(
        placement.normalTop, available.top(),
        std::max<qint64>(available.top(), available.top() + available.height() - height));
    return QRect(int(left), int(top), int(width), int(height));
}

void C_VYXWindowGeometry::Apply(QWidget& window, const C_VYXWindowPlacement& placement) {
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect rect = FittedRect(placement, screen->availableVirtualGeometry());
    if (rect.isNull())
        return;
    window.setWindowState(window.windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    window.setGeometry(rect);
    if (placement.showCommand == C_VYXWindowPlacement::kShowMaximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}
