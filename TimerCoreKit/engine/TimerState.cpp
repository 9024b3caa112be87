// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerState.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
    , m_published(this->snapshot())
{
}

template <typename T>
void TimerState::assign(T& member, T value, Field field)
{
    if (member == value)
        return;
    member = std::move(value);
    if (!m_unpublished.contains(field))
        m_unpublished.append(field);
}

void TimerState::setMode(TimerMode value)
{
    assign(m_mode, value, Field::Mode);
}
void TimerState::setDirection(TimerDirection value)
{
    assign(m_direction, value, Field::Direction);
}
void TimerState::setEndDate(std::optional<platform::Date> value)
{
    assign(m_endDate, value, Field::EndDate);
}
void TimerState::setStartDate(std::optional<platform::Date> value)
{
    assign(m_startDate, value, Field::StartDate);
}

void TimerState::setSelectedPresetID(std::optional<QString> value)
{
    assign(m_selectedPresetID, std::move(value), Field::SelectedPresetID);
}

void TimerState::setDuration(double value)
{
    if (std::isfinite(value))
        assign(m_duration, value, Field::Duration);
}

void TimerState::setRemaining(double value)
{
    if (std::isfinite(value))
        assign(m_remaining, value, Field::Remaining);
}

void TimerState::setElapsed(double value)
{
    if (std::isfinite(value))
        assign(m_elapsed, value, Field::Elapsed);
}

bool TimerState::differs(Field field, const TimerStateSnapshot& published) const
{
    switch (field) {
    case Field::Mode:
        return m_mode != published.mode;
    case Field::Duration:
        return m_duration != published.duration;
    case Field::Remaining:
        return m_remaining != published.remaining;
    case Field::EndDate:
        return m_endDate != published.endDate;
    case Field::SelectedPresetID:
        return m_selectedPresetID != published.selectedPresetID;
    case Field::Direction:
        return m_direction != published.direction;
    case Field::Elapsed:
        return m_elapsed != published.elapsed;
    case Field::StartDate:
        return m_startDate != published.startDate;
    }
    return false;
}

void (TimerState::*TimerState::signalOf(Field field))()
{
    switch (field) {
    case Field::Mode:
        return &TimerState::modeChanged;
    case Field::Duration:
        return &TimerState::durationChanged;
    case Field::Remaining:
        return &TimerState::remainingChanged;
    case Field::EndDate:
        return &TimerState::endDateChanged;
    case Field::SelectedPresetID:
        return &TimerState::selectedPresetIDChanged;
    case Field::Direction:
        return &TimerState::directionChanged;
    case Field::Elapsed:
        return &TimerState::elapsedChanged;
    case Field::StartDate:
        return &TimerState::startDateChanged;
    }
    return &TimerState::changed;
}

void TimerState::publish()
{
    // Taken out before anything is announced, so that an operation a listener
    // runs starts from what it has been told and publishes only its own change.
    const auto published = std::exchange(m_published, snapshot());
    const auto fields = std::exchange(m_unpublished, {});

    QList<void (TimerState::*)()> announcements;
    for (const Field field : fields) {
        if (differs(field, published))
            announcements.append(signalOf(field));
    }
    if (announcements.isEmpty())
        return;
    for (const auto signal : announcements)
        Q_EMIT(this->*signal)();
    Q_EMIT changed();
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
