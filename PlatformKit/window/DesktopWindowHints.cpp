#include "PlatformKit/window/DesktopWindowHints.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace platform {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

constexpr uint32_t allDesktops = 0xFFFFFFFF;
constexpr uint32_t netWmStateAdd = 1;
constexpr uint32_t sourceApplication = 1;

void sendToRoot(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, xcb_atom_t type,
                std::array<uint32_t, 5> data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    for (std::size_t i = 0; i < data.size(); ++i)
        event.data.data32[i] = data[i];
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

void keepOnDesktop(QWindow& window)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t wmState = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t wmDesktop = atom(connection, "_NET_WM_DESKTOP");
    const std::vector<xcb_atom_t> states{atom(connection, "_NET_WM_STATE_BELOW"),
                                         atom(connection, "_NET_WM_STATE_STICKY"),
                                         atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                         atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (!window.isVisible()) {
        // Read by the window manager when the window is mapped; Qt adds its
        // own states to these instead of replacing them.
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, wmState, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(states.size()), states.data());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, wmDesktop, XCB_ATOM_CARDINAL, 32, 1,
                            &allDesktops);
    } else {
        // A mapped window's states belong to the window manager: ask it.
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        for (std::size_t i = 0; i < states.size(); i += 2)
            sendToRoot(connection, root, id, wmState, {netWmStateAdd, states[i], states[i + 1], sourceApplication, 0});
        sendToRoot(connection, root, id, wmDesktop, {allDesktops, sourceApplication, 0, 0, 0});
    }
    xcb_flush(connection);
}

} // namespace platform
