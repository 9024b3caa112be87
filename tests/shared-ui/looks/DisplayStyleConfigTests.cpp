// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayStyleConfig.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QJsonObject parse(const char* text)
{
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

} // namespace

TEST(DisplayStyleConfigTest, DefaultsAreRegularRoundedAlwaysWithBloom)
{
    const DisplayStyleConfig config = DisplayStyleConfig::defaultConfig();
    EXPECT_EQ(config, DisplayStyleConfig{});
    EXPECT_EQ(config.dotWeight, DotWeight::Regular);
    EXPECT_EQ(config.dotShape, DotShape::Rounded);
    EXPECT_FALSE(config.showDimmedOffCells);
    EXPECT_EQ(config.colonMode, ColonMode::Always);
    EXPECT_EQ(config.segmentThickness, SegmentThickness::Regular);
    EXPECT_EQ(config.flipSpeed, FlipSpeed::Normal);
    EXPECT_TRUE(config.bloomEnabled);
}

TEST(DisplayStyleConfigTest, BackgroundCornerRadiusFollowsTheScaleOnly)
{
    DisplayStyleConfig other;
    other.dotShape = DotShape::Square;
    other.bloomEnabled = false;
    for (const auto& config : {DisplayStyleConfig{}, other}) {
        EXPECT_EQ(config.backgroundCornerRadius(DisplayScale::Compact), 4.5);
        EXPECT_EQ(config.backgroundCornerRadius(DisplayScale::Regular), 6);
        EXPECT_EQ(config.backgroundCornerRadius(DisplayScale::Floating), 24);
    }
}

TEST(DisplayStyleConfigTest, EncodesExactlyTheSevenFields)
{
    DisplayStyleConfig config;
    config.dotWeight = DotWeight::Bold;
    config.dotShape = DotShape::Square;
    config.showDimmedOffCells = true;
    config.colonMode = ColonMode::Pulsing;
    config.segmentThickness = SegmentThickness::Thick;
    config.flipSpeed = FlipSpeed::Fast;
    config.bloomEnabled = false;

    const QJsonObject json = config.toJson();
    EXPECT_EQ(json, parse(R"({"dotWeight": "bold", "dotShape": "square", "showDimmedOffCells": true,
                              "colonMode": "pulsing", "segmentThickness": "thick", "flipSpeed": "fast",
                              "bloomEnabled": false})"));
    EXPECT_EQ(DisplayStyleConfig::fromJson(json), config);
    EXPECT_EQ(DisplayStyleConfig::fromJson(DisplayStyleConfig::defaultConfig().toJson()),
              DisplayStyleConfig::defaultConfig());
    EXPECT_EQ(DisplayStyleConfig{}.toJson().size(), 7);
}

TEST(DisplayStyleConfigTest, MissingAndNullKeysTakeTheirDefaults)
{
    DisplayStyleConfig bloomOff;
    bloomOff.bloomEnabled = false;
    DisplayStyleConfig thin;
    thin.segmentThickness = SegmentThickness::Thin;

    const struct {
        const char* json;
        DisplayStyleConfig expected;
    } cases[] = {
        {"{}", {}},
        {R"({"bloomEnabled": false})", bloomOff},
        {R"({"dotWeight": null, "bloomEnabled": null, "colonMode": null})", {}},
        {R"({"segmentThickness": "thin", "someFutureKey": 3})", thin},
        {R"({"backgroundCornerStyle": "rounded", "bloomEnabled": false})", bloomOff},
        {R"({"backgroundCornerStyle": null})", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(DisplayStyleConfig::fromJson(parse(c.json)), c.expected);
    }
}

TEST(DisplayStyleConfigTest, AWrongValueFailsTheWholeObject)
{
    const char* cases[] = {
        R"({"dotShape": "hexagon"})",
        R"({"dotWeight": "Regular"})",
        R"({"colonMode": 1, "bloomEnabled": false})",
        R"({"showDimmedOffCells": "true"})",
        R"({"bloomEnabled": 0})",
        R"({"flipSpeed": "warp"})",
        R"({"segmentThickness": ["thin"]})",
        R"({"backgroundCornerStyle": 4})",
    };
    for (const char* json : cases) {
        SCOPED_TRACE(json);
        EXPECT_EQ(DisplayStyleConfig::fromJson(parse(json)), std::nullopt);
    }
    EXPECT_EQ(DisplayStyleConfig::fromJson(QJsonValue(QStringLiteral("{}"))), std::nullopt);
    EXPECT_EQ(DisplayStyleConfig::fromJson(QJsonValue()), std::nullopt);
}
