// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/core/OneShotTimer.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace platform {

QtOneShotTimer::QtOneShotTimer()
    : m_timer(std::make_unique<QTimer>())
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] {
        // The action may start this timer again, so take it out first.
        auto action = std::move(m_action);
        m_action = nullptr;
        if (action)
            action();
    });
}

QtOneShotTimer::~QtOneShotTimer() = default;

void QtOneShotTimer::start(double seconds, std::function<void()> action)
{
    const double milliseconds = std::isfinite(seconds) ? std::max(seconds, 0.0) * 1000.0 : 0.0;
    m_action = std::move(action);
    m_timer->start(saturatingCast<int>(std::round(milliseconds)));
}

void QtOneShotTimer::cancel()
{
    m_timer->stop();
    m_action = nullptr;
}

bool QtOneShotTimer::isPending() const
{
    return m_timer->isActive();
}

} // namespace platform
