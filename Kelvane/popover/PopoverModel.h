// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class AppModel;
class AppSettings;
class CustomTimerSession;
class CustomTimerStore;
class PomodoroSession;
class TimerCommandPerformer;
class TimerEngine;

// The objects the popover shows and the performer its actions go through; all
// outlive it.
struct PopoverModel {
    TimerEngine& engine;
    AppSettings& settings;
    PomodoroSession& pomodoro;
    CustomTimerStore& customTimers;
    CustomTimerSession& customSession;
    TimerCommandPerformer& commands;

    static PopoverModel of(AppModel& model, TimerCommandPerformer& commands);
};
