// SPDX-License-Identifier: MIT
// C_VYXPrintRenderer: draws the printout's pages on a printer or a PDF writer.
#pragma once

#include "C_VYXPrintLayout.h"

#include <QString>

class QPagedPaintDevice;

/// One print job: the text and the header line, laid out afresh for each device it is drawn on
/// (the printable area, resolution and fonts are the device's) and drawn page by page.
class C_VYXPrintRenderer {
public:
    /// `headerText` is the document's path, empty for a document never saved or opened.
    C_VYXPrintRenderer(QString text, QString headerText);

    /// Lays the text out over the device's printable area and draws every page; false when the
    /// device could not be painted on (an output file that cannot be written, for one).
    bool Render(QPagedPaintDevice& device);
    /// The layout of the last rendering, for the page count and the lines.
    const C_VYXPrintLayout& Layout() const { return m_layout; }

private:
    QString m_text;
    QString m_headerText;
    C_VYXPrintLayout m_layout;
};
