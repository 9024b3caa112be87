// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct DeepLinkAction;
class TimerCommand;

// One thing asked of the timer, whichever road it came by: a kelvane:// link,
// a command the widget queued, a click, a shortcut.
struct TimerAction {
    enum class Kind {
        Nothing,
        Toggle,
        Start, // from idle or paused only
        Pause, // while running only
        Reset,
        OpenSettings,
        AskCustomDuration,
        SelectPreset,
        EnterTimerMode,
        StartCustomDuration,
        SkipPhase,
        StartPomodoro, // only while the timer is idle or completed
    };

    Kind kind = Kind::Nothing;
    QString presetID; // SelectPreset, EnterTimerMode
    bool autoStart = false; // EnterTimerMode
    double seconds = 0; // StartCustomDuration

    // A link's preset that is not in the catalogue asks for nothing.
    static TimerAction of(const DeepLinkAction& link);
    // A command selecting the custom preset asks for its length first.
    static TimerAction of(const TimerCommand& command);

    friend bool operator==(const TimerAction&, const TimerAction&) = default;
};
