// SPDX-License-Identifier: MIT
// C_VYXWindowFrame: what the tool windows and message boxes ask of the window manager's frame.
#pragma once

#include <QMargins>
#include <QString>
#include <Qt>

class QWidget;

/// The frame the window manager draws around a window is not ours to draw, only to ask for:
/// which buttons it carries, how wide its title needs it, how thick it is.
class C_VYXWindowFrame {
public:
    /// A tool window with a title and a close box, without minimise and maximise buttons.
    static Qt::WindowFlags ToolWindowFlags();
    /// A dialog with a title and a close box only.
    static Qt::WindowFlags DialogFlags();

    /// The width at which a title bar shows `title` in full beside its icon and buttons. The
    /// window manager's font is not known: the application's font in bold stands in for it.
    static int WidthForTitle(const QString& title);

    /// The frame around `window` once the window manager has drawn it; until then the frame of
    /// `decorated` (a window already shown), which a new window of the program will get alike.
    static QMargins FrameMargins(const QWidget& window, const QWidget* decorated);
};
