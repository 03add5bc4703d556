// SPDX-License-Identifier: MIT
// C_VYXX11CloseBoxOnly: the window manager's name and the window type, through the X protocol.
#include "C_VYXX11CloseBoxOnly.h"

#include <QGuiApplication>
#include <QWidget>

#if QT_CONFIG(xcb) && __has_include(<xcb/xcb.h>) && __has_include(<dlfcn.h>)
#include <dlfcn.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace {

/// The calls of the X protocol library used here, looked up in the copy that the X11 platform
/// plugin has loaded: the program needs no X library of its own, and without X11 (the library
/// is not loaded) there is nothing to do.
class XcbCalls {
public:
    XcbCalls() : m_library(dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD)) {
        Find(internAtom, "xcb_intern_atom");
        Find(internAtomReply, "xcb_intern_atom_reply");
        Find(getProperty, "xcb_get_property");
        Find(getPropertyReply, "xcb_get_property_reply");
        Find(getPropertyValue, "xcb_get_property_value");
        Find(getPropertyValueLength, "xcb_get_property_value_length");
        Find(changeProperty, "xcb_change_property");
        Find(getSetup, "xcb_get_setup");
        Find(setupRootsIterator, "xcb_setup_roots_iterator");
    }
    ~XcbCalls() {
        if (m_library != nullptr)
            dlclose(m_library);
    }
    XcbCalls(const XcbCalls&) = delete;
    XcbCalls& operator=(const XcbCalls&) = delete;

    bool Usable() const { return m_library != nullptr && m_allFound; }

    xcb_atom_t Atom(xcb_connection_t* connection, const char* name) const {
        xcb_intern_atom_reply_t* reply = internAtomReply(
            connection, internAtom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return atom;
    }

    /// The bytes of a window's property; empty when it has none.
    std::string Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type) const {
        xcb_get_property_reply_t* reply = getPropertyReply(
            connection, getProperty(connection, 0, window, property, type, 0, 64), nullptr);
        std::string bytes;
        if (reply != nullptr) {
            const int length = getPropertyValueLength(reply);
            if (length > 0)
                bytes.assign(static_cast<const char*>(getPropertyValue(reply)), size_t(length));
        }
        std::free(reply);
        return bytes;
    }

    /// The name the running window manager gives itself (the EWMH check window's name).
    std::string WindowManagerName(xcb_connection_t* connection) const {
        const xcb_window_t root = setupRootsIterator(getSetup(connection)).data->root;
        const std::string check = Property(
            connection, root, Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
        if (check.size() != sizeof(xcb_window_t))
            return std::string();
        xcb_window_t manager = 0;
        check.copy(reinterpret_cast<char*>(&manager), sizeof manager);
        return Property(connection, manager, Atom(connection, "_NET_WM_NAME"),
                        Atom(connection, "UTF8_STRING"));
    }

    decltype(&xcb_intern_atom) internAtom = nullptr;
    decltype(&xcb_intern_atom_reply) internAtomReply = nullptr;
    decltype(&xcb_get_property) getProperty = nullptr;
    decltype(&xcb_get_property_reply) getPropertyReply = nullptr;
    decltype(&xcb_get_property_value) getPropertyValue = nullptr;
    decltype(&xcb_get_property_value_length) getPropertyValueLength = nullptr;
    decltype(&xcb_change_property) changeProperty = nullptr;
    decltype(&xcb_get_setup) getSetup = nullptr;
    decltype(&xcb_setup_roots_iterator) setupRootsIterator = nullptr;

private:
    template <typename Function> void Find(Function& function, const char* name) {
        if (m_library != nullptr)
            function = reinterpret_cast<Function>(dlsym(m_library, name));
        m_allFound = m_allFound && function != nullptr;
    }

    void* m_library;
    bool m_allFound = true;
};

} // namespace

void C_VYXX11CloseBoxOnly::Apply(const QWidget& window) {
    // Other platforms may offer the interface too (offscreen does), without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || x11 == nullptr ||
        x11->connection() == nullptr || !window.testAttribute(Qt::WA_WState_Created))
        return;
    const XcbCalls xcb;
    if (!xcb.Usable())
        return;
    xcb_connection_t* connection = x11->connection();
    if (xcb.WindowManagerName(connection) != "Openbox")
        return;
    // A window manager takes the first type it knows; the second is the one Qt declared.
    const xcb_atom_t types[] = {xcb.Atom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                xcb.Atom(connection, window.windowType() == Qt::Dialog
                                                         ? "_NET_WM_WINDOW_TYPE_DIALOG"
                                                         : "_NET_WM_WINDOW_TYPE_UTILITY")};
    const xcb_atom_t property = xcb.Atom(connection, "_NET_WM_WINDOW_TYPE");
    if (property == XCB_ATOM_NONE || types[0] == XCB_ATOM_NONE || types[1] == XCB_ATOM_NONE)
        return;
    xcb.changeProperty(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window.winId()), property,
                       XCB_ATOM_ATOM, 32, 2, types);
}

#else

void C_VYXX11CloseBoxOnly::Apply(const QWidget&) {}

#endif
