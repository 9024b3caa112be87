// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/PhasedSession.h"
#include "TimerCoreKit/sessions/PomodoroPhase.h"
#include "TimerCoreKit/sessions/PomodoroSettings.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QList>
#include <QObject>

#include <memory>

class SoundPlaying;
class TimerEngine;

// The Pomodoro mode: four rounds of work and break, the last break long, run
// on the shared engine by one sequencer. The cycle's state is kept under the
// Pomodoro keys of the shared store, where the widget reads it too.
class PomodoroSession final : public QObject {
    Q_OBJECT

public:
    static constexpr int roundCount = 4;

    // Moves the state of an older version's keys first, then restores the
    // cycle. `phaseDelay` (required) times the one-second pause between phases.
    PomodoroSession(TimerEngine& engine, const PomodoroSettings& settings, SoundPlaying& soundPlayer,
                    platform::UserDefaults& defaults, std::unique_ptr<platform::OneShotTimer> phaseDelay,
                    QObject* parent = nullptr);
    ~PomodoroSession() override;

    bool isActive() const { return m_session->isActive(); }
    int currentPhaseIndex() const { return m_session->currentPhaseIndex(); }
    // Work when the index lies outside the cycle.
    PomodoroPhase currentPhase() const;
    // The number of work phases up to and including the current one, at least 1.
    int currentRound() const;
    const QList<PomodoroPhase>& phaseSequence() const { return m_flatPhaseSequence; }
    const PomodoroSettings& settings() const { return m_settings; }

    void start();
    void pause();
    void resume();
    void skipPhase();
    void reset();
    void previewCurrentPhase();

Q_SIGNALS:
    void isActiveChanged();
    void currentPhaseIndexChanged();

private:
    PomodoroSettings m_settings;
    QList<PomodoroPhase> m_flatPhaseSequence;
    std::unique_ptr<PhasedSession> m_session;
};
