#include "Kelvane/status/TimerActions.h"

#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/PomodoroSession.h"

namespace TimerActions {

void toggle(TimerEngine& engine)
{
    switch (engine.state().mode()) {
    case TimerMode::Idle:
        engine.start();
        break;
    case TimerMode::Running:
        engine.pause();
        break;
    case TimerMode::Paused:
        engine.resume();
        break;
    case TimerMode::Completed:
        engine.reset();
        break;
    }
}

void startIfAllowed(TimerEngine& engine)
{
    const TimerMode mode = engine.state().mode();
    if (mode == TimerMode::Idle || mode == TimerMode::Paused)
        engine.start();
}

void pauseIfRunning(TimerEngine& engine)
{
    if (engine.state().mode() == TimerMode::Running)
        engine.pause();
}

void startCustomTimer(CustomTimerSession& custom, PomodoroSession& pomodoro, const CustomTimer& timer)
{
    // Choosing a timer again would end its cycle and start it over.
    if (custom.isActive() && custom.activeTimer() && custom.activeTimer()->id == timer.id)
        return;
    if (pomodoro.isActive())
        pomodoro.reset();
    custom.activate(timer);
    custom.start();
}

void startPomodoro(PomodoroSession& pomodoro, CustomTimerSession& custom)
{
    if (custom.isActive())
        custom.reset();
    pomodoro.start();
}

void selectPreset(TimerEngine& engine, const PomodoroSession& pomodoro, CustomTimerSession& custom,
                  const QString& presetID)
{
    if (pomodoro.isActive())
        return;
    if (custom.isActive())
        custom.reset();
    engine.selectPreset(presetID);
}

} // namespace TimerActions
