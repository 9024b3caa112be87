// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/MenuBarContent.h"

#include "shared-ui/looks/PomodoroPhaseColors.h"

#include "Kelvane/animation/AnimationPlayer.h"
#include "Kelvane/settings/AppSettings.h"

#include "DotMatrixKit/TimeFormatter.h"
#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/PomodoroSession.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <algorithm>
#include <cmath>

namespace {

bool showsStrip(PomodoroIndicator indicator)
{
    return indicator == PomodoroIndicator::Strip || indicator == PomodoroIndicator::Both;
}

bool showsTint(PomodoroIndicator indicator)
{
    return indicator == PomodoroIndicator::Tint || indicator == PomodoroIndicator::Both;
}

} // namespace

MenuBarContent MenuBarContent::of(const TimerEngine& engine, AppSettings& settings, const AnimationPlayer& player,
                                  const PomodoroSession& pomodoro, const CustomTimerSession& customTimer,
                                  bool updateAvailable)
{
    const TimerState& state = engine.state();
    MenuBarContent content;
    content.displayMode = settings.menuBarDisplayMode();
    content.mode = state.mode();
    content.direction = state.direction();
    content.duration = state.duration();
    content.remaining = state.remaining();
    content.elapsed = state.elapsed();
    content.displayType = settings.displayType();
    content.scale = settings.displayScale();
    content.style = settings.styleConfig();
    content.timeFormat = settings.timeFormat();
    content.showLeadingZero = settings.showLeadingZero();
    content.color = settings.colorManager().resolvedDisplayColor();
    content.palette = settings.colorManager().activePalette();
    content.completionBehavior = settings.completionSettings().displayBehavior();
    content.animationFrame = player.currentFrame();
    content.animationCompleted = player.hasCompleted();
    content.updateAvailable = updateAvailable;

    const PomodoroIndicator indicator = settings.pomodoroSettings().indicator();
    if (customTimer.isActive()) {
        QList<QColor> colors;
        for (const Phase& phase : customTimer.phaseSequence())
            colors.append(phase.color);
        content.phaseIndicators = indicators(colors, customTimer.currentPhaseIndex());
    } else if (pomodoro.isActive() && showsStrip(indicator)) {
        QList<QColor> colors;
        for (const PomodoroPhase phase : pomodoro.phaseSequence())
            colors.append(pomodoroColor(phase));
        content.phaseIndicators = indicators(colors, pomodoro.currentPhaseIndex());
    }
    if (customTimer.isActive() && customTimer.currentPhase())
        content.phaseTint = customTimer.currentPhase()->color;
    else if (pomodoro.isActive() && showsTint(indicator))
        content.phaseTint = pomodoroColor(pomodoro.currentPhase());
    return content;
}

double MenuBarContent::displayTime() const
{
    if (direction == TimerDirection::CountUp)
        return mode == TimerMode::Idle ? 0 : elapsed;
    switch (mode) {
    case TimerMode::Idle:
        return duration;
    case TimerMode::Running:
    case TimerMode::Paused:
        return remaining;
    case TimerMode::Completed:
        return 0;
    }
    return duration;
}

double MenuBarContent::referenceTime() const
{
    return direction == TimerDirection::CountUp ? std::max(elapsed, 60.0) : duration;
}

bool MenuBarContent::finishedCountdown() const
{
    return mode == TimerMode::Completed && direction == TimerDirection::Countdown;
}

bool MenuBarContent::blinkDisplay() const
{
    return finishedCountdown() && completionBehavior == CompletionBehavior::BlinkDots;
}

bool MenuBarContent::showsAnimation() const
{
    return finishedCountdown() && completionBehavior == CompletionBehavior::PlayAnimation && !animationFrame.isNull();
}

bool MenuBarContent::showsCheckmark() const
{
    return !showsAnimation() && finishedCountdown() && completionBehavior == CompletionBehavior::ShowCheckmark;
}

std::optional<QString> MenuBarContent::rendererOverride() const
{
    if (!finishedCountdown())
        return std::nullopt;
    const QString zero = TimeFormatter::format(0, timeFormat, showLeadingZero, duration);
    switch (completionBehavior) {
    case CompletionBehavior::FreezeAtZero:
    case CompletionBehavior::BlinkDots:
        return zero;
    case CompletionBehavior::ShowCheckmark:
        return std::nullopt;
    case CompletionBehavior::PlayAnimation:
        return animationCompleted ? std::optional(zero) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> MenuBarContent::iconOverride() const
{
    if (!finishedCountdown())
        return std::nullopt;
    switch (completionBehavior) {
    case CompletionBehavior::FreezeAtZero:
    case CompletionBehavior::BlinkDots:
        return QStringLiteral("0m");
    case CompletionBehavior::ShowCheckmark:
        return std::nullopt;
    case CompletionBehavior::PlayAnimation:
        return animationCompleted ? std::optional(QStringLiteral("0m")) : std::nullopt;
    }
    return std::nullopt;
}

DisplayFrame MenuBarContent::frame() const
{
    DisplayFrame frame;
    frame.time = displayTime();
    frame.color = color;
    frame.style = style;
    frame.scale = scale;
    frame.isRunning = mode == TimerMode::Running;
    frame.blinkDisplay = blinkDisplay();
    frame.displayOverride = rendererOverride();
    frame.timeFormat = timeFormat;
    frame.showLeadingZero = showLeadingZero;
    frame.referenceTime = referenceTime();
    return frame;
}

QString MenuBarContent::displayText() const
{
    return frame().text();
}

DisplayLookSettings MenuBarContent::lookSettings() const
{
    DisplayLookSettings settings;
    settings.phaseTintColor = phaseTint;
    settings.palette = palette;
    return settings;
}

QString MenuBarContent::spokenTime(double seconds)
{
    const auto n = platform::saturatingCast<qint64>(std::trunc(seconds));
    if (n < 60)
        return QStringLiteral("%1 seconds").arg(n);
    return QStringLiteral("%1 minutes %2 seconds").arg(n / 60).arg(n % 60);
}

QString MenuBarContent::accessibilityLabel(const QString& subject) const
{
    const QString spoken = spokenTime(displayTime());
    const QString which
        = direction == TimerDirection::CountUp ? QStringLiteral("elapsed") : QStringLiteral("remaining");
    switch (mode) {
    case TimerMode::Idle:
        return QStringLiteral("%1 ready: %2").arg(subject, spoken);
    case TimerMode::Running:
        return QStringLiteral("%1 running: %2 %3").arg(subject, spoken, which);
    case TimerMode::Paused:
        return QStringLiteral("%1 paused: %2 %3").arg(subject, spoken, which);
    case TimerMode::Completed:
        return subject + QStringLiteral(" completed");
    }
    return {};
}

QColor MenuBarContent::workColor()
{
    return PomodoroPhaseColors::work();
}

QColor MenuBarContent::breakColor()
{
    return PomodoroPhaseColors::pause();
}

QColor MenuBarContent::pomodoroColor(PomodoroPhase phase)
{
    return isBreak(phase) ? breakColor() : workColor();
}

std::vector<PhaseIndicator> MenuBarContent::indicators(const QList<QColor>& colors, int current)
{
    std::vector<PhaseIndicator> result;
    result.reserve(static_cast<std::size_t>(colors.size()));
    for (qsizetype i = 0; i < colors.size(); ++i) {
        const auto state = i < current ? PhaseIndicator::State::Completed
            : i == current             ? PhaseIndicator::State::Active
                                       : PhaseIndicator::State::Future;
        result.push_back({colors[i], state});
    }
    return result;
}
