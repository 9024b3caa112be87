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
// or changes them. The session reads only the two sounds; the cycle's lengths
// and round count are its own fixed ones, which equal these.
class PomodoroSettings {
public:
    PomodoroSettings() = default;

    double workDuration() const { return 1500; }
    double breakDuration() const { return 300; }
    double longBreakDuration() const { return 900; }
    int roundCount() const { return 4; }
    bool autoAdvance() const { return true; }
    CompletionSound phaseCompletionSound() const { return CompletionSound::Ping; }
    CompletionSound cycleCompletionSound() const { return CompletionSound::Hero; }
    PomodoroIndicator indicator() const { return PomodoroIndicator::Strip; }
};
