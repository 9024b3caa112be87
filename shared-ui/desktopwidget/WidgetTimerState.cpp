// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetTimerState.h"

#include "TimerCoreKit/engine/TimerPreset.h"
#include "TimerCoreKit/engine/TimerStateSnapshot.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <algorithm>

namespace {

// The app does not share its Pomodoro round count; the widget assumes the
// standard cycle.
constexpr qint64 loadedRoundCount = 4;

} // namespace

WidgetTimerState WidgetTimerState::idle()
{
    const TimerPreset first = TimerPresetLibrary::presets(TimerPresetLibrary::Constants::defaultCustomDuration).first();
    return {
        .mode = TimerMode::Idle,
        .remaining = first.duration,
        .duration = first.duration,
        .selectedPresetID = first.id,
        .direction = TimerDirection::Countdown,
        .elapsed = 0,
        .pomodoroActive = false,
        .pomodoroPhaseIndex = 0,
        .pomodoroRoundCount = loadedRoundCount,
    };
}

WidgetLoadResult WidgetTimerState::load(const platform::UserDefaults& defaults, platform::Date now)
{
    const auto data = defaults.data(SharedDefaultsKeys::timerState);
    if (!data)
        return {idle(), std::nullopt};
    const auto snapshot = TimerStateSnapshot::fromJson(*data);
    if (!snapshot)
        return {idle(), WidgetLoadError::TimerStateCorrupted};

    const bool running = snapshot->mode == TimerMode::Running;
    WidgetTimerState state{
        .mode = snapshot->mode,
        .remaining = snapshot->remaining,
        .duration = snapshot->duration,
        .selectedPresetID = snapshot->selectedPresetID,
        .direction = snapshot->direction,
        .elapsed = snapshot->elapsed,
        .pomodoroActive = defaults.boolValue(SharedDefaultsKeys::pomodoroActive),
        .pomodoroPhaseIndex = defaults.integer(SharedDefaultsKeys::pomodoroPhaseIndex),
        .pomodoroRoundCount = loadedRoundCount,
    };
    if (running && snapshot->endDate)
        state.remaining = std::max(snapshot->endDate->secondsSince(now), 0.0);
    // The engine keeps the running total in `elapsed` and moves the start
    // date up on every tick.
    if (running && snapshot->direction == TimerDirection::CountUp && snapshot->startDate)
        state.elapsed = snapshot->elapsed + now.secondsSince(*snapshot->startDate);
    return {state, std::nullopt};
}

WidgetTimerState WidgetTimerState::current(const platform::UserDefaults& defaults, platform::Date now)
{
    return load(defaults, now).state;
}

bool WidgetTimerState::isRunning() const
{
    return mode == TimerMode::Running && (direction == TimerDirection::CountUp || remaining > 0);
}

bool WidgetTimerState::isCompleted() const
{
    if (mode == TimerMode::Completed)
        return true;
    return direction == TimerDirection::Countdown && mode == TimerMode::Running && remaining <= 0;
}

QList<WidgetPomodoroPhase> WidgetTimerState::pomodoroPhaseSequence() const
{
    QList<WidgetPomodoroPhase> phases;
    if (!pomodoroActive)
        return phases;
    for (qint64 round = 1; round <= pomodoroRoundCount; ++round) {
        phases.append(WidgetPomodoroPhase::Work);
        phases.append(round < pomodoroRoundCount ? WidgetPomodoroPhase::ShortBreak : WidgetPomodoroPhase::LongBreak);
    }
    return phases;
}
