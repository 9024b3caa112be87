// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerStateSnapshot.h"

#include "TimerCoreKit/engine/TimerPreset.h"
#include "TimerCoreKit/json/JsonFields.h"

#include <QJsonDocument>

namespace {

constexpr QLatin1StringView modeKey{"mode"};
constexpr QLatin1StringView durationKey{"duration"};
constexpr QLatin1StringView remainingKey{"remaining"};
constexpr QLatin1StringView endDateKey{"endDate"};
constexpr QLatin1StringView selectedPresetIDKey{"selectedPresetID"};
constexpr QLatin1StringView directionKey{"direction"};
constexpr QLatin1StringView elapsedKey{"elapsed"};
constexpr QLatin1StringView startDateKey{"startDate"};

// Reads an optional field: absent or null gives `fallback`; a present value of
// the wrong kind fails.
template <typename T, typename Read>
bool readOptional(const QJsonObject& object, QLatin1StringView key, T& out, Read read)
{
    if (!json::isSet(object, key))
        return true;
    const auto value = read(object, key);
    if (!value)
        return false;
    out = *value;
    return true;
}

std::optional<platform::Date> readDate(const QJsonObject& object, QLatin1StringView key)
{
    const auto seconds = json::requiredNumber(object, key);
    if (!seconds)
        return std::nullopt;
    return platform::Date::fromSecondsSinceReferenceDate(*seconds);
}

} // namespace

TimerStateSnapshot TimerStateSnapshot::defaultSnapshot()
{
    const auto preset = TimerPresetLibrary::preset(QString(TimerPresetConstants::defaultPresetID),
                                                   TimerPresetConstants::defaultCustomDuration);
    TimerStateSnapshot snapshot;
    snapshot.mode = TimerMode::Idle;
    snapshot.duration = preset.duration;
    snapshot.remaining = preset.duration;
    snapshot.selectedPresetID = preset.id;
    return snapshot;
}

std::optional<QByteArray> TimerStateSnapshot::toJson() const
{
    for (double number : {duration, remaining, elapsed}) {
        if (!json::isWritable(number))
            return std::nullopt;
    }
    for (const auto& date : {endDate, startDate}) {
        if (date && !json::isWritable(date->secondsSinceReferenceDate()))
            return std::nullopt;
    }

    QJsonObject object;
    object.insert(modeKey, platform::toJson(mode));
    object.insert(durationKey, duration);
    object.insert(remainingKey, remaining);
    if (endDate)
        object.insert(endDateKey, json::dateValue(*endDate));
    if (selectedPresetID)
        object.insert(selectedPresetIDKey, *selectedPresetID);
    object.insert(directionKey, platform::toJson(direction));
    object.insert(elapsedKey, elapsed);
    if (startDate)
        object.insert(startDateKey, json::dateValue(*startDate));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<TimerStateSnapshot> TimerStateSnapshot::fromJson(const QByteArray& data)
{
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const auto object = document.object();

    const auto mode = json::requiredEnum<TimerMode>(object, modeKey);
    const auto duration = json::requiredNumber(object, durationKey);
    const auto remaining = json::requiredNumber(object, remainingKey);
    if (!mode || !duration || !remaining)
        return std::nullopt;

    TimerStateSnapshot snapshot;
    snapshot.mode = *mode;
    snapshot.duration = *duration;
    snapshot.remaining = *remaining;
    const bool ok = readOptional(object, endDateKey, snapshot.endDate, readDate)
        && readOptional(object, selectedPresetIDKey, snapshot.selectedPresetID, json::requiredString)
        && readOptional(object, directionKey, snapshot.direction, json::requiredEnum<TimerDirection>)
        && readOptional(object, elapsedKey, snapshot.elapsed, json::requiredNumber)
        && readOptional(object, startDateKey, snapshot.startDate, readDate);
    if (!ok)
        return std::nullopt;
    return snapshot;
}
