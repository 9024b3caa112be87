// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/CustomTimerSession.h"

#include <QList>

#include <algorithm>
#include <memory>
#include <utility>

// Pauses between phases that end only when the test says so. Hands out delays
// and keeps track of them, so a test can end every pending pause at once even
// after a session has taken ownership.
class FakePhaseDelays {
public:
    std::unique_ptr<platform::OneShotTimer> make() { return std::make_unique<Delay>(m_live); }
    PhaseDelayFactory factory()
    {
        return [live = m_live] { return std::unique_ptr<platform::OneShotTimer>(std::make_unique<Delay>(live)); };
    }

    int pendingCount() const
    {
        return static_cast<int>(
            std::count_if(m_live->cbegin(), m_live->cend(), [](const Delay* d) { return d->isPending(); }));
    }

    // Ends every pending pause; false when none was pending.
    bool elapse()
    {
        bool any = false;
        // A callback may end a session and with it another delay.
        for (Delay* delay : QList<Delay*>(*m_live)) {
            if (m_live->contains(delay))
                any = delay->fire() || any;
        }
        return any;
    }

private:
    class Delay final : public platform::OneShotTimer {
    public:
        explicit Delay(std::shared_ptr<QList<Delay*>> live)
            : m_live(std::move(live))
        {
            m_live->append(this);
        }
        ~Delay() override { m_live->removeOne(this); }

        void start(double, std::function<void()> elapsed) override { m_elapsed = std::move(elapsed); }
        void cancel() override { m_elapsed = nullptr; }
        bool isPending() const override { return static_cast<bool>(m_elapsed); }

        bool fire()
        {
            auto elapsed = std::exchange(m_elapsed, nullptr);
            if (!elapsed)
                return false;
            elapsed();
            return true;
        }

    private:
        std::shared_ptr<QList<Delay*>> m_live;
        std::function<void()> m_elapsed;
    };

    std::shared_ptr<QList<Delay*>> m_live = std::make_shared<QList<Delay*>>();
};
