#pragma once

class AppSettings;
class CustomTimerSession;
class CustomTimerStore;
class PomodoroSession;
class TimerEngine;

// The objects the popover shows and sends its actions to; all outlive it.
struct PopoverModel {
    TimerEngine& engine;
    AppSettings& settings;
    PomodoroSession& pomodoro;
    CustomTimerStore& customTimers;
    CustomTimerSession& customSession;
};
