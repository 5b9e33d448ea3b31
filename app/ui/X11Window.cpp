#include "app/ui/X11Window.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <thread>

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

xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    xcb_atom_t atom = XCB_ATOM_NONE;
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (reply)
        atom = reply->atom;
    std::free(reply);
    return atom;
}

xcb_atom_t showingDesktopAtom(xcb_connection_t* c)
{
    static const xcb_atom_t atom = internAtom(c, "_NET_SHOWING_DESKTOP");
    return atom;
}

xcb_atom_t wmDesktopAtom(xcb_connection_t* c)
{
    static const xcb_atom_t atom = internAtom(c, "_NET_WM_DESKTOP");
    return atom;
}

xcb_atom_t currentDesktopAtom(xcb_connection_t* c)
{
    static const xcb_atom_t atom = internAtom(c, "_NET_CURRENT_DESKTOP");
    return atom;
}

// The first 32-bit value of a property; none when it is not set.
std::optional<quint32> cardinal(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    if (property == XCB_ATOM_NONE)
        return std::nullopt;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1), nullptr);
    if (!reply)
        return std::nullopt;
    std::optional<quint32> value;
    if (reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        value = *static_cast<const quint32*>(xcb_get_property_value(reply));
    std::free(reply);
    return value;
}

// Sees the server's events before the toolkit does; passes every one on.
class MapWatcher final : public QAbstractNativeEventFilter {
public:
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_atom_t showingDesktop = XCB_ATOM_NONE;
    xcb_atom_t currentDesktop = XCB_ATOM_NONE;
    xcb_atom_t wmDesktop = XCB_ATOM_NONE;
    std::function<void()> changed;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t" || !changed)
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & ~0x80) {
        case XCB_MAP_NOTIFY:
            if (reinterpret_cast<const xcb_map_notify_event_t*>(event)->window == window)
                changed();
            break;
        case XCB_UNMAP_NOTIFY:
            if (reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window == window)
                changed();
            break;
        case XCB_PROPERTY_NOTIFY: {
            const auto* property = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if ((property->window == root && (property->atom == showingDesktop || property->atom == currentDesktop))
                || (property->window == window && property->atom == wmDesktop))
                changed();
            break;
        }
        default:
            break;
        }
        return false;
    }
};

}  // namespace

bool X11Window::watch(WId window, std::function<void()> changed)
{
    xcb_connection_t* c = connection();
    if (!c || !window)
        return false;
    static MapWatcher* watcher = nullptr;
    if (!watcher) {
        watcher = new MapWatcher;
        qGuiApp->installNativeEventFilter(watcher);
    }
    watcher->window = xcb_window_t(window);
    watcher->root = rootWindow(c);
    watcher->showingDesktop = showingDesktopAtom(c);
    watcher->currentDesktop = currentDesktopAtom(c);
    watcher->wmDesktop = wmDesktopAtom(c);
    watcher->changed = std::move(changed);
    // The root's property changes reach this client only when it asks for them; what the toolkit
    // already asked for on the root is kept.
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, watcher->root), nullptr);
    const quint32 mask = (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_PROPERTY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(c, watcher->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    return true;
}

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
    return c && cardinal(c, rootWindow(c), showingDesktopAtom(c), XCB_ATOM_CARDINAL).value_or(0) != 0;
}

std::optional<quint32> X11Window::desktop(WId window)
{
    xcb_connection_t* c = connection();
    if (!c || !window)
        return std::nullopt;
    return cardinal(c, xcb_window_t(window), wmDesktopAtom(c), XCB_ATOM_CARDINAL);
}

std::optional<quint32> X11Window::currentDesktop()
{
    xcb_connection_t* c = connection();
    if (!c)
        return std::nullopt;
    return cardinal(c, rootWindow(c), currentDesktopAtom(c), XCB_ATOM_CARDINAL);
}

void X11Window::showOnEveryDesktop(WId window, bool mapped)
{
    xcb_connection_t* c = connection();
    const xcb_atom_t atom = c ? wmDesktopAtom(c) : xcb_atom_t(XCB_ATOM_NONE);
    if (!c || !window || atom == XCB_ATOM_NONE)
        return;
    const quint32 every = 0xFFFFFFFF;
    if (!mapped) {
        // What a window manager reads when it first manages the window.
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, xcb_window_t(window), atom, XCB_ATOM_CARDINAL, 32, 1, &every);
    } else {
        xcb_client_message_event_t message;
        std::memset(&message, 0, sizeof message);
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = xcb_window_t(window);
        message.type = atom;
        message.data.data32[0] = every;
        message.data.data32[1] = 1;  // asked for by the application
        xcb_send_event(c, 0, rootWindow(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    }
    xcb_flush(c);
}

bool X11Window::grabKeyboard(WId window)
{
    xcb_connection_t* c = connection();
    if (!c || !window)
        return false;
    // Keys still go to whichever of the program's windows has the focus (owner events).
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 1, xcb_window_t(window), XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return grabbed;
}

QString X11Window::windowManagerName()
{
    xcb_connection_t* c = connection();
    if (!c)
        return {};
    const std::optional<quint32> check = cardinal(c, rootWindow(c), internAtom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (!check || *check == 0)
        return {};
    const xcb_atom_t utf8 = internAtom(c, "UTF8_STRING");
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, *check, internAtom(c, "_NET_WM_NAME"), utf8, 0, 64), nullptr);
    if (!reply)
        return {};
    QString name;
    if (reply->format == 8)
        name = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    // A window manager that gives no name is one all the same.
    return name.isEmpty() ? QStringLiteral("unnamed") : name;
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

bool X11Window::keepComposited(WId window, std::chrono::milliseconds patience)
{
    xcb_connection_t* c = connection();
    if (!c || !window)
        return false;
    const xcb_window_t child = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, child, rootWindow(c), -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    // The window manager reads a window's properties once it has seen the window made and asked
    // for its property changes; a property set before that would pass unnoticed.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point giveUp = Clock::now() + patience;
    for (;;) {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, child), nullptr);
        const bool watched = attributes && (attributes->all_event_masks & XCB_EVENT_MASK_PROPERTY_CHANGE);
        std::free(attributes);
        if (watched || Clock::now() >= giveUp)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const xcb_window_t parent = xcb_window_t(window);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, child, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &parent);
    xcb_flush(c);
    return true;
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
