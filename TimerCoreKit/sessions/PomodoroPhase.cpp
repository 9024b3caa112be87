// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/PomodoroPhase.h"

#include "PlatformKit/core/OptionTable.h"
#include "TimerCoreKit/color/CustomTimerPalette.h"

#include <algorithm>

namespace {

struct PomodoroPhaseRow {
    PomodoroPhase option;
    std::string_view displayName;
    int paletteIndex;
    double duration;
};

constexpr std::array pomodoroPhases{
    PomodoroPhaseRow{PomodoroPhase::Work, "Work", 0, 1500},
    PomodoroPhaseRow{PomodoroPhase::ShortBreak, "Break", 1, 300},
    PomodoroPhaseRow{PomodoroPhase::LongBreak, "Long Break", 2, 900},
};

const PomodoroPhaseRow& rowFor(PomodoroPhase phase)
{
    return optiontable::rowFor(pomodoroPhases, phase);
}

} // namespace

QString displayName(PomodoroPhase phase)
{
    return optiontable::text(rowFor(phase).displayName);
}

QColor color(PomodoroPhase phase)
{
    return CustomTimerPalette::color(rowFor(phase).paletteIndex);
}

double duration(PomodoroPhase phase)
{
    return rowFor(phase).duration;
}

QList<PomodoroPhase> pomodoroSequence(int rounds)
{
    rounds = std::max(rounds, 1);
    QList<PomodoroPhase> sequence;
    sequence.reserve(2 * rounds);
    for (int round = 1; round <= rounds; ++round) {
        sequence.append(PomodoroPhase::Work);
        sequence.append(round < rounds ? PomodoroPhase::ShortBreak : PomodoroPhase::LongBreak);
    }
    return sequence;
}
