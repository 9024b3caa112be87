// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/CountdownTicker.h"

#include <QCoreApplication>

#include <optional>

// A ticker the test drives by hand. `fire()` delivers one tick the way the
// real one does: the handler hands it to the main thread, which then runs it.
class FakeTicker final : public CountdownTicker {
public:
    void start(double interval, std::function<void()> handler) override
    {
        ++startCount;
        lastInterval = interval;
        m_handler = std::move(handler);
    }
    void stop() override
    {
        ++stopCount;
        m_handler = nullptr;
    }

    bool isRunning() const { return static_cast<bool>(m_handler); }
    std::function<void()> handler() const { return m_handler; }

    // Returns false when the ticker was not running.
    bool fire()
    {
        if (!m_handler)
            return false;
        auto handler = m_handler;
        handler();
        QCoreApplication::sendPostedEvents();
        return true;
    }

    int startCount = 0;
    int stopCount = 0;
    std::optional<double> lastInterval;

private:
    std::function<void()> m_handler;
};
