// SPDX-License-Identifier: MIT
// C_VYXPrintFonts: the printout's fonts sized by cell height at the device's resolution.
#include "C_VYXPrintFonts.h"

#include "C_VYXCellHeightFont.h"
#include "C_VYXPrintLayout.h"

#include <QPaintDevice>

#include <algorithm>

namespace {

QFont BaseFont() {
    QFont font(C_VYXPrintLayout::FaceName());
    // Without Verdana the font database falls back to a sans-serif family, the nearest look.
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Weight(C_VYXPrintLayout::FontWeight));
    font.setKerning(false);
    // Letter by letter, without ligatures: "fi" in a path stays two letters that a reader of the
    // PDF can find and copy.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

C_VYXPrintFonts::C_VYXPrintFonts(QPaintDevice& device)
    : m_header(MakeFont(
          C_VYXPrintLayout::FontHeight(C_VYXPrintLayout::HeaderPoints, device.logicalDpiY()),
          device)),
      m_body(
          MakeFont(C_VYXPrintLayout::FontHeight(C_VYXPrintLayout::BodyPoints, device.logicalDpiY()),
                   device)),
      m_headerMetrics(m_header, &device), m_bodyMetrics(m_body, &device) {}

QFont C_VYXPrintFonts::MakeFont(int cellHeight, QPaintDevice& device) {
    return C_VYXCellHeightFont::Fit(BaseFont(), cellHeight, &device);
}

int C_VYXPrintFonts::TextWidth(Font font, QStringView text) const {
    return MetricsFor(font).horizontalAdvance(text.toString());
}

int C_VYXPrintFonts::LineHeight(Font font) const {
    return MetricsFor(font).height();
}

int C_VYXPrintFonts::Ascent(Font font) const {
    return MetricsFor(font).ascent();
}
