// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerPreset.h"

#include "TimerCoreKit/json/JsonFields.h"

#include <cmath>

namespace {
constexpr QLatin1StringView idKey{"id"};
constexpr QLatin1StringView nameKey{"name"};
constexpr QLatin1StringView durationKey{"duration"};
constexpr QLatin1StringView isCustomKey{"isCustom"};
} // namespace

QJsonObject TimerPreset::toJson() const
{
    return QJsonObject{{idKey, id}, {nameKey, name}, {durationKey, duration}, {isCustomKey, isCustom}};
}

std::optional<TimerPreset> TimerPreset::fromJson(const QJsonObject& object)
{
    auto id = json::requiredString(object, idKey);
    auto name = json::requiredString(object, nameKey);
    const auto duration = json::requiredNumber(object, durationKey);
    const auto isCustom = json::requiredBool(object, isCustomKey);
    if (!id || !name || !duration || !isCustom)
        return std::nullopt;
    return TimerPreset{std::move(*id), std::move(*name), *duration, *isCustom};
}

namespace TimerPresetLibrary {

QList<TimerPreset> presets(double customDuration)
{
    // A NaN length counts as the shortest one.
    const double custom = std::isnan(customDuration) ? 1.0 : std::max(customDuration, 1.0);
    return {
        {QStringLiteral("preset.quick-5"), QStringLiteral("5 min"), 300, false},
        {QStringLiteral("preset.quick-10"), QStringLiteral("10 min"), 600, false},
        {QStringLiteral("preset.classic-25"), QStringLiteral("25 min"), 1500, false},
        {QStringLiteral("preset.deep-45"), QStringLiteral("45 min"), 2700, false},
        {QString(Constants::customPresetID), QStringLiteral("Custom"), custom, true},
    };
}

TimerPreset preset(const std::optional<QString>& id, double customDuration)
{
    const auto all = presets(customDuration);
    if (id) {
        for (const auto& candidate : all) {
            if (candidate.id == *id)
                return candidate;
        }
    }
    return all.first();
}

} // namespace TimerPresetLibrary
