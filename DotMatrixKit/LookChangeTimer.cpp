// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/LookChangeTimer.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Waking a little after the change keeps rounding from sampling just before it.
constexpr int wakeSlackMs = 5;

} // namespace

LookChangeTimer::LookChangeTimer(platform::Clock clock, IsShown isShown, NextLookChange nextLookChange, Repaint repaint,
                                 QObject* parent)
    : QObject(parent)
    , m_clock(clock ? std::move(clock) : &platform::Date::now)
    , m_isShown(std::move(isShown))
    , m_nextLookChange(std::move(nextLookChange))
    , m_repaint(std::move(repaint))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_repaint();
        reschedule();
    });
}

void LookChangeTimer::reschedule()
{
    m_timer.stop();
    if (!m_isShown())
        return;
    const platform::Date now = m_clock();
    const auto next = m_nextLookChange(now);
    if (!next)
        return;
    const double delayMs = std::ceil(next->secondsSince(now) * 1000.0);
    const int delay = std::max(0, platform::saturatingCast<int>(delayMs));
    m_timer.start(delay > INT_MAX - wakeSlackMs ? INT_MAX : delay + wakeSlackMs);
}

void LookChangeTimer::stop()
{
    m_timer.stop();
}
