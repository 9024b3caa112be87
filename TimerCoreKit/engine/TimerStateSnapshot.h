// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerMode.h"

#include "PlatformKit/core/Date.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The persisted record of the timer, shared with the widget as JSON: dates as
// seconds since 2001-01-01 UTC, absent optionals left out.
struct TimerStateSnapshot {
    TimerMode mode = TimerMode::Idle;
    double duration = 0;
    double remaining = 0;
    std::optional<platform::Date> endDate;
    std::optional<QString> selectedPresetID;
    TimerDirection direction = TimerDirection::Countdown;
    double elapsed = 0;
    std::optional<platform::Date> startDate;

    // Idle countdown of the default preset.
    static TimerStateSnapshot defaultSnapshot();

    // None when a number cannot be written as JSON (NaN or infinite).
    std::optional<QByteArray> toJson() const;
    // None when the data is not a valid snapshot object.
    static std::optional<TimerStateSnapshot> fromJson(const QByteArray& json);
};
