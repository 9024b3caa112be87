// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

#include <QColor>
#include <QList>
#include <QString>

// The three kinds of Pomodoro phase. The raw strings are what JSON holds.
enum class PomodoroPhase { Work, ShortBreak, LongBreak };

template <>
struct platform::RawValues<PomodoroPhase> {
    static constexpr std::array cases{
        std::pair{PomodoroPhase::Work, std::string_view{"work"}},
        std::pair{PomodoroPhase::ShortBreak, std::string_view{"shortBreak"}},
        std::pair{PomodoroPhase::LongBreak, std::string_view{"longBreak"}},
    };
};

// "Work", "Break" or "Long Break".
QString displayName(PomodoroPhase phase);
QColor color(PomodoroPhase phase);
// The fixed length of a phase of this kind, in seconds.
double duration(PomodoroPhase phase);
constexpr bool isBreak(PomodoroPhase phase)
{
    return phase != PomodoroPhase::Work;
}

// A work phase per round, each followed by a short break, the last by the one
// long break: 2 × rounds entries (rounds below 1 count as 1). The widget
// rebuilds the cycle the same way, so an index means the same phase on both
// sides.
QList<PomodoroPhase> pomodoroSequence(int rounds);
