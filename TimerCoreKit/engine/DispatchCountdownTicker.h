// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/CountdownTicker.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A ticker on a thread of its own. The first call comes at once, then one every
// period, never more often than every 50 ms. Calls never overlap, and none
// comes after `stop()` or destruction returns. The handler runs on the
// ticker's thread and must not start or stop its own ticker.
class DispatchCountdownTicker final : public CountdownTicker {
public:
    DispatchCountdownTicker() = default;
    ~DispatchCountdownTicker() override;
    DispatchCountdownTicker(const DispatchCountdownTicker&) = delete;
    DispatchCountdownTicker& operator=(const DispatchCountdownTicker&) = delete;

    void start(double interval, std::function<void()> handler) override;
    void stop() override;

    // The period for an interval in seconds: at least 50 ms, truncated to whole
    // milliseconds; NaN counts as the minimum.
    static std::chrono::milliseconds period(double interval);

    static constexpr auto threadName = "kelvane.ticker";

private:
    void run(std::chrono::milliseconds period, const std::function<void()>& handler);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopRequested = false;
    std::thread m_thread;
};
