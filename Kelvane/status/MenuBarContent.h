// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settings/MenuBarDisplayMode.h"

#include "shared-ui/looks/DisplayFrame.h"
#include "shared-ui/looks/DisplayLookSettings.h"

#include "DotMatrixKit/PhaseIndicator.h"
#include "TimerCoreKit/engine/TimerMode.h"
#include "TimerCoreKit/options/CompletionOptions.h"
#include "TimerCoreKit/options/DisplayOptions.h"
#include "TimerCoreKit/sessions/PomodoroPhase.h"
#include "TimerCoreKit/sessions/PomodoroSettings.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

class AnimationPlayer;
class AppSettings;
class CustomTimerSession;
class PomodoroSession;
class TimerEngine;
struct Phase;

// Everything the tray item shows, read from the model at one moment: the
// values its drawing and its accessible name are pure functions of.
struct MenuBarContent {
    MenuBarDisplayMode displayMode = MenuBarDisplayMode::Full;
    TimerMode mode = TimerMode::Idle;
    TimerDirection direction = TimerDirection::Countdown;
    double duration = 300;
    double remaining = 300;
    double elapsed = 0;

    DisplayType displayType = DisplayType::DotMatrix;
    DisplayScale scale = DisplayScale::Regular;
    DisplayStyleConfig style;
    TimeFormat timeFormat = TimeFormat::Standard;
    bool showLeadingZero = false;
    DisplayColor color = DisplayColor::classicWhite();
    std::optional<MulticolorPalette> palette;

    CompletionBehavior completionBehavior = CompletionBehavior::ShowCheckmark;
    QImage animationFrame; // null when none is loaded
    bool animationCompleted = false;

    // None: no bar row at all; an empty list still makes one.
    std::optional<std::vector<PhaseIndicator>> phaseIndicators;
    std::optional<QColor> phaseTint;
    bool updateAvailable = false;
    // The colour of the update dot and of the icon form without a tint.
    QColor primaryColor = Qt::white;

    static MenuBarContent of(const TimerEngine& engine, AppSettings& settings, const AnimationPlayer& player,
                             const PomodoroSession& pomodoro, const CustomTimerSession& customTimer,
                             bool updateAvailable);

    // Count-up: the elapsed time, 0 while idle. Countdown: the length while
    // idle, the time left while running or paused, 0 once completed.
    double displayTime() const;
    // The timer's own length, for the width of the text: at least a minute
    // when counting up.
    double referenceTime() const;
    // A finished count-up shows nothing special.
    bool finishedCountdown() const;
    bool blinkDisplay() const;
    bool showsAnimation() const;
    bool showsCheckmark() const;
    // Text drawn in place of the time by the full display.
    std::optional<QString> rendererOverride() const;
    // Text drawn in place of the time by the icon forms.
    std::optional<QString> iconOverride() const;
    // The text the full display shows.
    QString displayText() const;
    DisplayFrame frame() const;
    DisplayLookSettings lookSettings() const;

    // "<subject> running: 2 minutes 5 seconds remaining" and the like.
    QString accessibilityLabel(const QString& subject = QStringLiteral("Timer")) const;
    // "75 seconds" style: "1 minutes 15 seconds", no singular forms.
    static QString spokenTime(double seconds);

    static QColor workColor();
    static QColor breakColor();
    static QColor pomodoroColor(PomodoroPhase phase);
    // One indicator per colour: completed before `current`, active at it,
    // future after it.
    static std::vector<PhaseIndicator> indicators(const QList<QColor>& colors, int current);

    friend bool operator==(const MenuBarContent&, const MenuBarContent&) = default;
};
