// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/CountdownTicker.h"
#include "TimerCoreKit/engine/TimerPersistence.h"
#include "TimerCoreKit/engine/TimerPreset.h"
#include "TimerCoreKit/engine/TimerState.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/core/ElapsedClock.h"
#include "PlatformKit/core/MainThreadHandOff.h"

#include <QMetaObject>

#include <functional>
#include <memory>

// The one state machine of the timer. A running timer's time is what it had
// when it was started or resumed, less (countdown) or plus (count-up) the time
// passed since on the elapsed clock, so late or doubled ticks never make it
// wrong and neither does a step of the wall clock. Ticks only decide how often
// the state is refreshed, saved (every 5) and the widget reloaded (every 30).
// The end and start dates stay wall-clock dates for the widget and the next
// launch, which restore from them: the end date is taken afresh from the time
// left at each save, the start date at each tick. Lives on the thread that
// creates it.
//
// The engine is the only writer of its state. Each operation below is one
// change of it: observers hear of it once the operation is complete, its state
// set, saved and the widget refresh asked for (see TimerState).
class TimerEngine {
public:
    // Every dependency comes from the caller: the program passes a persistence
    // on the shared store, a DispatchCountdownTicker, the wall clock
    // (Date::now) and the boot-time clock (bootTimeSeconds); the ticker must not
    // be null. The debug provider is optional. Restores the last saved state; a
    // timer that was running comes back paused (or completed when its end has
    // passed).
    TimerEngine(TimerPersistence persistence, std::shared_ptr<CountdownTicker> ticker, platform::Clock dateProvider,
                platform::ElapsedClock elapsedClock, std::shared_ptr<DebugTickProvider> debugTickProvider = nullptr);
    ~TimerEngine();
    TimerEngine(const TimerEngine&) = delete;
    TimerEngine& operator=(const TimerEngine&) = delete;

    // Read-only: only the engine's operations change it.
    const TimerState& state() const { return *m_state; }

    void setOnWidgetRefresh(std::function<void()> callback) { m_onWidgetRefresh = std::move(callback); }

    double customDuration() const { return m_customDuration; }
    const TimerPersistence& persistence() const { return m_persistence; }
    const platform::Clock& dateProvider() const { return m_dateProvider; }
    QList<TimerPreset> presets() const;

    void start();
    void pause();
    void resume();
    void reset();
    void selectPreset(const QString& id);
    // Adopts a preset chosen outside the app; only while idle and only when it
    // is not already selected.
    bool applyExternalPresetSelection(const QString& id);
    void switchDirection(TimerDirection direction);
    void updateCustomDuration(double seconds);
    void refreshWidget();

    // Loads a phase of `seconds` as the length and the time left and makes the
    // timer idle; nothing else: the end date, the count-up fields, the
    // direction, the preset and the ticker stay as they are and nothing is
    // saved. How a phase sequencer prepares each phase before it starts it.
    void loadPhase(double seconds);

private:
    // Runs `body` as one operation: the state's change is published when the
    // outermost operation ends (operations may call each other).
    template <typename Body>
    void operation(Body body);

    // Brings a restored running timer to rest; true when it saved.
    bool reconcileRestoredState();
    void startTicker();
    void handleTick();
    void restartTickerIfRunning();
    double effectiveStartDuration() const;
    void startCountUp();
    void pauseCountUp();
    void resumeCountUp();
    void updateElapsed();
    void completeCountdown();
    // Time left until `endDate` on the wall clock, never below 0.
    double secondsUntil(platform::Date endDate) const;
    // Notes that the timer runs from `value` (time left or counted) now.
    void anchorRun(double value);
    // Elapsed-clock time since the run was anchored, never below 0.
    double passedSinceAnchor() const;
    double runningRemaining() const;
    void save();

    platform::MainThreadHandOff m_handOff;
    std::unique_ptr<TimerState> m_state;
    std::function<void()> m_onWidgetRefresh;
    double m_customDuration = TimerPresetConstants::defaultCustomDuration;
    TimerPersistence m_persistence;
    platform::Clock m_dateProvider;
    platform::ElapsedClock m_elapsedClock;
    // Where the running timer stood, on the elapsed clock, when it started or
    // resumed: the time it had left (countdown) or had counted (count-up).
    double m_anchorClockTime = 0;
    double m_anchorValue = 0;
    std::shared_ptr<CountdownTicker> m_ticker;
    int m_ticksSinceLastSave = 0;
    int m_ticksSinceLastWidgetRefresh = 0;
    std::shared_ptr<DebugTickProvider> m_debugTickProvider;
    QMetaObject::Connection m_debugConnection;
    int m_operationDepth = 0;
};
