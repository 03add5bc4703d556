// SPDX-License-Identifier: MIT
// C_VYXWindowFrame: window flags, the width a title needs, the frame's margins.
#include "C_VYXWindowFrame.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace {

QMargins MarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

} // namespace

Qt::WindowFlags C_VYXWindowFrame::ToolWindowFlags() {
    return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

Qt::WindowFlags C_VYXWindowFrame::DialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

int C_VYXWindowFrame::WidthForTitle(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    // Room for the window icon, the buttons (some window managers add minimise and maximise to
    // dialogs, whatever they ask for) and the padding around them: a square button is about a
    // line high.
    return metrics.horizontalAdvance(title) + 7 * metrics.height();
}

QMargins C_VYXWindowFrame::FrameMargins(const QWidget& window, const QWidget* decorated) {
    const QMargins own = MarginsOf(window);
    if (!own.isNull() || decorated == nullptr)
        return own;
    return MarginsOf(*decorated);
}
