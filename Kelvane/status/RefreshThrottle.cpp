// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/RefreshThrottle.h"

RefreshThrottle::RefreshThrottle(std::unique_ptr<platform::OneShotTimer> timer, double window,
                                 std::function<void()> action)
    : RefreshThrottle(std::move(timer), nullptr, window, std::move(action))
{
}

RefreshThrottle::RefreshThrottle(std::unique_ptr<platform::OneShotTimer> timer, platform::ElapsedClock clock,
                                 double window, std::function<void()> action)
    : m_timer(std::move(timer))
    , m_clock(std::move(clock))
    , m_window(window)
    , m_action(std::move(action))
{
}

void RefreshThrottle::poke()
{
    if (m_timer->isPending()) {
        m_pending = true;
        return;
    }
    if (!m_clock) {
        m_timer->start(m_window, [this] { windowClosed(); });
        act();
        return;
    }
    const double since = m_lastAction ? m_clock() - *m_lastAction : m_window;
    // A clock read back in time counts as a window gone by.
    if (since >= m_window || since < 0) {
        act();
        return;
    }
    m_pending = true;
    m_timer->start(m_window - since, [this] { windowClosed(); });
}

void RefreshThrottle::windowClosed()
{
    if (!m_pending)
        return;
    if (!m_clock)
        m_timer->start(m_window, [this] { windowClosed(); });
    act();
}

void RefreshThrottle::act()
{
    m_pending = false;
    if (m_clock)
        m_lastAction = m_clock();
    m_action();
}
