// SPDX-License-Identifier: MIT
// C_VYXX11CloseBoxOnly: tool windows and message boxes with a close box only, under openbox too.
#pragma once

class QWidget;

/// A tool window or dialog asks the window manager for a close box only (Qt's window flags say
/// so). Openbox ignores that request by design and puts minimise and maximise buttons on every
/// dialog and utility window; it gives a close box only to toolbar windows. Under openbox this
/// declares the window a toolbar torn off the main window; under any other window manager, and
/// on other platforms, nothing changes.
class C_VYXX11CloseBoxOnly {
public:
    /// Call after the native window exists and before it is mapped (a show event will do).
    static void Apply(const QWidget& window);
};
