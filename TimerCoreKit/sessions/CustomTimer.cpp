// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/CustomTimer.h"

#include "TimerCoreKit/color/CustomTimerPalette.h"
#include "TimerCoreKit/json/JsonFields.h"
#include "TimerCoreKit/json/JsonRecordList.h"
#include "TimerCoreKit/json/UuidText.h"

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto idKey = "id"_L1;
constexpr auto nameKey = "name"_L1;
constexpr auto durationKey = "duration"_L1;
constexpr auto colorIndexKey = "colorIndex"_L1;
constexpr auto phasesKey = "phases"_L1;
constexpr auto roundsKey = "rounds"_L1;
constexpr auto createdAtKey = "createdAt"_L1;

std::optional<QUuid> requiredUuid(const QJsonObject& object, QLatin1StringView key)
{
    const auto text = json::requiredString(object, key);
    return text ? uuidFromText(*text) : std::nullopt;
}

// A whole number that fits an int; 3.5 or 1e12 is not one.
std::optional<int> requiredInt(const QJsonObject& object, QLatin1StringView key)
{
    const auto number = json::requiredNumber(object, key);
    if (!number || std::trunc(*number) != *number)
        return std::nullopt;
    if (*number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*number);
}

} // namespace

std::optional<QJsonObject> CustomTimerPhase::toJson() const
{
    if (!json::isWritable(duration))
        return std::nullopt;
    return QJsonObject{
        {idKey, uuidText(id)},
        {nameKey, name},
        {durationKey, duration},
        {colorIndexKey, colorIndex},
    };
}

std::optional<CustomTimerPhase> CustomTimerPhase::fromJson(const QJsonValue& json)
{
    if (!json.isObject())
        return std::nullopt;
    const auto object = json.toObject();
    const auto id = requiredUuid(object, idKey);
    const auto name = json::requiredString(object, nameKey);
    const auto duration = json::requiredNumber(object, durationKey);
    const auto colorIndex = requiredInt(object, colorIndexKey);
    if (!id || !name || !duration || !colorIndex)
        return std::nullopt;
    return CustomTimerPhase{*id, *name, *duration, *colorIndex};
}

QList<Phase> CustomTimer::makePhaseSequence() const
{
    QList<Phase> sequence;
    sequence.reserve(phases.size());
    for (const auto& phase : phases)
        sequence.append(
            Phase{phase.id, phase.name, phase.duration, CustomTimerPalette::color(phase.colorIndex), false});
    return sequence;
}

std::optional<QJsonObject> CustomTimer::toJson() const
{
    if (!json::isWritable(createdAt.secondsSinceReferenceDate()))
        return std::nullopt;
    const auto phaseArray = json::recordsToJson(phases);
    if (!phaseArray)
        return std::nullopt;
    return QJsonObject{
        {idKey, uuidText(id)},
        {nameKey, name},
        {phasesKey, *phaseArray},
        {roundsKey, rounds},
        {createdAtKey, json::dateValue(createdAt)},
    };
}

std::optional<CustomTimer> CustomTimer::fromJson(const QJsonValue& json)
{
    if (!json.isObject())
        return std::nullopt;
    const auto object = json.toObject();
    const auto id = requiredUuid(object, idKey);
    const auto name = json::requiredString(object, nameKey);
    const auto phaseArray = object.value(phasesKey);
    const auto phases
        = phaseArray.isArray() ? json::recordsFromJson<CustomTimerPhase>(phaseArray.toArray()) : std::nullopt;
    const auto rounds = requiredInt(object, roundsKey);
    const auto createdAt = json::requiredNumber(object, createdAtKey);
    if (!id || !name || !phases || !rounds || !createdAt)
        return std::nullopt;
    return CustomTimer{*id, *name, *phases, *rounds, platform::Date::fromSecondsSinceReferenceDate(*createdAt)};
}
