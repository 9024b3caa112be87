// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

namespace platform {

// What a small always-on-top window (or a desktop widget) asks of an X11 window manager beyond
// Qt's own flags. Elsewhere (Wayland) programs have no say in these, and
// every call does nothing.
namespace WindowHints {

// On every workspace (sticky, desktop 0xFFFFFFFF), and in neither the
// taskbar nor the pager. Call it once the native window exists and before it
// is shown (it sets the properties the manager reads when it maps the
// window), and again right after showing it (it then asks the manager, which
// may have dropped them).
void showOnEveryWorkspace(QWindow& window);

// As showOnEveryWorkspace, and below normal windows: a window that belongs
// to the desktop, like a widget. Called the same way.
void keepOnDesktop(QWindow& window);

// Whether a compositing manager runs on the window's screen, so translucent
// pixels blend with what lies under them. Always true off X11.
bool compositorRunning(const QWindow& window);

} // namespace WindowHints

} // namespace platform
