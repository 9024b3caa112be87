#include "shared-ui/editor/CustomTimerDraft.h"

#include "shared-ui/editor/CustomTimerEditorRules.h"

#include "TimerCoreKit/sessions/ListMoves.h"

namespace rules = CustomTimerEditorRules;

CustomTimerDraft::CustomTimerDraft(CustomTimer timer, QObject* parent) : QObject(parent), timer_(std::move(timer)) {}

bool CustomTimerDraft::isSavable() const
{
    return rules::isSavable(timer_);
}

void CustomTimerDraft::setName(const QString& name)
{
    const auto capped = rules::cappedName(name, rules::timerNameMaxLength);
    if (capped == timer_.name)
        return;
    timer_.name = capped;
    emit changed();
}

void CustomTimerDraft::setRounds(int rounds)
{
    if (rounds == timer_.rounds)
        return;
    timer_.rounds = rounds;
    emit changed();
}

void CustomTimerDraft::setTypedRounds(qint64 typed)
{
    setRounds(static_cast<int>(rules::rounds.typed(typed)));
}

void CustomTimerDraft::decrementRounds()
{
    if (rules::rounds.canDecrement(timer_.rounds))
        setRounds(static_cast<int>(rules::rounds.decremented(timer_.rounds)));
}

void CustomTimerDraft::incrementRounds()
{
    if (rules::rounds.canIncrement(timer_.rounds))
        setRounds(static_cast<int>(rules::rounds.incremented(timer_.rounds)));
}

void CustomTimerDraft::addPhase()
{
    if (!rules::canAddPhase(phaseCount()))
        return;
    timer_.phases.append(rules::newPhase(phaseCount()));
    emit changed();
}

void CustomTimerDraft::removePhase(qsizetype index)
{
    if (!isPhase(index) || !canRemovePhases())
        return;
    timer_.phases.removeAt(index);
    emit changed();
}

void CustomTimerDraft::swapPhases(qsizetype first, qsizetype second)
{
    if (!isPhase(first) || !isPhase(second))
        return;
    timer_.phases.swapItemsAt(first, second);
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
    const auto before = timer_.phases;
    moveItems(timer_.phases, offsets, destination);
    if (timer_.phases != before)
        emit changed();
}

void CustomTimerDraft::setPhaseName(qsizetype index, const QString& name)
{
    if (!isPhase(index))
        return;
    auto& phase = timer_.phases[index];
    const auto capped = rules::cappedName(name, rules::phaseNameMaxLength);
    if (capped == phase.name)
        return;
    phase.name = capped;
    emit changed();
}

void CustomTimerDraft::setPhaseDuration(qsizetype index, double seconds)
{
    auto& phase = timer_.phases[index];
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
    const auto minutes = rules::wholeMinutes(timer_.phases[index].duration);
    if (rules::phaseMinutes.canDecrement(minutes))
        setPhaseDuration(index, rules::secondsOf(rules::phaseMinutes.decremented(minutes)));
}

void CustomTimerDraft::incrementPhaseMinutes(qsizetype index)
{
    if (!isPhase(index))
        return;
    const auto minutes = rules::wholeMinutes(timer_.phases[index].duration);
    if (rules::phaseMinutes.canIncrement(minutes))
        setPhaseDuration(index, rules::secondsOf(rules::phaseMinutes.incremented(minutes)));
}

void CustomTimerDraft::setPhaseColorIndex(qsizetype index, int colorIndex)
{
    if (!isPhase(index) || timer_.phases[index].colorIndex == colorIndex)
        return;
    timer_.phases[index].colorIndex = colorIndex;
    emit changed();
}
