// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/DispatchCountdownTicker.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <algorithm>
#include <cmath>
#include <pthread.h>

namespace {
constexpr double minimumInterval = 0.05;
} // namespace

DispatchCountdownTicker::~DispatchCountdownTicker()
{
    stop();
}

std::chrono::milliseconds DispatchCountdownTicker::period(double interval)
{
    const double seconds = std::isnan(interval) ? minimumInterval : std::max(interval, minimumInterval);
    // A huge interval saturates rather than overflowing the clock arithmetic.
    constexpr double longest = 1e12;
    return std::chrono::milliseconds(platform::saturatingCast<std::int64_t>(std::min(seconds * 1000.0, longest)));
}

void DispatchCountdownTicker::start(double interval, std::function<void()> handler)
{
    stop();
    std::lock_guard lock(m_mutex);
    m_stopRequested = false;
    m_thread = std::thread([this, p = period(interval), h = std::move(handler)] { run(p, h); });
}

void DispatchCountdownTicker::stop()
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_thread.joinable())
            return;
        m_stopRequested = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void DispatchCountdownTicker::run(std::chrono::milliseconds period, const std::function<void()>& handler)
{
    pthread_setname_np(pthread_self(), threadName);
    auto deadline = std::chrono::steady_clock::now();
    std::unique_lock lock(m_mutex);
    while (!m_stopRequested) {
        lock.unlock();
        handler();
        lock.lock();
        deadline += period;
        // After a long stall, carry on from now instead of firing a burst.
        const auto now = std::chrono::steady_clock::now();
        if (deadline < now)
            deadline = now;
        m_wake.wait_until(lock, deadline, [this] { return m_stopRequested; });
    }
}
