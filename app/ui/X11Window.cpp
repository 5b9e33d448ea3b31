#include "app/ui/X11Window.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace korvel {

namespace {

xcb_connection_t* connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* c)
{
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return screen ? screen->root : xcb_window_t(XCB_WINDOW_NONE);
}

xcb_atom_t showingDesktopAtom(xcb_connection_t* c)
{
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atom == XCB_ATOM_NONE) {
        static const char name[] = "_NET_SHOWING_DESKTOP";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
        if (reply)
            atom = reply->atom;
        std::free(reply);
    }
    return atom;
}

}  // namespace

bool X11Window::available()
{
    return connection() != nullptr;
}

std::optional<bool> X11Window::viewable(WId window)
{
    xcb_connection_t* c = connection();
    if (!c || !window)
        return std::nullopt;
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, xcb_window_t(window)), nullptr);
    if (!reply)
        return std::nullopt;
    const bool result = reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    return result;
}

bool X11Window::showingDesktop()
{
    xcb_connection_t* c = connection();
    if (!c)
        return false;
    const xcb_atom_t atom = showingDesktopAtom(c);
    if (atom == XCB_ATOM_NONE)
        return false;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, rootWindow(c), atom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    if (!reply)
        return false;
    bool on = false;
    if (reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        on = *static_cast<const quint32*>(xcb_get_property_value(reply)) != 0;
    std::free(reply);
    return on;
}

void X11Window::leaveShowingDesktop()
{
    xcb_connection_t* c = connection();
    if (!c)
        return;
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = rootWindow(c);
    message.type = showingDesktopAtom(c);
    message.data.data32[0] = 0;
    xcb_send_event(c, 0, message.window, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

void X11Window::map(WId window)
{
    xcb_connection_t* c = connection();
    if (!c || !window)
        return;
    xcb_map_window(c, xcb_window_t(window));
    xcb_flush(c);
}

}  // namespace korvel
