// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/provider/TimerWidgetProvider.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double minute = 60;

struct EntryMaker {
    const TimerWidgetConfigurationIntent& configuration;
    const WidgetAppearanceSettings& appearance;
    std::optional<WidgetLoadError> loadError;

    TimerWidgetEntry operator()(platform::Date date, const WidgetTimerState& state) const
    {
        return {date, state, configuration, appearance, loadError};
    }
};

// The loaded state moved on to a later point of the same run.
WidgetTimerState later(const WidgetTimerState& loaded, TimerMode mode, double remaining, double elapsed)
{
    WidgetTimerState state = loaded;
    state.mode = mode;
    state.remaining = remaining;
    state.elapsed = elapsed;
    return state;
}

std::vector<TimerWidgetEntry> buildCountUpEntries(platform::Date now, const WidgetTimerState& loaded,
                                                  const EntryMaker& entry)
{
    std::vector<TimerWidgetEntry> entries{entry(now, loaded)};
    for (int k = 1; k <= TimerWidgetProvider::minutesAhead; ++k) {
        WidgetTimerState state = later(loaded, TimerMode::Running, 0, loaded.elapsed + minute * k);
        state.duration = 0;
        state.direction = TimerDirection::CountUp;
        entries.push_back(entry(now + minute * k, state));
    }
    return entries;
}

std::vector<TimerWidgetEntry> buildCountdownEntries(platform::Date now, const WidgetTimerState& loaded,
                                                    const EntryMaker& entry)
{
    const double left = loaded.remaining;
    const auto wholeMinutes = platform::saturatingCast<qint64>(left / minute);
    const qint64 shown = std::min<qint64>(wholeMinutes, TimerWidgetProvider::minutesAhead);

    std::vector<TimerWidgetEntry> entries{entry(now, loaded)};
    for (qint64 k = 1; k <= shown; ++k) {
        const double r = std::max(left - minute * static_cast<double>(k), 0.0);
        WidgetTimerState state = later(loaded, r > 0 ? TimerMode::Running : TimerMode::Completed, r, 0);
        state.direction = TimerDirection::Countdown;
        entries.push_back(entry(now + minute * static_cast<double>(k), state));
    }
    if (entries.back().timerState.mode == TimerMode::Completed)
        return entries;
    // An end that no date can hold (a length that is not finite) gets no entry.
    if (!std::isfinite(left))
        return entries;
    WidgetTimerState done = later(loaded, TimerMode::Completed, 0, 0);
    done.direction = TimerDirection::Countdown;
    entries.push_back(entry(now + std::trunc(left), done));
    return entries;
}

} // namespace

TimerWidgetProvider::TimerWidgetProvider(const platform::UserDefaults& defaults, platform::Clock clock)
    : m_defaults(defaults)
    , m_clock(std::move(clock))
{
}

WidgetTimerState TimerWidgetProvider::previewTimerState(const TimerWidgetConfigurationIntent& configuration)
{
    const TimerPresetEntity& preset = configuration.selectedPreset;
    return {
        .mode = TimerMode::Idle,
        .remaining = preset.durationMinutes * minute,
        .duration = preset.durationMinutes * minute,
        .selectedPresetID = preset.id,
        .direction = TimerDirection::Countdown,
        .elapsed = 0,
        .pomodoroActive = false,
        .pomodoroPhaseIndex = 0,
        .pomodoroRoundCount = 4,
    };
}

TimerWidgetEntry TimerWidgetProvider::placeholder() const
{
    const TimerWidgetConfigurationIntent configuration;
    return {m_clock(), previewTimerState(configuration), configuration, WidgetAppearanceSettings::current(m_defaults),
            std::nullopt};
}

TimerWidgetEntry TimerWidgetProvider::snapshot(const TimerWidgetConfigurationIntent& configuration,
                                               bool isPreview) const
{
    const platform::Date now = m_clock();
    const auto appearance = WidgetAppearanceSettings::current(m_defaults);
    if (isPreview)
        return {now, previewTimerState(configuration), configuration, appearance, std::nullopt};
    const WidgetLoadResult loaded = WidgetTimerState::load(m_defaults, now);
    return {now, loaded.state, configuration, appearance, loaded.error};
}

WidgetTimeline TimerWidgetProvider::timeline(const TimerWidgetConfigurationIntent& configuration) const
{
    const platform::Date now = m_clock();
    return makeTimeline(now, WidgetTimerState::load(m_defaults, now), configuration,
                        WidgetAppearanceSettings::current(m_defaults));
}

WidgetTimeline TimerWidgetProvider::makeTimeline(platform::Date now, const WidgetLoadResult& loaded,
                                                 const TimerWidgetConfigurationIntent& configuration,
                                                 const WidgetAppearanceSettings& appearance)
{
    const EntryMaker entry{configuration, appearance, loaded.error};
    const WidgetTimerState& state = loaded.state;
    if (state.isRunning() && state.direction == TimerDirection::CountUp)
        return {buildCountUpEntries(now, state, entry), TimelineReloadPolicy::atEnd()};
    if (state.isRunning())
        return {buildCountdownEntries(now, state, entry), TimelineReloadPolicy::atEnd()};
    return {{entry(now, state)}, TimelineReloadPolicy::after(now + idleReloadSeconds)};
}
