// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

struct TimerPreset {
    QString id;
    QString name;
    double duration = 0;
    bool isCustom = false;

    bool operator==(const TimerPreset&) const = default;

    QJsonObject toJson() const;
    static std::optional<TimerPreset> fromJson(const QJsonObject& object);
};

namespace TimerPresetConstants {
inline constexpr QLatin1StringView customPresetID{"preset.custom"};
inline constexpr QLatin1StringView defaultPresetID{"preset.classic-25"};
inline constexpr double defaultCustomDuration = SharedDefaultsKeys::customDuration.defaultValue;
} // namespace TimerPresetConstants

namespace TimerPresetLibrary {

namespace Constants = TimerPresetConstants;

// The four fixed lengths and the custom one, in display order; built anew on
// every call.
QList<TimerPreset> presets(double customDuration);

// The preset with exactly this id, or the first preset when there is none.
TimerPreset preset(const std::optional<QString>& id, double customDuration);

} // namespace TimerPresetLibrary
