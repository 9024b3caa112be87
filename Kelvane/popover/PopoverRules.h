// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerMode.h"
#include "TimerCoreKit/sessions/CustomTimer.h"
#include "TimerCoreKit/sessions/PomodoroPhase.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

// What the popover shows, decided from the timer and the sessions alone, so
// the view only lays the answers out.
namespace PopoverRules {

inline constexpr int customMinutesMin = 1;
inline constexpr int customMinutesMax = 180;

// The whole minutes of the custom length, at least 1.
int customMinutes(double customDuration);
// A typed or stepped value brought into 1...180.
int clampCustomMinutes(qint64 minutes);

// The header's status line.
struct StatusLine {
    enum class Dot { Phase, TimerRunning, Muted }; // Muted: the primary colour at 0.4
    Dot dot = Dot::Muted;
    QColor phaseColor; // for Dot::Phase
    QString text; // phase name or state word
    QString roundText; // empty when there is none
    friend bool operator==(const StatusLine&, const StatusLine&) = default;
};

struct SessionView {
    bool active = false;
    int currentRound = 1;
    int totalRounds = 0;
};

struct PomodoroView : SessionView {
    PomodoroPhase phase = PomodoroPhase::Work;
};

struct CustomView : SessionView {
    std::optional<QString> phaseName;
    QColor phaseColor;
};

// A Pomodoro wins over a custom timer, which wins over the plain timer.
StatusLine statusLine(TimerMode mode, const PomodoroView& pomodoro, const CustomView& custom);
// "Ready", "Running", "Paused" or "Completed".
QString stateWord(TimerMode mode);
// "Work", "Short Break" or "Long Break".
QString pomodoroPhaseName(PomodoroPhase phase);
// The Pomodoro phase colours: green for work, yellow for both breaks; the
// button text is white on green and black on yellow.
QColor pomodoroPhaseColor(PomodoroPhase phase);
QColor pomodoroButtonTextColor(PomodoroPhase phase);

// Which sections show, top to bottom.
struct Sections {
    bool pomodoroStrip = false;
    bool customStrip = false;
    bool presets = false; // also the custom-duration row and the custom timers
    bool pomodoroControls = false; // in place of the primary controls
    bool stopPomodoro = false;
    bool stopCustomTimer = false;
    bool pomodoroFooterRow = false;
    friend bool operator==(const Sections&, const Sections&) = default;
};
Sections sections(TimerDirection direction, bool pomodoroActive, bool customActive);

// The mode picker takes a choice only outside a run.
bool modePickerEnabled(TimerMode mode);

// The plain timer's primary button.
struct PrimaryButton {
    enum class Action { Start, Pause, Resume, StartAgain };
    QString symbol;
    QString text;
    Action action = Action::Start;
    friend bool operator==(const PrimaryButton&, const PrimaryButton&) = default;
};
PrimaryButton primaryButton(TimerMode mode);
// What assistive technologies are told of the primary button in `mode`: its
// identifier, spoken label and hint. "Start Again" starts, so it is told as Start.
struct SpokenButton {
    QString identifier;
    QString label;
    QString hint;
    friend bool operator==(const SpokenButton&, const SpokenButton&) = default;
};
SpokenButton spokenPrimaryButton(TimerMode mode);
bool showsResetButton(TimerMode mode);

// The Pomodoro panel's primary button.
struct PomodoroButton {
    enum class Action { Resume, Pause, None };
    QString text;
    QString hint;
    Action action = Action::Resume;
    bool enabled = true;
    friend bool operator==(const PomodoroButton&, const PomodoroButton&) = default;
};
PomodoroButton pomodoroButton(TimerMode mode);

// "Custom..." or "<minutes> minutes".
QString presetDisplayName(bool isCustom, double duration);
int wholeMinutes(double seconds);

// "30m per round · 4 rounds".
QString customTimerSummary(const CustomTimer& timer);

// "Phase 2 of 8, Short Break"; a missing phase name reads "–".
QString stripLabel(int currentIndex, int count, const std::optional<QString>& phaseName);

// What a change of the selected preset does to the custom-duration row.
struct CustomRowChange {
    bool show = false;
    std::optional<int> minutes; // set: the minutes shown become this
    friend bool operator==(const CustomRowChange&, const CustomRowChange&) = default;
};
CustomRowChange selectedPresetChanged(const std::optional<QString>& newID, double customDuration);

// The timer the add button hands to the editor: "Work" 25 min then "Break"
// 5 min, four rounds, nothing stored yet.
CustomTimer newCustomTimer(platform::Date now);

} // namespace PopoverRules
