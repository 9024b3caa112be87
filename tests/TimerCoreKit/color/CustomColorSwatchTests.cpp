// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/CustomColorSwatch.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::Literals::StringLiterals;

TEST(CustomColorSwatchTest, ColorIsTheStoredComponents)
{
    const CustomColorSwatch swatch{u"s1"_s, 0.2, 0.4, 0.6, 0.5};
    EXPECT_EQ(swatch.color(), QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.5f));
    EXPECT_EQ((CustomColorSwatch{u"s2"_s, 1.2, -3, 0, 1}.color()), QColor::fromRgbF(1, 0, 0, 1));
}

TEST(CustomColorSwatchTest, RoundTripsThroughJson)
{
    const CustomColorSwatch swatch{u"2F6D"_s, 0.1, 0.2, 0.3, 0.4};
    const auto json = swatch.toJson();
    ASSERT_TRUE(json.has_value());
    EXPECT_EQ(*json, (QJsonObject{{"id", "2F6D"}, {"r", 0.1}, {"g", 0.2}, {"b", 0.3}, {"a", 0.4}}));
    EXPECT_EQ(CustomColorSwatch::fromJson(*json), swatch);
}

TEST(CustomColorSwatchTest, EveryKeyIsRequiredAndTyped)
{
    const QJsonObject valid{{"id", "x"}, {"r", 1}, {"g", 0}, {"b", 0}, {"a", 1}};
    ASSERT_TRUE(CustomColorSwatch::fromJson(valid).has_value());
    for (const auto& key : valid.keys()) {
        SCOPED_TRACE(key.toStdString());
        auto missing = valid;
        missing.remove(key);
        EXPECT_EQ(CustomColorSwatch::fromJson(missing), std::nullopt);
        auto mistyped = valid;
        mistyped.insert(key, key == u"id" ? QJsonValue(7) : QJsonValue("1"));
        EXPECT_EQ(CustomColorSwatch::fromJson(mistyped), std::nullopt);
    }
}

TEST(CustomColorSwatchTest, NonFiniteComponentHasNoJsonForm)
{
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ((CustomColorSwatch{u"x"_s, 0, 0, 0, notANumber}.toJson()), std::nullopt);
    EXPECT_EQ(CustomColorSwatch::fromJson(QJsonObject{{"id", "x"}, {"r", notANumber}, {"g", 0}, {"b", 0}, {"a", 1}}),
              std::nullopt);
}

TEST(CustomColorSwatchTest, ListIsACompactJsonArrayInItsOrder)
{
    const QList<CustomColorSwatch> swatches{{u"B"_s, 0, 0.5, 1, 1}, {u"A"_s, 1, 0, 0, 0.25}};
    const auto data = CustomColorSwatch::encodeList(swatches);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(*data, QByteArray(R"([{"a":1,"b":1,"g":0.5,"id":"B","r":0},{"a":0.25,"b":0,"g":0,"id":"A","r":1}])"));
    EXPECT_EQ(CustomColorSwatch::decodeList(*data), swatches);
    EXPECT_EQ(CustomColorSwatch::encodeList({}), QByteArray("[]"));
}

TEST(CustomColorSwatchTest, OneBadSwatchSpoilsTheWholeList)
{
    EXPECT_EQ(CustomColorSwatch::decodeList(R"([{"id":"x","r":1,"g":0,"b":0,"a":1},{"id":"y","r":1}])"), std::nullopt);
    EXPECT_EQ(CustomColorSwatch::decodeList(R"({"id":"x","r":1,"g":0,"b":0,"a":1})"), std::nullopt);
    EXPECT_EQ(CustomColorSwatch::decodeList("garbage"), std::nullopt);
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(CustomColorSwatch::encodeList({{u"x"_s, 0, 0, 0, 1}, {u"y"_s, notANumber, 0, 0, 1}}), std::nullopt);
}
