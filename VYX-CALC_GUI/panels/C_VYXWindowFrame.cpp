// SPDX-License-Identifier: MIT
// C_VYXWindowFrame: window flags, the width a title needs, the frame's margins.
#include "C_VYXWindowFrame.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QWidget>

#if QT_CONFIG(xcb) && __has_include(<xcb/xcb.h>) && __has_include(<dlfcn.h>)
#include <dlfcn.h>
#include <xcb/xcb.h>

#include <cstdlib>
#define VYX_WINDOW_TYPES_ON_X11 1
#endif

namespace {

QMargins MarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

#ifdef VYX_WINDOW_TYPES_ON_X11
/// The few calls of the X protocol library that set a window property. They are looked up in
/// the copy the X11 platform plugin has loaded, so the program needs no X library of its own and
/// does nothing on other platforms.
class XcbCalls {
public:
    XcbCalls() : m_library(dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD)) {
        if (m_library == nullptr)
            return;
        internAtom = reinterpret_cast<decltype(internAtom)>(dlsym(m_library, "xcb_intern_atom"));
        internAtomReply = reinterpret_cast<decltype(internAtomReply)>(
            dlsym(m_library, "xcb_intern_atom_reply"));
        changeProperty =
            reinterpret_cast<decltype(changeProperty)>(dlsym(m_library, "xcb_change_property"));
    }
    ~XcbCalls() {
        if (m_library != nullptr)
            dlclose(m_library);
    }
    XcbCalls(const XcbCalls&) = delete;
    XcbCalls& operator=(const XcbCalls&) = delete;

    bool Usable() const {
        return internAtom != nullptr && internAtomReply != nullptr && changeProperty != nullptr;
    }
    xcb_atom_t Atom(xcb_connection_t* connection, const char* name) const {
        xcb_intern_atom_reply_t* reply = internAtomReply(
            connection, internAtom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    decltype(&xcb_intern_atom) internAtom = nullptr;
    decltype(&xcb_intern_atom_reply) internAtomReply = nullptr;
    decltype(&xcb_change_property) changeProperty = nullptr;

private:
    void* m_library;
};
#endif

} // namespace

Qt::WindowFlags C_VYXWindowFrame::ToolWindowFlags() {
    return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

Qt::WindowFlags C_VYXWindowFrame::DialogFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowCloseButtonHint;
}

int C_VYXWindowFrame::WidthForTitle(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    // Room for the window icon, the close box and the padding around them: about four
    // title-bar heights.
    return metrics.horizontalAdvance(title) + 4 * metrics.height();
}

void C_VYXWindowFrame::DeclareToolbarWindow(const QWidget& window) {
#ifdef VYX_WINDOW_TYPES_ON_X11
    // Other platforms may offer the interface too (offscreen does), without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || x11 == nullptr ||
        x11->connection() == nullptr || !window.testAttribute(Qt::WA_WState_Created))
        return;
    const XcbCalls xcb;
    if (!xcb.Usable())
        return;
    xcb_connection_t* connection = x11->connection();
    // The window manager takes the first type it knows; a utility window is what Qt declares.
    const xcb_atom_t types[] = {xcb.Atom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                xcb.Atom(connection, "_NET_WM_WINDOW_TYPE_UTILITY")};
    const xcb_atom_t property = xcb.Atom(connection, "_NET_WM_WINDOW_TYPE");
    if (property == XCB_ATOM_NONE || types[0] == XCB_ATOM_NONE || types[1] == XCB_ATOM_NONE)
        return;
    xcb.changeProperty(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), property,
                       XCB_ATOM_ATOM, 32, 2, types);
#else
    (void)window;
#endif
}

QMargins C_VYXWindowFrame::FrameMargins(const QWidget& window, const QWidget* decorated) {
    const QMargins own = MarginsOf(window);
    if (!own.isNull() || decorated == nullptr)
        return own;
    return MarginsOf(*decorated);
}
