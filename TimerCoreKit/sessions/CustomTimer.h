// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/Phase.h"

#include "PlatformKit/core/Date.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// Inclusive bounds of a value the editor lets the user choose.
template <typename T>
struct ClosedRange {
    T lower;
    T upper;

    constexpr bool contains(T value) const { return lower <= value && value <= upper; }
    constexpr T clamp(T value) const { return value < lower ? lower : (upper < value ? upper : value); }
};

// One named, coloured step of a custom timer.
struct CustomTimerPhase {
    QUuid id;
    QString name;
    double duration = 0; // seconds
    int colorIndex = 0; // into CustomTimerPalette

    static constexpr ClosedRange<double> durationRange{1, 10800};
    static constexpr int nameMaxLength = 20;

    friend bool operator==(const CustomTimerPhase&, const CustomTimerPhase&) = default;

    // None when the duration is not a finite number, which JSON cannot hold.
    std::optional<QJsonObject> toJson() const;
    // None unless every key is there with a value of its kind.
    static std::optional<CustomTimerPhase> fromJson(const QJsonValue& json);
};

// A timer the user made of phases and rounds. Values are kept exactly as built
// or stored: the editor enforces the limits, nothing here trims or clamps.
struct CustomTimer {
    QUuid id;
    QString name;
    QList<CustomTimerPhase> phases;
    int rounds = 1;
    platform::Date createdAt;

    static constexpr ClosedRange<int> phaseCountRange{1, 12};
    static constexpr ClosedRange<int> roundsRange{1, 10};
    static constexpr int nameMaxLength = 30;

    friend bool operator==(const CustomTimer&, const CustomTimer&) = default;

    // One phase per custom phase of a round, with its id, name, length and
    // palette colour; none of them is a break.
    QList<Phase> makePhaseSequence() const;

    // None when a number in it is not finite.
    std::optional<QJsonObject> toJson() const;
    // None unless every key of the timer and of each phase is there with a
    // value of its kind; extra keys are ignored.
    static std::optional<CustomTimer> fromJson(const QJsonValue& json);
};
