// SPDX-License-Identifier: MIT
// C_VYXPrintRenderer: layout over the device's printable area, then header, footer and body.
#include "C_VYXPrintRenderer.h"

#include "C_VYXPrintFonts.h"

#include <QPagedPaintDevice>
#include <QPainter>

C_VYXPrintRenderer::C_VYXPrintRenderer(QString text, QString headerText)
    : m_text(std::move(text)), m_headerText(std::move(headerText)) {}

bool C_VYXPrintRenderer::Render(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the top-left of the printable area and one unit is one device
    // pixel, so the whole printable area is the drawing rectangle.
    const QRect pageRect(0, 0, device.width(), device.height());
    const C_VYXPrintFonts fonts(device);
    m_layout.Reset();
    m_layout.ComputeBands(pageRect.width(), pageRect.height());
    m_layout.Layout(m_text, fonts, pageRect.width(), pageRect.height());

    painter.setPen(Qt::black);
    for (int page = 1; page <= m_layout.PageCount(); ++page) {
        if (page > 1 && !device.newPage()) {
            painter.end();
            return false;
        }
        for (const C_VYXPrintItem& item : m_layout.PageItems(page, pageRect, m_headerText, fonts)) {
            painter.setFont(fonts.FontFor(item.font));
            // Items give the top of their line; text is drawn on its baseline.
            painter.drawText(item.x, item.y + fonts.Ascent(item.font), item.text);
        }
    }
    return painter.end();
}
