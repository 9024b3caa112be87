// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/RefreshThrottle.h"

RefreshThrottle::RefreshThrottle(std::unique_ptr<platform::OneShotTimer> timer, double window,
                                 std::function<void()> action)
    : m_timer(std::move(timer))
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
    m_timer->start(m_window, [this] { windowClosed(); });
    m_action();
}

void RefreshThrottle::windowClosed()
{
    if (!m_pending)
        return;
    m_pending = false;
    m_timer->start(m_window, [this] { windowClosed(); });
    m_action();
}
