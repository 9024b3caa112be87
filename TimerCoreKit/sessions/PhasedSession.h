// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/OneShotTimer.h"
#include "TimerCoreKit/options/CompletionOptions.h"
#include "TimerCoreKit/sessions/Phase.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class SoundPlaying;
class TimerEngine;

// Runs a list of phases, repeated for a number of rounds, on the shared engine:
// loads each phase into the engine and starts it, and when the engine completes
// a phase plays a sound, waits a moment and starts the next one, until the last
// phase of the last round ends the cycle. Whether a cycle runs and on which
// phase is kept under two keys of the owner's choosing and restored on
// construction; the engine restores its own state.
//
// It reacts to the engine only while its own cycle is active, so several
// sequencers can share one engine.
class PhasedSession final : public QObject {
    Q_OBJECT

public:
    // `rounds` below 1 counts as 1. `phaseDelay` (required) times the one-second
    // pause between phases.
    PhasedSession(TimerEngine& engine, QList<Phase> phases, int rounds, SoundPlaying& soundPlayer,
                  CompletionSound phaseCompletionSound, CompletionSound cycleCompletionSound,
                  platform::UserDefaults& defaults, QString activeKey, QString phaseIndexKey,
                  std::unique_ptr<platform::OneShotTimer> phaseDelay, QObject* parent = nullptr);
    ~PhasedSession() override;

    bool isActive() const { return m_isActive; }
    int currentPhaseIndex() const { return m_currentPhaseIndex; }

    // The phase at the current index; the first phase when the index lies
    // outside the sequence; an unnamed empty phase when there are no phases.
    Phase currentPhase() const;
    // 1-based; one past the last round after a skip beyond the end.
    int currentRound() const;
    int totalRounds() const { return m_rounds; }
    // The phases of one round repeated for every round.
    QList<Phase> phaseSequence() const;
    const QList<Phase>& phases() const { return m_phases; }

    // Begins a cycle at its first phase; nothing while one runs or without
    // phases. The cycle always counts down.
    void start();
    void pause();
    // Continues a paused phase through the engine's start.
    void resume();
    // Moves on to the next phase at once, or ends the cycle on the last one.
    void skipPhase();
    // Loads the current phase's length into the engine and leaves it idle
    // (TimerEngine::loadPhase).
    void previewCurrentPhase();
    // Ends the cycle without a sound and resets the engine.
    void reset();
    // Ends the cycle without a sound and leaves the engine as it is.
    void rewind();

Q_SIGNALS:
    void isActiveChanged();
    void currentPhaseIndexChanged();

private:
    int sequenceLength() const;
    void runCurrentPhase();
    void advanceToNextPhase();
    void handleEngineModeChange();
    void handlePhaseCompletion();
    void scheduleNextPhase();
    void endCycle(int finalIndex);

    // Each operation takes on and stores its new state, finishes its work on
    // the engine, and only then announces what changed: an observer that acts
    // on the news finds the operation complete and is not undone by its rest.
    struct Changes {
        bool active;
        bool index;
    };
    Changes store(bool active, int index);
    void announce(Changes changes);
    void persistState();
    void restoreState();

    bool m_isActive = false;
    int m_currentPhaseIndex = 0;
    TimerEngine& m_engine;
    QList<Phase> m_phases;
    int m_rounds;
    SoundPlaying& m_soundPlayer;
    CompletionSound m_phaseCompletionSound;
    CompletionSound m_cycleCompletionSound;
    platform::UserDefaults& m_defaults;
    QString m_activeKey;
    QString m_phaseIndexKey;
    std::unique_ptr<platform::OneShotTimer> m_phaseDelay;
    // Seconds the finished phase stays shown before the next one starts.
    static constexpr double pauseBetweenPhases = 1.0;
};
