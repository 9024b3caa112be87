// SPDX-License-Identifier: GPL-3.0-or-later
// The shared helpers for lists of records kept as one JSON array.
#include "TimerCoreKit/json/JsonRecordList.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// A record read from any JSON value: a number.
struct Number {
    double value{};
    friend bool operator==(const Number&, const Number&) = default;

    std::optional<QJsonObject> toJson() const
    {
        if (!std::isfinite(value))
            return std::nullopt;
        return QJsonObject{{"n", value}};
    }
    static std::optional<Number> fromJson(const QJsonValue& json)
    {
        if (json.isDouble())
            return Number{json.toDouble()};
        const auto n = json.toObject().value("n"_L1);
        if (!n.isDouble())
            return std::nullopt;
        return Number{n.toDouble()};
    }
};

// A record read only from a JSON object.
struct Named {
    QString name;
    friend bool operator==(const Named&, const Named&) = default;

    std::optional<QJsonObject> toJson() const { return QJsonObject{{"name", name}}; }
    static std::optional<Named> fromJson(const QJsonObject& object)
    {
        const auto name = object.value("name"_L1);
        if (!name.isString())
            return std::nullopt;
        return Named{name.toString()};
    }
};

TEST(JsonRecordList, KeepsTheOrderBothWays)
{
    const QList<Named> names{{u"c"_s}, {u"a"_s}, {u"b"_s}};
    const auto data = json::recordsToJsonData(names);
    ASSERT_TRUE(data);
    EXPECT_EQ(*data, QByteArray(R"([{"name":"c"},{"name":"a"},{"name":"b"}])"));
    EXPECT_EQ(json::recordsFromJsonData<Named>(*data), names);
}

TEST(JsonRecordList, AnEmptyListIsAnEmptyArray)
{
    EXPECT_EQ(json::recordsToJsonData(QList<Named>{}), QByteArray("[]"));
    EXPECT_EQ(json::recordsFromJsonData<Named>("[]"), QList<Named>{});
}

TEST(JsonRecordList, OneUndecodableElementFailsTheWholeList)
{
    EXPECT_FALSE(json::recordsFromJsonData<Named>(R"([{"name":"a"},{"name":7}])"));
    EXPECT_FALSE(json::recordsFromJsonData<Number>(R"([1,"2",3])"));
    EXPECT_EQ(json::recordsFromJsonData<Number>(R"([1,{"n":2},3])"), (QList<Number>{{1}, {2}, {3}}));
}

TEST(JsonRecordList, ARecordReadFromAnObjectRefusesOtherElements)
{
    EXPECT_FALSE(json::recordsFromJsonData<Named>(R"([{"name":"a"},"a"])"));
    EXPECT_FALSE(json::recordsFromJsonData<Named>(R"([null])"));
    EXPECT_FALSE(json::recordsFromJson<Named>(QJsonArray{QJsonArray{}}));
}

TEST(JsonRecordList, TextThatIsNoJsonArrayDoesNotDecode)
{
    for (const char* data : {"", "not json", "{\"name\":\"a\"}", "[{\"name\":\"a\"}", "7"})
        EXPECT_FALSE(json::recordsFromJsonData<Named>(data)) << data;
}

TEST(JsonRecordList, ARecordWithNoJsonFormFailsTheWholeList)
{
    EXPECT_FALSE(json::recordsToJsonData(QList<Number>{{1}, {NAN}}));
    EXPECT_FALSE(json::recordsToJson(QList<Number>{{INFINITY}}));
}

} // namespace
