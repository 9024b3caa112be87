// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace platform {

// One pending call after a delay. Starting again replaces the pending call;
// destroying the timer cancels it.
class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    virtual void start(double seconds, std::function<void()> action) = 0;
    virtual void cancel() = 0;
    virtual bool isPending() const = 0;
};

// On the event loop of the creating thread.
class QtOneShotTimer final : public OneShotTimer {
public:
    QtOneShotTimer();
    ~QtOneShotTimer() override;
    void start(double seconds, std::function<void()> action) override;
    void cancel() override;
    bool isPending() const override;

private:
    std::unique_ptr<QTimer> m_timer;
    std::function<void()> m_action;
};

} // namespace platform
