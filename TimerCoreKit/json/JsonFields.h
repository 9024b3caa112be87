// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/Date.h"
#include "PlatformKit/core/RawValueEnum.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cmath>
#include <optional>

// Typed reading of JSON object fields for the shared records. Each reader
// reports failure instead of guessing: a wrong type fails the whole record.
namespace json {

// A field present and non-null.
inline bool isSet(const QJsonObject& object, QLatin1StringView key)
{
    const auto value = object.value(key);
    return !value.isUndefined() && !value.isNull();
}

inline std::optional<double> requiredNumber(const QJsonObject& object, QLatin1StringView key)
{
    const auto value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    return value.toDouble();
}

inline std::optional<QString> requiredString(const QJsonObject& object, QLatin1StringView key)
{
    const auto value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

inline std::optional<bool> requiredBool(const QJsonObject& object, QLatin1StringView key)
{
    const auto value = object.value(key);
    if (!value.isBool())
        return std::nullopt;
    return value.toBool();
}

template <platform::RawValueEnum E>
std::optional<E> requiredEnum(const QJsonObject& object, QLatin1StringView key)
{
    return platform::fromJson<E>(object.value(key));
}

inline QJsonValue dateValue(platform::Date date)
{
    return QJsonValue(date.secondsSinceReferenceDate());
}

inline bool isWritable(double number)
{
    return std::isfinite(number);
}

} // namespace json
