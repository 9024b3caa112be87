#pragma once

class TimerEngine;

// The timer operations the tray item, shortcuts, deep links and widget
// commands share. Each does nothing in a mode where it does not apply.
namespace TimerActions {

// Idle starts, running pauses, paused resumes, completed resets.
void toggle(TimerEngine& engine);
// Starts from idle or continues from paused.
void startIfAllowed(TimerEngine& engine);
void pauseIfRunning(TimerEngine& engine);

} // namespace TimerActions
