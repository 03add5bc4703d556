// SPDX-License-Identifier: MIT
// C_VYXPanelPlacement: the side rule, the screen's edges and the search for a free place.
#include "C_VYXPanelPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>

namespace {

/// One past the right and bottom edges, in 64 bits: a damaged rectangle may sit at the limits.
qint64 End(int start, int length) {
    return qint64(start) + length;
}

qint64 CoveredArea(const QRect& frame, const QList<QRect>& occupied) {
    qint64 area = 0;
    for (const QRect& other : occupied) {
        const QRect common = frame.intersected(other);
        if (!common.isEmpty())
            area += qint64(common.width()) * common.height();
    }
    return area;
}

int Clamp(qint64 value, qint64 low, qint64 high) {
    return int(std::clamp(value, low, std::max(low, high)));
}

int ToInt(qint64 value) {
    return Clamp(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

} // namespace

QRect C_VYXPanelPlacement::BesideOwner(Side side, const QRect& owner, const QSize& panel, int top,
                                       const QRect& available) {
    qint64 x = 0;
    if (side == Side::Left) {
        x = qint64(owner.left()) - panel.width();
        if (!available.isEmpty() && x < available.left())
            x = available.left();
    } else {
        x = End(owner.left(), owner.width());
        if (!available.isEmpty() && x + panel.width() > End(available.left(), available.width()))
            x = End(available.left(), available.width()) - panel.width();
    }
    return KeepInside(QRect(ToInt(x), top, panel.width(), panel.height()), available);
}

QRect C_VYXPanelPlacement::KeepInside(const QRect& frame, const QRect& available) {
    if (available.isEmpty())
        return frame;
    const int x = Clamp(frame.x(), available.left(),
                        End(available.left(), available.width()) - frame.width());
    const int y = Clamp(frame.y(), available.top(),
                        End(available.top(), available.height()) - frame.height());
    return QRect(QPoint(x, y), frame.size());
}

QRect C_VYXPanelPlacement::AvoidOverlap(const QRect& wanted, Side side, const QRect& available,
                                        const QList<QRect>& occupied) {
    const QRect start = KeepInside(wanted, available);
    QList<QRect> others;
    for (const QRect& frame : occupied)
        if (!frame.isEmpty())
            others.append(frame);

    // Columns from the wanted one outwards; in each, rows from the wanted height downwards, then
    // upwards.
    QList<qint64> columns{start.x()};
    QList<qint64> rowsBelow{start.y()};
    QList<qint64> rowsAbove;
    for (const QRect& other : others) {
        const qint64 column = side == Side::Left ? qint64(other.left()) - start.width()
                                                 : End(other.left(), other.width());
        if (side == Side::Left ? column < start.x() : column > start.x())
            columns.append(column);
        const qint64 below = End(other.top(), other.height());
        if (below > start.y())
            rowsBelow.append(below);
        const qint64 above = qint64(other.top()) - start.height();
        if (above < start.y())
            rowsAbove.append(above);
    }
    std::stable_sort(columns.begin(), columns.end(), [&start](qint64 a, qint64 b) {
        return std::llabs(a - start.x()) < std::llabs(b - start.x());
    });
    std::sort(rowsBelow.begin(), rowsBelow.end());
    std::sort(rowsAbove.begin(), rowsAbove.end(), std::greater<>());

    QRect best = start;
    qint64 bestCovered = std::numeric_limits<qint64>::max();
    for (qint64 column : columns) {
        const auto at = [&](qint64 row) {
            return KeepInside(QRect(ToInt(column), ToInt(row), start.width(), start.height()),
                              available);
        };
        for (qint64 row : rowsBelow) {
            const QRect candidate = at(row);
            const qint64 covered = CoveredArea(candidate, others);
            if (covered == 0)
                return candidate;
            if (covered < bestCovered) {
                bestCovered = covered;
                best = candidate;
            }
        }
        // Higher up only where nothing is covered: a panel over a window's top would hide its
        // title and menus.
        for (qint64 row : rowsAbove) {
            const QRect candidate = at(row);
            if (CoveredArea(candidate, others) == 0)
                return candidate;
        }
    }
    return best;
}

QRect C_VYXPanelPlacement::Place(Side side, const QRect& owner, const QSize& panel, int top,
                                 const QRect& available, const QList<QRect>& occupied) {
    return AvoidOverlap(BesideOwner(side, owner, panel, top, available), side, available, occupied);
}
