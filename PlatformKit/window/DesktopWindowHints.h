#pragma once

class QWindow;

namespace platform {

// Asks the window manager to keep `window` on the desktop: below normal
// windows, on every workspace, and out of the taskbar and the pager (X11
// EWMH hints through xcb). Call it once the window exists and again after it
// is shown; elsewhere than X11 it does nothing.
void keepOnDesktop(QWindow& window);

} // namespace platform
