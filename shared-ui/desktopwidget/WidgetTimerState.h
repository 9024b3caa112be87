// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerMode.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QList>
#include <QString>

#include <optional>

// The widget's own copy of the Pomodoro phase kinds.
enum class WidgetPomodoroPhase { Work, ShortBreak, LongBreak };

template <>
struct platform::RawValues<WidgetPomodoroPhase> {
    static constexpr std::array cases{
        std::pair{WidgetPomodoroPhase::Work, std::string_view{"work"}},
        std::pair{WidgetPomodoroPhase::ShortBreak, std::string_view{"shortBreak"}},
        std::pair{WidgetPomodoroPhase::LongBreak, std::string_view{"longBreak"}},
    };
};

enum class WidgetLoadError { TimerStateCorrupted };

struct WidgetLoadResult;

// The timer as the widget sees it: a still picture of the app's saved
// snapshot, with running times brought up to the moment of loading. Reading
// never writes to or repairs the store; any thread may load.
struct WidgetTimerState {
    TimerMode mode = TimerMode::Idle;
    double remaining = 0;
    double duration = 0;
    std::optional<QString> selectedPresetID;
    TimerDirection direction = TimerDirection::Countdown;
    double elapsed = 0;
    bool pomodoroActive = false;
    qint64 pomodoroPhaseIndex = 0;
    qint64 pomodoroRoundCount = 4; // at least 1

    friend bool operator==(const WidgetTimerState&, const WidgetTimerState&) = default;

    // What a fresh install shows: the first preset, idle.
    static WidgetTimerState idle();

    // The state saved in `defaults` as of `now`; the idle state when nothing
    // is saved, and also when what is saved does not decode (with the error).
    static WidgetLoadResult load(const platform::UserDefaults& defaults, platform::Date now);
    static WidgetTimerState current(const platform::UserDefaults& defaults, platform::Date now);

    bool isRunning() const;
    // Also a running countdown whose end has passed before the app marked it.
    bool isCompleted() const;
    // The phases of the Pomodoro cycle in order, which `pomodoroPhaseIndex`
    // points into; empty without an active session.
    QList<WidgetPomodoroPhase> pomodoroPhaseSequence() const;
};

struct WidgetLoadResult {
    WidgetTimerState state;
    std::optional<WidgetLoadError> error;
};
