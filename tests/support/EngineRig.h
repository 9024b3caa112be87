// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerEngine.h"

#include "support/FakeClock.h"
#include "support/FakePhaseDelay.h"
#include "support/FakeTicker.h"
#include "support/RecordingSoundPlayer.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

// The real engine on a hand-driven ticker and clock, over a store in a
// temporary SQLite file, with the fakes a phase cycle needs. `restartEngine()`
// builds a new engine over the same store, as a relaunch of the app would;
// whatever holds the old engine must be gone first.
class EngineRig {
public:
    EngineRig()
        : defaults(platform::UserDefaults::openFile(dir.filePath("store.sqlite")))
    {
        restartEngine();
    }

    TimerEngine& restartEngine()
    {
        engine.reset();
        engine = std::make_unique<TimerEngine>(TimerPersistence(*defaults), ticker, clock.provider(),
                                               clock.bootProvider());
        return *engine;
    }

    const TimerState& state() const { return engine->state(); }

    // Lets queued reactions to the engine run.
    static void deliver() { QCoreApplication::sendPostedEvents(); }

    // Moves the clock on and delivers one tick.
    void tickAfter(double seconds)
    {
        clock.advance(seconds);
        ticker->fire();
        deliver();
    }

    // Runs the current countdown to its end.
    void finishCountdown() { tickAfter(state().remaining()); }

    // Ends the pause between two phases.
    void elapsePause()
    {
        delays.elapse();
        deliver();
    }

    // Lets phase after phase run out until the cycle is on `index` or ends.
    template <typename Session>
    void runUntil(const Session& session, int index)
    {
        while (session.isActive() && session.currentPhaseIndex() < index) {
            finishCountdown();
            elapsePause();
        }
    }

    // What a cycle with the app's sounds plays: a ping after each of
    // `phaseEnds` phases, then the cycle's closing sound.
    static QList<CompletionSound> pingsThenHero(qsizetype phaseEnds)
    {
        QList<CompletionSound> sounds(phaseEnds, CompletionSound::Ping);
        sounds.append(CompletionSound::Hero);
        return sounds;
    }

    QTemporaryDir dir;
    std::unique_ptr<platform::UserDefaults> defaults;
    FakeClock clock;
    std::shared_ptr<FakeTicker> ticker = std::make_shared<FakeTicker>();
    RecordingSoundPlayer sounds;
    FakePhaseDelays delays;
    std::unique_ptr<TimerEngine> engine;
};
