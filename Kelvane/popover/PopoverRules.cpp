// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverRules.h"

#include "Kelvane/status/MenuBarContent.h"

#include "shared-ui/accessibility/AccessibilityHints.h"
#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/accessibility/AccessibilityLabels.h"

#include "TimerCoreKit/engine/TimerPreset.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PopoverRules {

namespace {

QString roundText(int round, int total)
{
    return QStringLiteral("Round %1 of %2").arg(round).arg(total);
}

const QString enDash = QStringLiteral("\u2013");

} // namespace

int wholeMinutes(double seconds)
{
    // Out-of-range or non-finite lengths must not reach the int conversion.
    if (!std::isfinite(seconds))
        return 0;
    const double minutes = std::trunc(seconds / 60);
    constexpr double limit = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(minutes, -limit, limit));
}

int customMinutes(double customDuration)
{
    return std::max(customMinutesMin, wholeMinutes(customDuration));
}

int clampCustomMinutes(qint64 minutes)
{
    return static_cast<int>(std::clamp<qint64>(minutes, customMinutesMin, customMinutesMax));
}

QString stateWord(TimerMode mode)
{
    switch (mode) {
    case TimerMode::Idle:
        return QStringLiteral("Ready");
    case TimerMode::Running:
        return QStringLiteral("Running");
    case TimerMode::Paused:
        return QStringLiteral("Paused");
    case TimerMode::Completed:
        return QStringLiteral("Completed");
    }
    return {};
}

QString pomodoroPhaseName(PomodoroPhase phase)
{
    switch (phase) {
    case PomodoroPhase::Work:
        return QStringLiteral("Work");
    case PomodoroPhase::ShortBreak:
        return QStringLiteral("Short Break");
    case PomodoroPhase::LongBreak:
        return QStringLiteral("Long Break");
    }
    return {};
}

QColor pomodoroPhaseColor(PomodoroPhase phase)
{
    return MenuBarContent::pomodoroColor(phase);
}

QColor pomodoroButtonTextColor(PomodoroPhase phase)
{
    return isBreak(phase) ? QColor(Qt::black) : QColor(Qt::white);
}

StatusLine statusLine(TimerMode mode, const PomodoroView& pomodoro, const CustomView& custom)
{
    if (pomodoro.active) {
        return {StatusLine::Dot::Phase, pomodoroPhaseColor(pomodoro.phase), pomodoroPhaseName(pomodoro.phase),
                roundText(pomodoro.currentRound, pomodoro.totalRounds)};
    }
    if (custom.active) {
        const bool hasPhase = custom.phaseName.has_value();
        return {hasPhase ? StatusLine::Dot::Phase : StatusLine::Dot::Muted, hasPhase ? custom.phaseColor : QColor(),
                custom.phaseName.value_or(enDash), roundText(custom.currentRound, custom.totalRounds)};
    }
    return {mode == TimerMode::Running ? StatusLine::Dot::TimerRunning : StatusLine::Dot::Muted, QColor(),
            stateWord(mode), QString()};
}

Sections sections(TimerDirection direction, bool pomodoroActive, bool customActive)
{
    const bool countdown = direction == TimerDirection::Countdown;
    Sections shown;
    shown.pomodoroStrip = countdown && pomodoroActive;
    shown.customStrip = countdown && customActive;
    shown.presets = countdown;
    shown.pomodoroControls = countdown && pomodoroActive;
    shown.stopPomodoro = countdown && pomodoroActive;
    shown.stopCustomTimer = countdown && customActive;
    shown.pomodoroFooterRow = countdown && !pomodoroActive;
    return shown;
}

bool modePickerEnabled(TimerMode mode)
{
    return !isActive(mode);
}

PrimaryButton primaryButton(TimerMode mode)
{
    const QString play = QStringLiteral("play.fill");
    switch (mode) {
    case TimerMode::Idle:
        return {play, QStringLiteral("Start"), PrimaryButton::Action::Start};
    case TimerMode::Running:
        return {QStringLiteral("pause.fill"), QStringLiteral("Pause"), PrimaryButton::Action::Pause};
    case TimerMode::Paused:
        return {play, QStringLiteral("Resume"), PrimaryButton::Action::Resume};
    case TimerMode::Completed:
        return {play, QStringLiteral("Start Again"), PrimaryButton::Action::StartAgain};
    }
    return {};
}

SpokenButton spokenPrimaryButton(TimerMode mode)
{
    namespace Ids = AccessibilityIdentifiers::Popover;
    namespace Labels = AccessibilityLabels::Popover;
    namespace Hints = AccessibilityHints::Popover;
    switch (mode) {
    case TimerMode::Running:
        return {Ids::pauseButton, Labels::pauseButton, Hints::pauseButton};
    case TimerMode::Paused:
        return {Ids::resumeButton, Labels::resumeButton, Hints::resumeButton};
    case TimerMode::Idle:
    case TimerMode::Completed:
        break;
    }
    return {Ids::startButton, Labels::startButton, Hints::startButton};
}

bool showsResetButton(TimerMode mode)
{
    return isActive(mode);
}

PomodoroButton pomodoroButton(TimerMode mode)
{
    const bool running = mode == TimerMode::Running;
    const QString hint = QStringLiteral("Double-tap to %1 the Pomodoro timer")
                             .arg(running ? QStringLiteral("pause") : QStringLiteral("resume"));
    switch (mode) {
    case TimerMode::Idle:
        return {QStringLiteral("Start"), hint, PomodoroButton::Action::Resume, true};
    case TimerMode::Running:
        return {QStringLiteral("Pause"), hint, PomodoroButton::Action::Pause, true};
    case TimerMode::Paused:
        return {QStringLiteral("Resume"), hint, PomodoroButton::Action::Resume, true};
    case TimerMode::Completed:
        return {QStringLiteral("Start"), hint, PomodoroButton::Action::None, false};
    }
    return {};
}

QString presetDisplayName(bool isCustom, double duration)
{
    if (isCustom)
        return QStringLiteral("Custom...");
    return QStringLiteral("%1 minutes").arg(wholeMinutes(duration));
}

QString customTimerSummary(const CustomTimer& timer)
{
    double seconds = 0;
    for (const CustomTimerPhase& phase : timer.phases)
        seconds += phase.duration;
    return QStringLiteral("%1m per round \u00b7 %2 %3")
        .arg(wholeMinutes(seconds))
        .arg(timer.rounds)
        .arg(timer.rounds == 1 ? QStringLiteral("round") : QStringLiteral("rounds"));
}

QString stripLabel(int currentIndex, int count, const std::optional<QString>& phaseName)
{
    return QStringLiteral("Phase %1 of %2, %3").arg(currentIndex + 1).arg(count).arg(phaseName.value_or(enDash));
}

CustomRowChange selectedPresetChanged(const std::optional<QString>& newID, double customDuration)
{
    if (newID == QString(TimerPresetLibrary::Constants::customPresetID))
        return {true, customMinutes(customDuration)};
    return {false, std::nullopt};
}

CustomTimer newCustomTimer(platform::Date now)
{
    CustomTimer timer;
    timer.id = QUuid::createUuid();
    timer.phases = {
        {QUuid::createUuid(), QStringLiteral("Work"), 1500, 0},
        {QUuid::createUuid(), QStringLiteral("Break"), 300, 1},
    };
    timer.rounds = 4;
    timer.createdAt = now;
    return timer;
}

} // namespace PopoverRules
