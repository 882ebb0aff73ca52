#include "window_manager_hints.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace tk {

namespace {

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

// Qt writes _NET_WM_STATE itself when it shows a window, keeping the states
// it finds there that it does not manage; the modal state it would only set
// together with its own modality, which would shut the owner's close request
// out as well.
void MarkModalForWindowManager(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    const xcb_atom_t modal = Atom(connection, "_NET_WM_STATE_MODAL");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                        Atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &modal);
    xcb_flush(connection);
}

bool IsDestroyNotice(const QWidget& window, const QByteArray& eventType, const void* message) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    return (event->response_type & ~0x80) == XCB_DESTROY_NOTIFY &&  // the high bit: sent by a client
           static_cast<const xcb_destroy_notify_event_t*>(message)->window == window.internalWinId();
}

}  // namespace tk
