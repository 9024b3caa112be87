#include "Kelvane/status/TimerActions.h"

#include "TimerCoreKit/engine/TimerEngine.h"

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

} // namespace TimerActions
