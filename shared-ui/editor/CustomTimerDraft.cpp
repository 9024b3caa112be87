// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/CustomTimerDraft.h"

#include "shared-ui/editor/CustomTimerEditorRules.h"

#include "TimerCoreKit/sessions/ListMoves.h"

namespace rules = CustomTimerEditorRules;

CustomTimerDraft::CustomTimerDraft(CustomTimer timer, QObject* parent)
    : QObject(parent)
    , m_timer(std::move(timer))
{
}

bool CustomTimerDraft::isSavable() const
{
    return rules::isSavable(m_timer);
}

void CustomTimerDraft::setName(const QString& name)
{
    const auto capped = rules::cappedName(name, rules::timerNameMaxLength);
    if (capped == m_timer.name)
        return;
    m_timer.name = capped;
    emit changed();
}

void CustomTimerDraft::setRounds(int rounds)
{
    if (rounds == m_timer.rounds)
        return;
    m_timer.rounds = rounds;
    emit changed();
}

void CustomTimerDraft::setTypedRounds(qint64 typed)
{
    setRounds(static_cast<int>(rules::rounds.typed(typed)));
}

void CustomTimerDraft::decrementRounds()
{
    if (rules::rounds.canDecrement(m_timer.rounds))
        setRounds(static_cast<int>(rules::rounds.decremented(m_timer.rounds)));
}

void CustomTimerDraft::incrementRounds()
{
    if (rules::rounds.canIncrement(m_timer.rounds))
        setRounds(static_cast<int>(rules::rounds.incremented(m_timer.rounds)));
}

void CustomTimerDraft::addPhase()
{
    if (!rules::canAddPhase(phaseCount()))
        return;
    m_timer.phases.append(rules::newPhase(phaseCount()));
    emit changed();
}

void CustomTimerDraft::removePhase(qsizetype index)
{
    if (!isPhase(index) || !canRemovePhases())
        return;
    m_timer.phases.removeAt(index);
    emit changed();
}

void CustomTimerDraft::swapPhases(qsizetype first, qsizetype second)
{
    if (!isPhase(first) || !isPhase(second))
        return;
    m_timer.phases.swapItemsAt(first, second);
    emit changed();
}

void CustomTimerDraft::movePhaseUp(qsizetype index)
{
    swapPhases(index, index - 1);
}

void CustomTimerDraft::movePhaseDown(qsizetype index)
{
    swapPhases(index, index + 1);
}

void CustomTimerDraft::movePhases(const QList<qsizetype>& offsets, qsizetype destination)
{
    const auto before = m_timer.phases;
    moveItems(m_timer.phases, offsets, destination);
    if (m_timer.phases != before)
        emit changed();
}

void CustomTimerDraft::setPhaseName(qsizetype index, const QString& name)
{
    if (!isPhase(index))
        return;
    auto& phase = m_timer.phases[index];
    const auto capped = rules::cappedName(name, rules::phaseNameMaxLength);
    if (capped == phase.name)
        return;
    phase.name = capped;
    emit changed();
}

void CustomTimerDraft::setPhaseDuration(qsizetype index, double seconds)
{
    auto& phase = m_timer.phases[index];
    if (phase.duration == seconds)
        return;
    phase.duration = seconds;
    emit changed();
}

void CustomTimerDraft::setPhaseTypedMinutes(qsizetype index, qint64 minutes)
{
    if (isPhase(index))
        setPhaseDuration(index, rules::secondsOf(rules::phaseMinutes.typed(minutes)));
}

void CustomTimerDraft::decrementPhaseMinutes(qsizetype index)
{
    if (!isPhase(index))
        return;
    const auto minutes = rules::wholeMinutes(m_timer.phases[index].duration);
    if (rules::phaseMinutes.canDecrement(minutes))
        setPhaseDuration(index, rules::secondsOf(rules::phaseMinutes.decremented(minutes)));
}

void CustomTimerDraft::incrementPhaseMinutes(qsizetype index)
{
    if (!isPhase(index))
        return;
    const auto minutes = rules::wholeMinutes(m_timer.phases[index].duration);
    if (rules::phaseMinutes.canIncrement(minutes))
        setPhaseDuration(index, rules::secondsOf(rules::phaseMinutes.incremented(minutes)));
}

void CustomTimerDraft::setPhaseColorIndex(qsizetype index, int colorIndex)
{
    if (!isPhase(index) || m_timer.phases[index].colorIndex == colorIndex)
        return;
    m_timer.phases[index].colorIndex = colorIndex;
    emit changed();
}
