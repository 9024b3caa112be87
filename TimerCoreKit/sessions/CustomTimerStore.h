// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/CustomTimer.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QList>
#include <QObject>
#include <QUuid>

#include <functional>

// The user's custom timers, in their order. Loaded once at construction and
// written back whole after every change; a change another process writes is
// not seen before the next launch.
class CustomTimerStore final : public QObject {
    Q_OBJECT

public:
    // Stored data that does not decode, in any of its timers, loads as an
    // empty list and stays stored until the next write replaces it.
    explicit CustomTimerStore(platform::UserDefaults& defaults, platform::Clock now = &platform::Date::now,
                              QObject* parent = nullptr);

    const QList<CustomTimer>& timers() const { return m_timers; }
    // The first timer with this id.
    std::optional<CustomTimer> timer(const QUuid& id) const;

    // Appended as given; ids and limits are not checked.
    void add(const CustomTimer& timer);
    // Replaces the first timer with the same id in place; nothing (and no
    // write) when there is none.
    void update(const CustomTimer& timer);
    // Removes every timer with this id; writes the list even when none had it.
    void remove(const QUuid& id);
    // Appends a copy with new ids, " Copy" added to the name (cut to the
    // longest name allowed) and created now; nothing when the id is unknown.
    void duplicate(const QUuid& id);
    // Moves the timers at `offsets` before the one at `destination`.
    void move(const QList<qsizetype>& offsets, qsizetype destination);

Q_SIGNALS:
    void timersChanged();

private:
    void load();
    void save() const;
    void setTimers(QList<CustomTimer> timers);

    QList<CustomTimer> m_timers;
    platform::UserDefaults& m_defaults;
    platform::Clock m_now;
};
