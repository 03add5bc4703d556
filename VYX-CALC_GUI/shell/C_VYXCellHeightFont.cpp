// SPDX-License-Identifier: MIT
// C_VYXCellHeightFont: the pixel size of a font found from the height of its line.
#include "C_VYXCellHeightFont.h"

#include <QFontMetrics>
#include <QPaintDevice>

#include <algorithm>

namespace {

int LineHeight(QFont font, int pixelSize, const QPaintDevice* device) {
    font.setPixelSize(pixelSize);
    // A const device is only measured; the metrics constructor merely wants a plain pointer.
    return device != nullptr ? QFontMetrics(font, const_cast<QPaintDevice*>(device)).height()
                             : QFontMetrics(font).height();
}

} // namespace

QFont C_VYXCellHeightFont::Fit(QFont font, int cellHeight, const QPaintDevice* device) {
    const int wanted = std::max(1, cellHeight);
    // One measurement gives the ratio of line to em; the steps after it absorb the rounding of
    // ascent and descent to whole pixels.
    const int measured = LineHeight(font, wanted, device);
    int pixelSize = measured > 0
                        ? std::max(1, int((qint64(wanted) * wanted + measured / 2) / measured))
                        : wanted;
    while (pixelSize > 1 && LineHeight(font, pixelSize, device) > wanted)
        --pixelSize;
    while (LineHeight(font, pixelSize + 1, device) <= wanted)
        ++pixelSize;
    font.setPixelSize(pixelSize);
    return font;
}
