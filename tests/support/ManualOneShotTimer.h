// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/OneShotTimer.h"

#include <optional>

// A one-shot timer that fires only when the test says so.
class ManualOneShotTimer final : public platform::OneShotTimer {
public:
    void start(double seconds, std::function<void()> action) override
    {
        delay = seconds;
        m_action = std::move(action);
        ++starts;
    }
    void cancel() override { m_action = nullptr; }
    bool isPending() const override { return static_cast<bool>(m_action); }

    // Returns false when nothing was pending.
    bool fire()
    {
        auto action = std::move(m_action);
        m_action = nullptr;
        if (!action)
            return false;
        action();
        return true;
    }

    std::optional<double> delay;
    int starts = 0;

private:
    std::function<void()> m_action;
};
