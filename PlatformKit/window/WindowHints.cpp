// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/window/WindowHints.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace platform::WindowHints {
namespace {

// The EWMH "on all desktops" number.
constexpr std::uint32_t allDesktops = 0xFFFFFFFF;
// _NET_WM_STATE client message actions and source (a normal application).
constexpr std::uint32_t stateAdd = 1;
constexpr std::uint32_t sourceApplication = 1;

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window)
{
    const ReplyPointer<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// The screen number of `root`, as the selection names count them.
int screenNumber(xcb_connection_t* connection, xcb_window_t root)
{
    int number = 0;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem > 0; xcb_screen_next(&it), ++number) {
        if (it.data->root == root)
            return number;
    }
    return 0;
}

// The atoms a list property of `window` holds, as _NET_WM_STATE or _NET_SUPPORTED.
std::vector<xcb_atom_t> atomList(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    const ReplyPointer<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_ATOM)
        return {};
    const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return std::vector<xcb_atom_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

void sendToRoot(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window, xcb_atom_t type,
                const std::array<std::uint32_t, 5>& data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::memcpy(event.data.data32, data.data(), sizeof(event.data.data32));
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

// Adds `names` to the window's states and puts it on every desktop.
void addStatesOnEveryDesktop(QWindow& window, const std::vector<const char*>& names)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t netWmState = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t netWmDesktop = atom(connection, "_NET_WM_DESKTOP");
    std::vector<xcb_atom_t> wanted;
    for (const char* name : names)
        wanted.push_back(atom(connection, name));

    if (!window.isVisible()) {
        // Read by the manager when the window is mapped; Qt keeps the states
        // it does not set itself.
        std::vector<xcb_atom_t> states = atomList(connection, id, netWmState);
        for (const xcb_atom_t state : wanted) {
            if (std::find(states.begin(), states.end(), state) == states.end())
                states.push_back(state);
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmState, XCB_ATOM_ATOM, 32,
                            static_cast<std::uint32_t>(states.size()), states.data());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmDesktop, XCB_ATOM_CARDINAL, 32, 1,
                            &allDesktops);
    } else {
        // A mapped window's states belong to the manager: ask it, at most two
        // states a message.
        const xcb_window_t root = rootOf(connection, id);
        for (std::size_t i = 0; i < wanted.size(); i += 2) {
            const xcb_atom_t second = i + 1 < wanted.size() ? wanted[i + 1] : xcb_atom_t{XCB_ATOM_NONE};
            sendToRoot(connection, root, id, netWmState, {stateAdd, wanted[i], second, sourceApplication, 0});
        }
        sendToRoot(connection, root, id, netWmDesktop, {allDesktops, sourceApplication, 0, 0, 0});
    }
    xcb_flush(connection);
}

} // namespace

void showOnEveryWorkspace(QWindow& window)
{
    addStatesOnEveryDesktop(window, {"_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
}

void keepOnDesktop(QWindow& window)
{
    addStatesOnEveryDesktop(
        window,
        {"_NET_WM_STATE_BELOW", "_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
}

bool compositorRunning(const QWindow& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return true;
    const xcb_window_t root = rootOf(connection, static_cast<xcb_window_t>(window.winId()));
    const std::string selection = "_NET_WM_CM_S" + std::to_string(screenNumber(connection, root));
    const ReplyPointer<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom(connection, selection.c_str())), nullptr),
        &std::free);
    return reply && reply->owner != XCB_WINDOW_NONE;
}

} // namespace platform::WindowHints
