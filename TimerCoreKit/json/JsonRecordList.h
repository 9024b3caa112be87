#pragma once

#include <QJsonArray>
#include <QList>

#include <optional>

// Arrays of records that are read and written whole: one element that does not
// decode, or one record with no JSON form, fails the whole array. A record
// type offers `std::optional<QJsonObject> toJson() const` and
// `static std::optional<Record> fromJson(const QJsonValue&)`.
namespace json {

template <typename Record>
std::optional<QList<Record>> recordsFromJson(const QJsonArray& array)
{
    QList<Record> records;
    records.reserve(array.size());
    for (const auto element : array) {
        auto record = Record::fromJson(element);
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

} // namespace json
