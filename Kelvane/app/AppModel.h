// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/animation/AnimationPlayer.h"
#include "Kelvane/settings/AppSettings.h"

#include "TimerCoreKit/engine/CountdownTicker.h"
#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/CustomTimerStore.h"
#include "TimerCoreKit/sessions/PomodoroSession.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/core/ElapsedClock.h"
#include "PlatformKit/core/OneShotTimer.h"
#include "PlatformKit/store/UserDefaults.h"

#include <functional>
#include <memory>

class SoundPlaying;

// What every view of the program shows and acts on: the settings stores, the
// timer engine, both sessions, the custom timers and the completion
// animation's player. Main thread only.
class AppModel {
public:
    struct Parts {
        platform::UserDefaults* defaults = nullptr;
        std::shared_ptr<CountdownTicker> ticker;
        std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer;
        // The wall clock the engine keeps its dates by.
        platform::Clock clock = &platform::Date::now;
        // Seconds on a clock that never goes back: the engine's running time.
        platform::ElapsedClock monotonicSeconds = &platform::bootTimeSeconds;
        // Where the sessions play their phase and cycle sounds.
        SoundPlaying* sessionSounds = nullptr;
        // Runs after every change of the engine that the widget shows.
        std::function<void()> onWidgetRefresh;
    };

    // Everything in `parts` is required; the store and the sound player
    // outlive the model.
    explicit AppModel(Parts parts);
    ~AppModel();
    AppModel(const AppModel&) = delete;
    AppModel& operator=(const AppModel&) = delete;

    AnimationPlayer& animationPlayer() { return *m_animationPlayer; }
    AppSettings& settings() { return *m_settings; }
    TimerEngine& engine() { return *m_engine; }
    PomodoroSession& pomodoro() { return *m_pomodoro; }
    CustomTimerStore& customTimers() { return *m_customTimers; }
    CustomTimerSession& customSession() { return *m_customSession; }

    const AnimationPlayer& animationPlayer() const { return *m_animationPlayer; }
    const AppSettings& settings() const { return *m_settings; }
    const TimerEngine& engine() const { return *m_engine; }
    const PomodoroSession& pomodoro() const { return *m_pomodoro; }
    const CustomTimerSession& customSession() const { return *m_customSession; }

private:
    std::unique_ptr<AnimationPlayer> m_animationPlayer;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<TimerEngine> m_engine;
    std::unique_ptr<PomodoroSession> m_pomodoro;
    std::unique_ptr<CustomTimerStore> m_customTimers;
    std::unique_ptr<CustomTimerSession> m_customSession;
};
