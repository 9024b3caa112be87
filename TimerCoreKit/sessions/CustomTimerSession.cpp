// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/CustomTimerSession.h"

#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/json/UuidText.h"
#include "TimerCoreKit/sessions/CustomTimerStore.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <algorithm>

CustomTimerSession::CustomTimerSession(TimerEngine& engine, SoundPlaying& soundPlayer, const CustomTimerStore& store,
                                       platform::UserDefaults& defaults, PhaseDelayFactory makePhaseDelay,
                                       QObject* parent)
    : QObject(parent)
    , m_engine(engine)
    , m_soundPlayer(soundPlayer)
    , m_defaults(defaults)
    , m_makePhaseDelay(std::move(makePhaseDelay))
{
    Q_ASSERT_X(m_makePhaseDelay, "CustomTimerSession", "a phase delay factory is required");
    restoreActiveTimer(store);
}

CustomTimerSession::~CustomTimerSession() = default;

void CustomTimerSession::restoreActiveTimer(const CustomTimerStore& store)
{
    const auto text = m_defaults.string(SharedDefaultsKeys::customTimerActiveID);
    if (!text)
        return;
    const auto id = uuidFromText(*text);
    if (!id)
        return;
    // A timer deleted meanwhile leaves its id stored; reset() clears it.
    if (const auto timer = store.timer(*id))
        activate(*timer, Origin::Restore);
}

void CustomTimerSession::activate(const CustomTimer& timer)
{
    activate(timer, Origin::User);
}

void CustomTimerSession::activate(const CustomTimer& timer, Origin origin)
{
    retireSession();

    m_activeTimer = timer;
    Q_EMIT activeTimerChanged();

    // The record keeps whatever was stored, but a run never repeats more
    // rounds than the editor allows: a damaged count must not size the
    // phase sequence.
    const int rounds = CustomTimer::roundsRange.clamp(timer.rounds);
    auto* session = new PhasedSession(m_engine, timer.makePhaseSequence(), rounds, m_soundPlayer, CompletionSound::Ping,
                                      CompletionSound::Hero, m_defaults, SharedDefaultsKeys::customTimerActive,
                                      SharedDefaultsKeys::customTimerPhaseIndex, m_makePhaseDelay(), this);
    // The two cycle keys name no timer. Only the remembered timer may take up
    // the cycle they describe; any other choice starts from the beginning.
    if (origin == Origin::User && session->isActive())
        session->rewind();
    m_session = session;

    setActive(session->isActive());
    setCurrentPhaseIndex(session->currentPhaseIndex());
    connect(session, &PhasedSession::isActiveChanged, this, [this, session] { setActive(session->isActive()); });
    connect(session, &PhasedSession::currentPhaseIndexChanged, this,
            [this, session] { setCurrentPhaseIndex(session->currentPhaseIndex()); });

    persistActiveTimerID(timer.id);
}

void CustomTimerSession::retireSession()
{
    if (!m_session)
        return;
    PhasedSession* old = m_session;
    m_session = nullptr;
    // Ended first, so the shared keys read inactive at phase 0 before the next
    // sequencer restores from them.
    old->reset();
    old->disconnect(this);
    old->deleteLater();
}

void CustomTimerSession::start()
{
    if (m_session)
        m_session->start();
}

void CustomTimerSession::pause()
{
    if (m_session)
        m_engine.pause();
}

void CustomTimerSession::resume()
{
    if (m_session)
        m_engine.start();
}

void CustomTimerSession::skipPhase()
{
    if (m_session && m_session->isActive())
        m_session->skipPhase();
}

void CustomTimerSession::previewCurrentPhase()
{
    if (m_session)
        m_session->previewCurrentPhase();
}

void CustomTimerSession::reset()
{
    if (m_session) {
        if (m_session->isActive())
            m_session->reset();
        else
            m_session->rewind();
    }
    setActive(false);
    setCurrentPhaseIndex(0);
    persistActiveTimerID(m_activeTimer ? std::optional(m_activeTimer->id) : std::nullopt);
}

std::optional<Phase> CustomTimerSession::currentPhase() const
{
    if (!m_session)
        return std::nullopt;
    return m_session->currentPhase();
}

int CustomTimerSession::currentRound() const
{
    return m_session ? m_session->currentRound() : 1;
}

int CustomTimerSession::totalRounds() const
{
    return m_session ? m_session->totalRounds() : 1;
}

QList<Phase> CustomTimerSession::phaseSequence() const
{
    return m_session ? m_session->phaseSequence() : QList<Phase>{};
}

void CustomTimerSession::persistActiveTimerID(const std::optional<QUuid>& id)
{
    if (id)
        m_defaults.setString(SharedDefaultsKeys::customTimerActiveID, uuidText(*id));
    else
        m_defaults.remove(SharedDefaultsKeys::customTimerActiveID);
}

void CustomTimerSession::setActive(bool active)
{
    if (m_isActive == active)
        return;
    m_isActive = active;
    Q_EMIT isActiveChanged();
}

void CustomTimerSession::setCurrentPhaseIndex(int index)
{
    if (m_currentPhaseIndex == index)
        return;
    m_currentPhaseIndex = index;
    Q_EMIT currentPhaseIndexChanged();
}
