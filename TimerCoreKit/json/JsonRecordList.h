// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>

#include <optional>

// Arrays of records that are read and written whole, in their order: one
// element that does not decode, or one record with no JSON form, fails the
// whole array. A record type offers `std::optional<QJsonObject> toJson() const`
// and `static std::optional<Record> fromJson(const QJsonValue&)`, or a
// `fromJson(const QJsonObject&)`, for which an element that is not an object
// does not decode.
namespace json {

namespace detail {

template <typename Record>
std::optional<Record> recordFromJson(const QJsonValue& element)
{
    if constexpr (requires { Record::fromJson(element); }) {
        return Record::fromJson(element);
    } else {
        if (!element.isObject())
            return std::nullopt;
        return Record::fromJson(element.toObject());
    }
}

} // namespace detail

template <typename Record>
std::optional<QList<Record>> recordsFromJson(const QJsonArray& array)
{
    QList<Record> records;
    records.reserve(array.size());
    for (const auto element : array) {
        auto record = detail::recordFromJson<Record>(QJsonValue(element));
        if (!record)
            return std::nullopt;
        records.append(std::move(*record));
    }
    return records;
}

template <typename Record>
std::optional<QJsonArray> recordsToJson(const QList<Record>& records)
{
    QJsonArray array;
    for (const auto& record : records) {
        const auto object = record.toJson();
        if (!object)
            return std::nullopt;
        array.append(*object);
    }
    return array;
}

// A list as the shared store keeps it, the UTF-8 text of a JSON array: none
// when the text is not JSON, is not an array, or an element does not decode.
template <typename Record>
std::optional<QList<Record>> recordsFromJsonData(const QByteArray& data)
{
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    return recordsFromJson<Record>(document.array());
}

// The compact JSON text of the list; none when a record has no JSON form.
template <typename Record>
std::optional<QByteArray> recordsToJsonData(const QList<Record>& records)
{
    const auto array = recordsToJson(records);
    if (!array)
        return std::nullopt;
    return QJsonDocument(*array).toJson(QJsonDocument::Compact);
}

} // namespace json
