// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/ElapsedClock.h"
#include "PlatformKit/core/OneShotTimer.h"

#include <functional>
#include <memory>
#include <optional>

// Turns a burst of change announcements into at most one action per window:
// a poke a window or more after the last action acts at once; pokes sooner
// are merged into one action at the end of that window.
class RefreshThrottle {
public:
    // The window is kept by the timer, which then fires at the end of every
    // window, busy or not.
    RefreshThrottle(std::unique_ptr<platform::OneShotTimer> timer, double window, std::function<void()> action);
    // The window is read off `clock`: the timer runs only while an action
    // waits, so a poke a second does not wake the program twice.
    RefreshThrottle(std::unique_ptr<platform::OneShotTimer> timer, platform::ElapsedClock clock, double window,
                    std::function<void()> action);

    void poke();

private:
    void act();
    void windowClosed();

    std::unique_ptr<platform::OneShotTimer> m_timer;
    platform::ElapsedClock m_clock; // none: the timer keeps the window
    double m_window;
    std::function<void()> m_action;
    bool m_pending = false;
    std::optional<double> m_lastAction; // on m_clock
};
