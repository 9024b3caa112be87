// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerStateSnapshot.h"

#include <QList>
#include <QObject>

class TimerEngine;

// The live timer state that the engine drives and every view observes. Only
// the engine writes it; everyone else reads it and listens.
//
// Each engine operation is one change: the engine sets every field the
// operation touches and finishes its work (ticker, save, widget refresh), and
// only then is the change published. Each field that ended up different
// announces itself, in the order the fields were first set, and `changed()`
// follows once. So an observer, whichever signal it listens to, always reads a
// state that is entirely the operation's result, never half of a transition.
//
// Durations that are not finite numbers are ignored, so they never reach the
// display or the store.
class TimerState final : public QObject {
    Q_OBJECT

public:
    explicit TimerState(const TimerStateSnapshot& snapshot, QObject* parent = nullptr);

    TimerMode mode() const { return m_mode; }
    double duration() const { return m_duration; }
    double remaining() const { return m_remaining; }
    std::optional<platform::Date> endDate() const { return m_endDate; }
    std::optional<QString> selectedPresetID() const { return m_selectedPresetID; }
    TimerDirection direction() const { return m_direction; }
    double elapsed() const { return m_elapsed; }
    std::optional<platform::Date> startDate() const { return m_startDate; }

    TimerStateSnapshot snapshot() const;

    // How far a countdown has come, 0 to 1; 0 without a duration.
    double progress() const;

Q_SIGNALS:
    void modeChanged();
    void durationChanged();
    void remainingChanged();
    void endDateChanged();
    void selectedPresetIDChanged();
    void directionChanged();
    void elapsedChanged();
    void startDateChanged();
    void changed();

private:
    friend class TimerEngine;

    enum class Field { Mode, Duration, Remaining, EndDate, SelectedPresetID, Direction, Elapsed, StartDate };

    // The engine's side. A setter only takes the value on; nothing is
    // announced until `publish()`.
    void setMode(TimerMode mode);
    void setDuration(double seconds);
    void setRemaining(double seconds);
    void setEndDate(std::optional<platform::Date> date);
    void setSelectedPresetID(std::optional<QString> id);
    void setDirection(TimerDirection direction);
    void setElapsed(double seconds);
    void setStartDate(std::optional<platform::Date> date);

    // Announces every field that differs from what was last published, then
    // `changed()` once; nothing when no field differs. An engine operation
    // that a listener starts meanwhile publishes its own change.
    void publish();

    template <typename T>
    void assign(T& member, T value, Field field);
    bool differs(Field field, const TimerStateSnapshot& published) const;
    static void (TimerState::*signalOf(Field field))();

    TimerMode m_mode;
    double m_duration;
    double m_remaining;
    std::optional<platform::Date> m_endDate;
    std::optional<QString> m_selectedPresetID;
    TimerDirection m_direction;
    double m_elapsed;
    std::optional<platform::Date> m_startDate;

    // What observers have been told, and the fields set since, in the order
    // they were first set.
    TimerStateSnapshot m_published;
    QList<Field> m_unpublished;
};
