// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/json/ColorJson.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

ColorJsonReader::ColorJsonReader(const QJsonValue& json)
    : m_object(json.toObject())
    , m_ok(json.isObject())
{
}

QString ColorJsonReader::string(QLatin1StringView key)
{
    const auto value = m_object.value(key);
    if (!value.isString()) {
        m_ok = false;
        return {};
    }
    return value.toString();
}

double ColorJsonReader::number(QLatin1StringView key)
{
    return finiteNumber(m_object.value(key)).value_or(0.0);
}

std::optional<double> ColorJsonReader::optionalNumber(QLatin1StringView key)
{
    const auto value = m_object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    return finiteNumber(value);
}

QList<double> ColorJsonReader::numbers(QLatin1StringView key)
{
    const auto value = m_object.value(key);
    if (!value.isArray()) {
        m_ok = false;
        return {};
    }
    QList<double> result;
    for (const auto element : value.toArray()) {
        if (const auto number = finiteNumber(element))
            result.append(*number);
    }
    return result;
}

std::optional<double> ColorJsonReader::finiteNumber(const QJsonValue& value)
{
    // Integers count as numbers too: Qt reads 1 and 1.0 alike.
    if (!value.isDouble() || !std::isfinite(value.toDouble())) {
        m_ok = false;
        return std::nullopt;
    }
    return value.toDouble();
}

void ColorJsonWriter::insert(QLatin1StringView key, const QString& value)
{
    m_object.insert(key, value);
}

void ColorJsonWriter::insert(QLatin1StringView key, double value)
{
    m_ok = m_ok && std::isfinite(value);
    m_object.insert(key, value);
}

void ColorJsonWriter::insert(QLatin1StringView key, std::optional<double> value)
{
    if (value)
        insert(key, *value);
}

void ColorJsonWriter::insert(QLatin1StringView key, const QList<double>& values)
{
    m_ok = m_ok && std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
    QJsonArray array;
    for (const double value : values)
        array.append(value);
    m_object.insert(key, array);
}

std::optional<QJsonObject> ColorJsonWriter::object() const
{
    if (!m_ok)
        return std::nullopt;
    return m_object;
}
