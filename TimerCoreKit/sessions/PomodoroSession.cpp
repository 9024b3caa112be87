// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/PomodoroSession.h"

#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <algorithm>

namespace {

// Runs once per store: a later run must not bring back old values that the
// session has since replaced.
void migrateLegacyKeys(platform::UserDefaults& defaults)
{
    if (defaults.boolValue(SharedDefaultsKeys::pomodoroKeysMigrated))
        return;
    if (defaults.object(SharedDefaultsKeys::olderPomodoroActive)) {
        defaults.setBool(SharedDefaultsKeys::pomodoroActive,
                         defaults.boolValue(SharedDefaultsKeys::olderPomodoroActive));
        defaults.setInteger(SharedDefaultsKeys::pomodoroPhaseIndex,
                            defaults.integer(SharedDefaultsKeys::olderPomodoroPhaseIndex));
        defaults.remove(SharedDefaultsKeys::olderPomodoroActive);
        defaults.remove(SharedDefaultsKeys::olderPomodoroPhaseIndex);
    }
    defaults.setBool(SharedDefaultsKeys::pomodoroKeysMigrated, true);
}

QList<Phase> phasesOf(const QList<PomodoroPhase>& kinds)
{
    QList<Phase> phases;
    for (const auto kind : kinds)
        phases.append(Phase{QUuid::createUuid(), displayName(kind), duration(kind), color(kind), isBreak(kind)});
    return phases;
}

} // namespace

PomodoroSession::PomodoroSession(TimerEngine& engine, const PomodoroSettings& settings, SoundPlaying& soundPlayer,
                                 platform::UserDefaults& defaults, std::unique_ptr<platform::OneShotTimer> phaseDelay,
                                 QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_flatPhaseSequence(pomodoroSequence(roundCount))
{
    migrateLegacyKeys(defaults);
    // The whole cycle is one round of eight phases, so the stored index names
    // the same phase as the widget's copy of the cycle.
    m_session = std::make_unique<PhasedSession>(engine, phasesOf(m_flatPhaseSequence), 1, soundPlayer,
                                                m_settings.phaseCompletionSound(), m_settings.cycleCompletionSound(),
                                                defaults, SharedDefaultsKeys::pomodoroActive,
                                                SharedDefaultsKeys::pomodoroPhaseIndex, std::move(phaseDelay));
    connect(m_session.get(), &PhasedSession::isActiveChanged, this, &PomodoroSession::isActiveChanged);
    connect(m_session.get(), &PhasedSession::currentPhaseIndexChanged, this,
            &PomodoroSession::currentPhaseIndexChanged);
}

PomodoroSession::~PomodoroSession() = default;

PomodoroPhase PomodoroSession::currentPhase() const
{
    const int index = currentPhaseIndex();
    if (index < 0 || index >= m_flatPhaseSequence.size())
        return PomodoroPhase::Work;
    return m_flatPhaseSequence.at(index);
}

int PomodoroSession::currentRound() const
{
    const auto upTo = std::clamp<qsizetype>(qsizetype(currentPhaseIndex()) + 1, 0, m_flatPhaseSequence.size());
    const auto workPhases
        = std::count(m_flatPhaseSequence.cbegin(), m_flatPhaseSequence.cbegin() + upTo, PomodoroPhase::Work);
    return std::max(static_cast<int>(workPhases), 1);
}

void PomodoroSession::start()
{
    m_session->start();
}

void PomodoroSession::pause()
{
    m_session->pause();
}

void PomodoroSession::resume()
{
    m_session->resume();
}

void PomodoroSession::skipPhase()
{
    m_session->skipPhase();
}

void PomodoroSession::reset()
{
    m_session->reset();
}

void PomodoroSession::previewCurrentPhase()
{
    m_session->previewCurrentPhase();
}
