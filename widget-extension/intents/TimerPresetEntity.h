// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerPreset.h"

#include <QList>
#include <QString>
#include <QStringList>

// A preset the widget can start, as the widget's configuration and its preset
// buttons name it.
struct TimerPresetEntity {
    QString id; // the app's preset id
    QString name; // shown, e.g. "25 min"
    int durationMinutes = 0; // 0 for the custom preset

    static constexpr QLatin1StringView typeDisplayName{"Timer Preset"};

    // The app's preset as the widget offers it: whole minutes, none for the
    // custom one, whose length only the app knows.
    static TimerPresetEntity from(const TimerPreset& preset);

    friend bool operator==(const TimerPresetEntity&, const TimerPresetEntity&) = default;
};

// The app's presets, in the order the configuration offers them.
QList<TimerPresetEntity> allPresetEntities();

// Looks presets up for the widget's configuration. No state.
class TimerPresetQuery {
public:
    QList<TimerPresetEntity> suggestedEntities() const;
    // The listed presets whose id is asked for, in list order and each once;
    // unknown ids are dropped.
    QList<TimerPresetEntity> entities(const QStringList& identifiers) const;
    QList<TimerPresetEntity> results() const { return suggestedEntities(); }
};
