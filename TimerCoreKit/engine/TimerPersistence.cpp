// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerPersistence.h"

#include "TimerCoreKit/engine/TimerPreset.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <algorithm>
#include <cmath>

TimerPersistence::TimerPersistence(platform::UserDefaults& defaults)
    : m_defaults(&defaults)
{
}

bool TimerPersistence::save(const TimerStateSnapshot& state) const
{
    const auto json = state.toJson();
    if (!json)
        return false;
    m_defaults->setData(SharedDefaultsKeys::timerState, *json);
    return true;
}

std::optional<TimerStateSnapshot> TimerPersistence::restore() const
{
    const auto data = m_defaults->data(SharedDefaultsKeys::timerState);
    if (!data)
        return std::nullopt;
    return TimerStateSnapshot::fromJson(*data);
}

void TimerPersistence::clearState() const
{
    m_defaults->remove(SharedDefaultsKeys::timerState);
}

std::optional<double> TimerPersistence::boundedCustomDuration(double seconds)
{
    if (!std::isfinite(seconds))
        return std::nullopt;
    return std::clamp(seconds, minimumCustomDuration, maximumCustomDuration);
}

double TimerPersistence::loadCustomDuration() const
{
    const double stored = m_defaults->doubleValue(SharedDefaultsKeys::customDuration);
    if (!(stored > 0))
        return TimerPresetConstants::defaultCustomDuration;
    return boundedCustomDuration(stored).value_or(TimerPresetConstants::defaultCustomDuration);
}

void TimerPersistence::saveCustomDuration(double seconds) const
{
    if (const auto bounded = boundedCustomDuration(seconds))
        m_defaults->setDouble(SharedDefaultsKeys::customDuration, *bounded);
}
