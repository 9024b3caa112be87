// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/OneShotTimer.h"
#include "TimerCoreKit/sessions/CustomTimer.h"
#include "TimerCoreKit/sessions/PhasedSession.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class CustomTimerStore;
class SoundPlaying;
class TimerEngine;

// Runs one custom timer at a time on the shared engine, through a sequencer
// built anew whenever a timer is chosen. Remembers the chosen timer's id and,
// on construction, chooses that timer again from the store, so a cycle that
// ran when the app quit comes back on its phase.
// Makes the pause between phases for each new sequencer.
using PhaseDelayFactory = std::function<std::unique_ptr<platform::OneShotTimer>()>;

class CustomTimerSession final : public QObject {
    Q_OBJECT

public:
    // The store is read once, here. `makePhaseDelay` (required) makes the timer
    // of the one-second pause between phases for each sequencer.
    CustomTimerSession(TimerEngine& engine, SoundPlaying& soundPlayer, const CustomTimerStore& store,
                       platform::UserDefaults& defaults, PhaseDelayFactory makePhaseDelay, QObject* parent = nullptr);
    ~CustomTimerSession() override;

    bool isActive() const { return m_isActive; }
    int currentPhaseIndex() const { return m_currentPhaseIndex; }
    const std::optional<CustomTimer>& activeTimer() const { return m_activeTimer; }

    std::optional<Phase> currentPhase() const;
    int currentRound() const;
    int totalRounds() const;
    QList<Phase> phaseSequence() const;

    // Chooses a timer; a cycle of the one chosen before ends silently, with an
    // engine reset. Neither loads nor starts the new timer's first phase.
    void activate(const CustomTimer& timer);

    // These do nothing before a timer is chosen.
    void start();
    void pause();
    void resume();
    void skipPhase();
    void previewCurrentPhase();
    // Ends the chosen timer's cycle; the timer stays chosen. The engine is
    // reset only when that cycle was running, so it never ends another timer.
    void reset();

Q_SIGNALS:
    void isActiveChanged();
    void currentPhaseIndexChanged();
    void activeTimerChanged();

private:
    enum class Origin { User, Restore };

    void restoreActiveTimer(const CustomTimerStore& store);
    void activate(const CustomTimer& timer, Origin origin);
    void retireSession();
    void persistActiveTimerID(const std::optional<QUuid>& id);
    void setActive(bool active);
    void setCurrentPhaseIndex(int index);

    bool m_isActive = false;
    int m_currentPhaseIndex = 0;
    std::optional<CustomTimer> m_activeTimer;
    // A child of this session; a replaced one is deleted later, never while a
    // call of its own may still be on the stack.
    QPointer<PhasedSession> m_session;
    TimerEngine& m_engine;
    SoundPlaying& m_soundPlayer;
    platform::UserDefaults& m_defaults;
    PhaseDelayFactory m_makePhaseDelay;
};
