// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/input/ShortcutWatch.h"

#include <QByteArray>

#include <functional>
#include <memory>

namespace platform {

// Watches the X server for the shortcuts without taking the key press from
// the window it goes to: XInput 2 raw key events on the root window, read
// against the keyboard's layout and modifier state as XKB reports them. It
// keeps a connection of its own, so it works whatever Qt draws on.
class X11ShortcutWatch final : public ShortcutWatch {
public:
    // Null when the display cannot be reached or lacks XInput 2 or XKB. An
    // empty display name means $DISPLAY. While `ownWindowsFocused` holds,
    // key presses are left to the program's own windows.
    static std::unique_ptr<X11ShortcutWatch> connect(const QByteArray& displayName, QList<Shortcut> shortcuts,
                                                     ShortcutActivated onActivated,
                                                     std::function<bool()> ownWindowsFocused);
    ~X11ShortcutWatch() override;

private:
    struct Connection;

    X11ShortcutWatch(std::unique_ptr<Connection> connection, QList<Shortcut> shortcuts, ShortcutActivated onActivated,
                     std::function<bool()> ownWindowsFocused);
    void readEvents();
    void keyPressed(std::uint32_t keycode);

    std::unique_ptr<Connection> m_connection;
    QList<Shortcut> m_shortcuts;
    ShortcutActivated m_onActivated;
    std::function<bool()> m_ownWindowsFocused;
};

} // namespace platform
