#pragma once

#include <QString>

class CustomTimerSession;
class PomodoroSession;
class TimerEngine;
struct CustomTimer;

// The timer operations the tray item, shortcuts, deep links and widget
// commands share. Each does nothing in a mode where it does not apply.
namespace TimerActions {

// Idle starts, running pauses, paused resumes, completed resets.
void toggle(TimerEngine& engine);
// Starts from idle or continues from paused.
void startIfAllowed(TimerEngine& engine);
void pauseIfRunning(TimerEngine& engine);

// One session at a time: starting one ends the other first, so the ended
// one's next phase end cannot load a phase into the new run.
//
// Starts `timer`'s cycle from its first phase. The timer whose cycle already
// runs or is paused is left as it is.
void startCustomTimer(CustomTimerSession& custom, PomodoroSession& pomodoro, const CustomTimer& timer);
void startPomodoro(PomodoroSession& pomodoro, CustomTimerSession& custom);
// A preset for the plain timer: ignored during a Pomodoro, and a custom cycle
// ends first.
void selectPreset(TimerEngine& engine, const PomodoroSession& pomodoro, CustomTimerSession& custom,
                  const QString& presetID);

} // namespace TimerActions
