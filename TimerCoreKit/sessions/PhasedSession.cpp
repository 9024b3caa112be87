// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/PhasedSession.h"

#include "TimerCoreKit/audio/SoundPlaying.h"
#include "TimerCoreKit/engine/TimerEngine.h"

#include <algorithm>
#include <limits>

PhasedSession::PhasedSession(TimerEngine& engine, QList<Phase> phases, int rounds, SoundPlaying& soundPlayer,
                             CompletionSound phaseCompletionSound, CompletionSound cycleCompletionSound,
                             platform::UserDefaults& defaults, QString activeKey, QString phaseIndexKey,
                             std::unique_ptr<platform::OneShotTimer> phaseDelay, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
    , m_phases(std::move(phases))
    , m_rounds(std::max(rounds, 1))
    , m_soundPlayer(soundPlayer)
    , m_phaseCompletionSound(phaseCompletionSound)
    , m_cycleCompletionSound(cycleCompletionSound)
    , m_defaults(defaults)
    , m_activeKey(std::move(activeKey))
    , m_phaseIndexKey(std::move(phaseIndexKey))
    , m_phaseDelay(std::move(phaseDelay))
{
    Q_ASSERT_X(m_phaseDelay, "PhasedSession", "a phase delay is required");
    // Queued, so the engine has finished its completing tick before the next
    // phase is loaded. A completion dropped with this object never arrives.
    connect(&m_engine.state(), &TimerState::modeChanged, this, &PhasedSession::handleEngineModeChange,
            Qt::QueuedConnection);
    restoreState();
}

PhasedSession::~PhasedSession() = default;

int PhasedSession::sequenceLength() const
{
    // Saturated so that stepping the index past the end can never overflow.
    const qint64 length = static_cast<qint64>(m_phases.size()) * m_rounds;
    return static_cast<int>(std::min<qint64>(length, std::numeric_limits<int>::max()));
}

Phase PhasedSession::currentPhase() const
{
    if (m_phases.isEmpty())
        return Phase{QUuid::createUuid(), QString(), 0, QColor::fromRgbF(0, 0, 0, 0), false};
    if (m_currentPhaseIndex < 0 || m_currentPhaseIndex >= sequenceLength())
        return m_phases.first();
    return m_phases.at(m_currentPhaseIndex % m_phases.size());
}

int PhasedSession::currentRound() const
{
    if (m_phases.isEmpty())
        return 1;
    const qint64 round = m_currentPhaseIndex / m_phases.size() + 1;
    return static_cast<int>(std::min<qint64>(round, std::numeric_limits<int>::max()));
}

QList<Phase> PhasedSession::phaseSequence() const
{
    QList<Phase> sequence;
    sequence.reserve(sequenceLength());
    for (int round = 0; round < m_rounds; ++round)
        sequence.append(m_phases);
    return sequence;
}

void PhasedSession::start()
{
    if (m_isActive || sequenceLength() == 0)
        return;
    m_phaseDelay->cancel();
    const auto changes = store(true, 0);
    runCurrentPhase();
    announce(changes);
}

void PhasedSession::pause()
{
    m_engine.pause();
}

void PhasedSession::resume()
{
    m_engine.start();
}

void PhasedSession::skipPhase()
{
    if (!m_isActive)
        return;
    // One skip moves one phase, also during the pause between two.
    m_phaseDelay->cancel();
    advanceToNextPhase();
}

void PhasedSession::previewCurrentPhase()
{
    m_engine.loadPhase(currentPhase().duration);
}

void PhasedSession::reset()
{
    m_phaseDelay->cancel();
    const auto changes = store(false, 0);
    m_engine.reset();
    announce(changes);
}

void PhasedSession::rewind()
{
    m_phaseDelay->cancel();
    announce(store(false, 0));
}

void PhasedSession::runCurrentPhase()
{
    previewCurrentPhase();
    // A count-up never completes, so a cycle in that direction would never end.
    if (m_engine.state().direction() != TimerDirection::Countdown)
        m_engine.switchDirection(TimerDirection::Countdown);
    m_engine.start();
}

void PhasedSession::advanceToNextPhase()
{
    const int next = m_currentPhaseIndex + 1;
    if (next >= sequenceLength()) {
        // The index stays one past the last phase.
        endCycle(next);
        return;
    }
    const auto changes = store(true, next);
    runCurrentPhase();
    announce(changes);
}

void PhasedSession::handleEngineModeChange()
{
    // Read now rather than when announced: a completion that a reset, skip or
    // new start has already replaced must not move the cycle on, and one that
    // is already waiting for the next phase is not handled twice.
    if (!m_isActive || m_phaseDelay->isPending() || m_engine.state().mode() != TimerMode::Completed)
        return;
    handlePhaseCompletion();
}

void PhasedSession::handlePhaseCompletion()
{
    if (m_currentPhaseIndex >= sequenceLength() - 1) {
        endCycle(m_currentPhaseIndex);
        return;
    }
    scheduleNextPhase();
}

void PhasedSession::scheduleNextPhase()
{
    m_soundPlayer.play(m_phaseCompletionSound);
    m_phaseDelay->start(pauseBetweenPhases, [this] {
        if (m_isActive)
            advanceToNextPhase();
    });
}

void PhasedSession::endCycle(int finalIndex)
{
    m_phaseDelay->cancel();
    m_soundPlayer.play(m_cycleCompletionSound);
    const auto changes = store(false, finalIndex);
    m_engine.reset();
    announce(changes);
}

PhasedSession::Changes PhasedSession::store(bool active, int index)
{
    const Changes changes{m_isActive != active, m_currentPhaseIndex != index};
    m_isActive = active;
    m_currentPhaseIndex = index;
    persistState();
    return changes;
}

void PhasedSession::announce(Changes changes)
{
    if (changes.active)
        Q_EMIT isActiveChanged();
    if (changes.index)
        Q_EMIT currentPhaseIndexChanged();
}

void PhasedSession::persistState()
{
    m_defaults.setBool(m_activeKey, m_isActive);
    m_defaults.setInteger(m_phaseIndexKey, m_currentPhaseIndex);
}

void PhasedSession::restoreState()
{
    if (!m_defaults.boolValue(m_activeKey))
        return;
    const qint64 index = m_defaults.integer(m_phaseIndexKey);
    // No index the system writes is negative; one that is, or that lies beyond
    // this sequence (its phases were edited meanwhile), ends the stored cycle.
    if (index < 0 || index >= sequenceLength()) {
        m_defaults.setBool(m_activeKey, false);
        m_defaults.remove(m_phaseIndexKey);
        return;
    }
    m_isActive = true;
    m_currentPhaseIndex = static_cast<int>(index);
}
