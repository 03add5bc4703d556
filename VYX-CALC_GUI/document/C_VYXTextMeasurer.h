// SPDX-License-Identifier: MIT
// C_VYXTextMeasurer: text measurement with the printer's fonts, for the page layout.
#pragma once

#include <QStringView>

/// Widths and heights in device units of the two fonts a printed page uses. The printing view
/// measures with the printer's fonts; tests measure with fixed figures.
class C_VYXTextMeasurer {
public:
    enum class Font { Header, Body };

    virtual ~C_VYXTextMeasurer() = default;
    /// Width of `text` on one line.
    virtual int TextWidth(Font font, QStringView text) const = 0;
    /// Height of one line of text.
    virtual int LineHeight(Font font) const = 0;
};
