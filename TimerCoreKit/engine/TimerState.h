#pragma once

#include "TimerCoreKit/engine/TimerStateSnapshot.h"

#include <QObject>

// The live timer state that the engine drives and every view observes. Each
// field announces its own change, and `changed()` follows any of them.
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

    void setMode(TimerMode mode);
    void setDuration(double seconds);
    void setRemaining(double seconds);
    void setEndDate(std::optional<platform::Date> date);
    void setSelectedPresetID(std::optional<QString> id);
    void setDirection(TimerDirection direction);
    void setElapsed(double seconds);
    void setStartDate(std::optional<platform::Date> date);

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
    template <typename T>
    void assign(T& member, T value, void (TimerState::*notify)());

    TimerMode m_mode;
    double m_duration;
    double m_remaining;
    std::optional<platform::Date> m_endDate;
    std::optional<QString> m_selectedPresetID;
    TimerDirection m_direction;
    double m_elapsed;
    std::optional<platform::Date> m_startDate;
};
