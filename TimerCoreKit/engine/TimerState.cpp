#include "TimerCoreKit/engine/TimerState.h"

#include <algorithm>
#include <cmath>

namespace {

double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

} // namespace

TimerState::TimerState(const TimerStateSnapshot& snapshot, QObject* parent)
    : QObject(parent)
    , m_mode(snapshot.mode)
    , m_duration(finiteOr(snapshot.duration, 0))
    , m_remaining(finiteOr(snapshot.remaining, 0))
    , m_endDate(snapshot.endDate)
    , m_selectedPresetID(snapshot.selectedPresetID)
    , m_direction(snapshot.direction)
    , m_elapsed(finiteOr(snapshot.elapsed, 0))
    , m_startDate(snapshot.startDate)
{
}

template <typename T>
void TimerState::assign(T& member, T value, void (TimerState::*notify)())
{
    if (member == value)
        return;
    member = std::move(value);
    Q_EMIT(this->*notify)();
    Q_EMIT changed();
}

void TimerState::setMode(TimerMode value) { assign(m_mode, value, &TimerState::modeChanged); }
void TimerState::setDirection(TimerDirection value) { assign(m_direction, value, &TimerState::directionChanged); }
void TimerState::setEndDate(std::optional<platform::Date> value) { assign(m_endDate, value, &TimerState::endDateChanged); }
void TimerState::setStartDate(std::optional<platform::Date> value) { assign(m_startDate, value, &TimerState::startDateChanged); }

void TimerState::setSelectedPresetID(std::optional<QString> value)
{
    assign(m_selectedPresetID, std::move(value), &TimerState::selectedPresetIDChanged);
}

void TimerState::setDuration(double value)
{
    if (std::isfinite(value))
        assign(m_duration, value, &TimerState::durationChanged);
}

void TimerState::setRemaining(double value)
{
    if (std::isfinite(value))
        assign(m_remaining, value, &TimerState::remainingChanged);
}

void TimerState::setElapsed(double value)
{
    if (std::isfinite(value))
        assign(m_elapsed, value, &TimerState::elapsedChanged);
}

TimerStateSnapshot TimerState::snapshot() const
{
    return {m_mode, m_duration, m_remaining, m_endDate, m_selectedPresetID, m_direction, m_elapsed, m_startDate};
}

double TimerState::progress() const
{
    if (!(m_duration > 0))
        return 0;
    return std::clamp(1.0 - m_remaining / m_duration, 0.0, 1.0);
}
