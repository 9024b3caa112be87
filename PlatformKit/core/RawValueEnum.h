// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Option enums whose cases carry stable raw strings: the strings are what the
// shared store and its JSON hold, so they never change once shipped.
//
// A type opts in by specialising RawValues with a `cases` array of
// {case, raw string} pairs in declaration order:
//
//   template <> struct platform::RawValues<TimerMode> {
//       static constexpr std::array cases{
//           std::pair{TimerMode::Idle, std::string_view{"idle"}}, ...};
//   };

#include <QJsonValue>
#include <QString>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace platform {

template <typename E>
struct RawValues;

template <typename E>
concept RawValueEnum = requires
{
    RawValues<E>::cases;
};

template <RawValueEnum E>
constexpr auto allCases()
{
    constexpr auto& table = RawValues<E>::cases;
    std::array<E, table.size()> result{};
    for (std::size_t i = 0; i < table.size(); ++i)
        result[i] = table[i].first;
    return result;
}

template <RawValueEnum E>
constexpr std::string_view rawValueView(E value)
{
    for (const auto& [option, raw] : RawValues<E>::cases) {
        if (option == value)
            return raw;
    }
    return {};
}

template <RawValueEnum E>
QString rawValue(E value)
{
    const auto raw = rawValueView(value);
    return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
}

template <RawValueEnum E>
std::optional<E> fromRawValue(QStringView raw)
{
    for (const auto& [option, name] : RawValues<E>::cases) {
        if (raw == QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())))
            return option;
    }
    return std::nullopt;
}

template <RawValueEnum E>
QJsonValue toJson(E value)
{
    return QJsonValue(rawValue(value));
}

// Only a JSON string naming one of the cases decodes.
template <RawValueEnum E>
std::optional<E> fromJson(const QJsonValue& json)
{
    if (!json.isString())
        return std::nullopt;
    return fromRawValue<E>(json.toString());
}

} // namespace platform
