// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/OneShotTimer.h"

#include <functional>
#include <memory>

// Turns a burst of change announcements into at most one action per window:
// the first poke acts at once and opens a window; pokes inside it are merged
// into one action when it closes, which opens the next window.
class RefreshThrottle {
public:
    RefreshThrottle(std::unique_ptr<platform::OneShotTimer> timer, double window, std::function<void()> action);

    void poke();

private:
    void windowClosed();

    std::unique_ptr<platform::OneShotTimer> m_timer;
    double m_window;
    std::function<void()> m_action;
    bool m_pending = false;
};
