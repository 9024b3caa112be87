// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/options/CompletionOptions.h"

#include "PlatformKit/core/RawValueEnum.h"

// How the app shows the running Pomodoro phase: a row of phase dots, the
// display tinted in the phase colour, or both.
enum class PomodoroIndicator { Strip, Tint, Both };

template <>
struct platform::RawValues<PomodoroIndicator> {
    static constexpr std::array cases{
        std::pair{PomodoroIndicator::Strip, std::string_view{"strip"}},
        std::pair{PomodoroIndicator::Tint, std::string_view{"tint"}},
        std::pair{PomodoroIndicator::Both, std::string_view{"both"}},
    };
};

// The Pomodoro values the app hands in. Fixed for now: nothing loads, stores
// or changes them. The cycle's lengths and round count are the session's own
// (see PomodoroPhase), and it always advances.
class PomodoroSettings {
public:
    PomodoroSettings() = default;

    CompletionSound phaseCompletionSound() const { return CompletionSound::Ping; }
    CompletionSound cycleCompletionSound() const { return CompletionSound::Hero; }
    PomodoroIndicator indicator() const { return PomodoroIndicator::Strip; }
};
