// SPDX-License-Identifier: MIT
// C_VYXPrintFonts: the header and body fonts of a printout, measured on the printing device.
#pragma once

#include "C_VYXTextMeasurer.h"

#include <QFont>
#include <QFontMetrics>

class QPaintDevice;

/// The two bold "Verdana" fonts of a printed page (8 points for header and footer, 12 for the
/// body; the closest installed family when Verdana is missing), sized for the device's
/// resolution, and their measurements in device units for the page layout.
class C_VYXPrintFonts : public C_VYXTextMeasurer {
public:
    /// The device must outlive the fonts.
    explicit C_VYXPrintFonts(QPaintDevice& device);

    const QFont& FontFor(Font font) const { return font == Font::Header ? m_header : m_body; }
    int TextWidth(Font font, QStringView text) const override;
    /// The height of a line (ascent and descent) in `font`.
    int LineHeight(Font font) const override;
    /// From the top of a line to its baseline, where text is drawn.
    int Ascent(Font font) const;

    /// A bold font whose line height is `cellHeight` device units, or as close below as the sizes
    /// the font offers come.
    static QFont MakeFont(int cellHeight, QPaintDevice& device);

private:
    const QFontMetrics& MetricsFor(Font font) const {
        return font == Font::Header ? m_headerMetrics : m_bodyMetrics;
    }

    QFont m_header;
    QFont m_body;
    QFontMetrics m_headerMetrics;
    QFontMetrics m_bodyMetrics;
};
