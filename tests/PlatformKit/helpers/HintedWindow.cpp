// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-test-hinted-window [--as-compositor]
// A small window given the every-workspace hints before and after it is
// shown. Prints "ready <window id> <1 when it sees a compositor, else 0>".
// With --as-compositor it first claims the compositor's selection itself, as
// a compositing manager would.
#include "PlatformKit/window/WindowHints.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void claimCompositorSelection(const QWindow& window)
{
    auto* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const char name[] = "_NET_WM_CM_S0";
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    xcb_set_selection_owner(connection, static_cast<xcb_window_t>(window.winId()), reply->atom, XCB_CURRENT_TIME);
    std::free(reply);
    // A round trip: the claim is in place before anyone asks.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QWindow window;
    window.resize(120, 80);
    window.create();
    if (argc > 1 && std::strcmp(argv[1], "--as-compositor") == 0)
        claimCompositorSelection(window);
    platform::WindowHints::showOnEveryWorkspace(window);
    const bool composited = platform::WindowHints::compositorRunning(window);
    window.show();
    platform::WindowHints::showOnEveryWorkspace(window);
    std::printf("ready %llu %d\n", static_cast<unsigned long long>(window.winId()), composited ? 1 : 0);
    std::fflush(stdout);
    return app.exec();
}
