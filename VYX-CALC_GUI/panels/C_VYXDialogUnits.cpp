// SPDX-License-Identifier: MIT
// C_VYXDialogUnits: pixels per dialog unit, measured on the panel's font.
#include "C_VYXDialogUnits.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

C_VYXDialogUnits C_VYXDialogUnits::ForFont(const QFont& font) {
    const QFontMetrics metrics(font);
    // Average width over the alphabet in both cases, rounded, as dialog layouts measure it.
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    C_VYXDialogUnits units;
    units.baseX = std::max(1, (alphabetWidth / 26 + 1) / 2);
    units.baseY = std::max(1, metrics.height());
    return units;
}

QRect C_VYXDialogUnits::ToPixels(const QRect& units) const {
    const QPoint topLeft = ToPixels(units.topLeft());
    const QPoint bottomRight(X(units.x() + units.width()), Y(units.y() + units.height()));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}
