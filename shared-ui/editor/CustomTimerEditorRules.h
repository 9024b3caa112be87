// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules of the custom-timer editor, as plain functions of values so that
// they can be checked case by case: when a timer may be saved, how names are
// capped and counted, how rounds and phase minutes step, and when the name
// counter and the phase badge show and warn.

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QString>

#include <algorithm>
#include <optional>

namespace CustomTimerEditorRules {

// The editor's limits; the same values as the model's own bounds.
inline constexpr int timerNameMaxLength = CustomTimer::nameMaxLength;
inline constexpr int phaseNameMaxLength = CustomTimerPhase::nameMaxLength;
inline constexpr int maxPhases = CustomTimer::phaseCountRange.upper;
inline constexpr int minPhaseMinutes = 1;
inline constexpr int maxPhaseMinutes = 180;
inline constexpr double newPhaseDuration = 300;

// Characters as a person sees them (grapheme clusters).
qsizetype characterCount(const QString& text);

// `name` cut to its first `maxLength` characters when longer, as is otherwise.
QString cappedName(const QString& name, int maxLength);

// A name of only spaces and tabs is blank; line breaks are not trimmed.
bool isBlankName(const QString& name);

// Savable: a name that is not blank, at least one phase, and every phase at
// least one second long. The name is saved as typed, untrimmed.
bool isSavable(const CustomTimer& timer);

// The counter beside the timer name, "24/30"; shown from 20 characters on.
std::optional<QString> nameCounterText(const QString& name);
bool nameCounterWarns(const QString& name);

// The phase-count badge, "3/12"; it warns from 11 phases on.
QString phaseBadgeText(qsizetype phaseCount);
bool phaseBadgeWarns(qsizetype phaseCount);
bool canAddPhase(qsizetype phaseCount);

// The phase appended to a list of `phaseCount` phases: "Phase <n+1>", five
// minutes, and the next palette colour, cycling.
CustomTimerPhase newPhase(qsizetype phaseCount);

// A whole number the user types or steps within `lower`...`upper`: typed
// values are pinned to the range; the steppers stop at its ends. A stored
// value outside the range is shown and kept as it is until edited; a step
// moves it by one towards the range, except that one below the range steps
// straight to `lower`.
struct WholeStepRange {
    qint64 lower;
    qint64 upper;

    constexpr qint64 typed(qint64 value) const { return std::clamp(value, lower, upper); }
    constexpr bool canDecrement(qint64 value) const { return value > lower; }
    constexpr bool canIncrement(qint64 value) const { return value < upper; }
    // Compared before the step, so neither overflows at the extremes.
    constexpr qint64 decremented(qint64 value) const { return value <= lower ? lower : value - 1; }
    constexpr qint64 incremented(qint64 value) const
    {
        return value < lower ? lower : value >= upper ? upper : value + 1;
    }
};

inline constexpr WholeStepRange rounds{CustomTimer::roundsRange.lower, CustomTimer::roundsRange.upper};
inline constexpr WholeStepRange phaseMinutes{minPhaseMinutes, maxPhaseMinutes};

// A phase's whole minutes, truncated towards zero. Stored seconds that are
// not finite or too large for a minute count give the nearest limit (NaN
// gives 0), never an out-of-range conversion.
qint64 wholeMinutes(double seconds);
double secondsOf(qint64 minutes);

} // namespace CustomTimerEditorRules
