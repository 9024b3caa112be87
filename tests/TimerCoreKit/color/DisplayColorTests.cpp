// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/DisplayColor.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

DisplayColor digitsOn(ColorComponents digits, ColorComponents background)
{
    return {u"test"_s, u"Test"_s, digits, background};
}

} // namespace

TEST(DisplayColorLookupTest, FindsPresetsByExactIDAndFallsBackToTransparent)
{
    const struct {
        QStringView id;
        QStringView expectedID;
    } cases[] = {
        {u"default", u"transparent"}, {u"transparent", u"transparent"},
        {u"Dark", u"transparent"},    {u"", u"transparent"},
        {u"dark", u"dark"},           {u"sunset", u"sunset"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayColor::color(c.id).id, c.expectedID) << c.id.toString().toStdString();

    for (const auto& preset : DisplayColor::allColors())
        EXPECT_EQ(DisplayColor::color(preset.id), preset);
}

TEST(DisplayColorLookupTest, DarkIsWhiteOnBlack)
{
    const auto dark = DisplayColor::color(u"dark");
    EXPECT_EQ(dark, DisplayColor::classicWhite());
    EXPECT_EQ(dark.name, u"Dark");
    EXPECT_EQ(dark.dotColor(), QColor::fromRgbF(1, 1, 1, 1));
    EXPECT_EQ(dark.backgroundColor(), QColor::fromRgbF(0, 0, 0, 1));
    EXPECT_EQ(DisplayColor::classicBlack().id, u"light");
}

TEST(DisplayColorPresetTest, NinePresetsWithDistinctIDsAndNoGlow)
{
    const auto& presets = DisplayColor::allColors();
    ASSERT_EQ(presets.size(), 9);
    EXPECT_EQ(presets.front(), DisplayColor::transparent());
    QSet<QString> ids;
    for (const auto& preset : presets) {
        ids.insert(preset.id);
        EXPECT_EQ(preset.glowColor(), std::nullopt) << preset.id.toStdString();
    }
    EXPECT_EQ(ids.size(), presets.size());
    EXPECT_EQ(QSet<DisplayColor>(presets.begin(), presets.end()).size(), presets.size());
}

TEST(DisplayColorContrastTest, PresetsAreAllReadable)
{
    const struct {
        QStringView id;
        double ratio;
    } cases[] = {
        {u"dark", 21.0},     {u"light", 21.0}, {u"amber", 12.73},   {u"greenTerminal", 15.43}, {u"blueGlow", 7.14},
        {u"vfdCyan", 11.08}, {u"sunset", 7.2}, {u"neonPink", 5.86}, {u"transparent", 21.0},
    };
    for (const auto& c : cases) {
        const auto color = DisplayColor::color(c.id);
        SCOPED_TRACE(color.id.toStdString());
        ASSERT_EQ(color.id, c.id);
        EXPECT_NEAR(color.dotBackgroundContrastRatio(), c.ratio, 0.01);
        EXPECT_FALSE(color.hasLowDigitContrast());
    }
    EXPECT_TRUE(DisplayColor::transparent().backgroundIsEffectivelyTransparent());
}

TEST(DisplayColorContrastTest, LowContrastNeedsAnOpaqueEnoughBackground)
{
    const ColorComponents white{1, 1, 1, 1};
    const struct {
        ColorComponents digits;
        ColorComponents background;
        double ratio;
        bool transparent;
        bool low;
    } cases[] = {
        {{0.5, 0.5, 0.5, 1}, {0, 0, 0, 1}, 5.28, false, false},
        {white, white, 1.0, false, true},
        {white, {1, 1, 1, 0.1}, 1.0, false, true},
        {white, {1, 1, 1, 0.0999}, 1.0, true, false},
        {white, {1, 1, 1, notANumber}, 1.0, true, false},
        // Grey digits either side of the 3:1 threshold on black.
        {{0.349, 0.349, 0.349, 1}, {0, 0, 0, 1}, 2.998, false, true},
        {{0.3495, 0.3495, 0.3495, 1}, {0, 0, 0, 1}, 3.004, false, false},
    };
    for (const auto& c : cases) {
        const auto color = digitsOn(c.digits, c.background);
        SCOPED_TRACE(testing::Message() << c.digits.r << " on " << c.background.r << " alpha " << c.background.a);
        EXPECT_NEAR(color.dotBackgroundContrastRatio(), c.ratio, 0.001);
        EXPECT_EQ(color.backgroundIsEffectivelyTransparent(), c.transparent);
        EXPECT_EQ(color.hasLowDigitContrast(), c.low);
    }
}

TEST(DisplayColorContrastTest, ThresholdItselfIsNotLow)
{
    EXPECT_FALSE(DisplayColor::isLowContrastRatio(DisplayColor::lowContrastThreshold));
    EXPECT_TRUE(DisplayColor::isLowContrastRatio(std::nextafter(DisplayColor::lowContrastThreshold, 0.0)));
    EXPECT_TRUE(DisplayColor::isLowContrastRatio(1.0));
    EXPECT_FALSE(DisplayColor::isLowContrastRatio(21.0));
}

TEST(DisplayColorLuminanceTest, FollowsWcagAndStaysInRange)
{
    const struct {
        double r, g, b;
        double luminance;
        double tolerance;
    } cases[] = {
        {0, 0, 0, 0.0, 0},
        {1, 1, 1, 1.0, 1e-12},
        {0.5, 0.5, 0.5, 0.21404, 1e-5},
        // At the threshold the component is scaled, not raised to the power;
        // the two differ only in the fourth significant digit.
        {0.03928, 0, 0, 0.2126 * (0.03928 / 12.92), 1e-12},
        // Out of range or NaN reads as the nearest valid component.
        {2, 1.5, 1e300, 1.0, 1e-12},
        {-1, -infinity, notANumber, 0.0, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(DisplayColor::relativeLuminance(c.r, c.g, c.b), c.luminance, c.tolerance)
            << c.r << ", " << c.g << ", " << c.b;

    const auto grey = digitsOn({0.5, 0.5, 0.5, 1}, {0, 0, 0, 1});
    EXPECT_NEAR(grey.dotLuminance(), 0.214, 0.001);
    EXPECT_DOUBLE_EQ(grey.backgroundLuminance(), 0.0);
    EXPECT_NEAR(digitsOn({notANumber, 3, -2, 1}, {0, 0, 0, 1}).dotBackgroundContrastRatio(), 0.7652 / 0.05, 1e-9);
}

TEST(DisplayColorGlowTest, DrawnOnlyWhenAllFourComponentsArePresent)
{
    auto color = DisplayColor(u"glow"_s, u"Glow"_s, {1, 0, 0, 1}, {0, 0, 0, 1}, ColorComponents{0, 1, 0, 0.5});
    EXPECT_EQ(color.glowA, 0.5);
    EXPECT_EQ(color.glowColor(), QColor::fromRgbF(0, 1, 0, 0.5));
    color.glowB.reset();
    EXPECT_EQ(color.glowColor(), std::nullopt);
}

class DisplayColorJsonTest : public ::testing::Test {
protected:
    // Amber as stored, with every required key.
    QJsonObject amber{
        {"id", "amber"}, {"name", "Amber"}, {"dotR", 1.0}, {"dotG", 0.75}, {"dotB", 0},
        {"dotA", 1},     {"bgR", 0},        {"bgG", 0},    {"bgB", 0},     {"bgA", 1},
    };
    const QStringList requiredKeys{"id", "name", "dotR", "dotG", "dotB", "dotA", "bgR", "bgG", "bgB", "bgA"};
};

TEST_F(DisplayColorJsonTest, DecodesWithoutGlow)
{
    EXPECT_EQ(DisplayColor::fromJson(amber), DisplayColor::amber());
}

TEST_F(DisplayColorJsonTest, PartialGlowKeepsItsValuesButDrawsNone)
{
    amber.insert("glowR", 0.25);
    amber.insert("glowA", 1);
    amber.insert("glowG", QJsonValue::Null);
    const auto color = DisplayColor::fromJson(amber);
    ASSERT_TRUE(color.has_value());
    EXPECT_EQ(color->glowR, 0.25);
    EXPECT_EQ(color->glowG, std::nullopt);
    EXPECT_EQ(color->glowB, std::nullopt);
    EXPECT_EQ(color->glowA, 1.0);
    EXPECT_EQ(color->glowColor(), std::nullopt);
}

TEST_F(DisplayColorJsonTest, RoundTripsPresetsAndGlow)
{
    auto colors = DisplayColor::allColors();
    colors.append(DisplayColor(u"glow"_s, u"Glow"_s, {1.5, 0, 0, 1}, {0, 0, 0, 0.5}, ColorComponents{0, 1, 0, 0.5}));
    for (const auto& color : colors) {
        const auto json = color.toJson();
        ASSERT_TRUE(json.has_value()) << color.id.toStdString();
        EXPECT_EQ(DisplayColor::fromJson(*json), color);
        EXPECT_EQ(json->contains("glowR"), color.glowR.has_value());
    }
}

TEST_F(DisplayColorJsonTest, AnyMissingOrMistypedRequiredKeyFailsTheRecord)
{
    for (const auto& key : requiredKeys) {
        SCOPED_TRACE(key.toStdString());
        auto missing = amber;
        missing.remove(key);
        EXPECT_EQ(DisplayColor::fromJson(missing), std::nullopt);

        const bool isText = key == u"id" || key == u"name";
        for (const QJsonValue& wrong :
             {QJsonValue(isText ? QJsonValue(1) : QJsonValue("1")), QJsonValue(true), QJsonValue(QJsonValue::Null)}) {
            auto mistyped = amber;
            mistyped.insert(key, wrong);
            EXPECT_EQ(DisplayColor::fromJson(mistyped), std::nullopt);
        }
    }
    EXPECT_EQ(DisplayColor::fromJson(QJsonValue("amber")), std::nullopt);
}

TEST_F(DisplayColorJsonTest, BadGlowValueFailsTheRecord)
{
    for (const QJsonValue& wrong : {QJsonValue("0.5"), QJsonValue(notANumber), QJsonValue(QJsonArray{0.5})}) {
        auto json = amber;
        json.insert("glowB", wrong);
        EXPECT_EQ(DisplayColor::fromJson(json), std::nullopt);
    }
}

TEST_F(DisplayColorJsonTest, NonFiniteComponentsHaveNoJsonForm)
{
    auto json = amber;
    json.insert("dotG", infinity);
    EXPECT_EQ(DisplayColor::fromJson(json), std::nullopt);

    auto color = DisplayColor::amber();
    color.bgA = notANumber;
    EXPECT_EQ(color.toJson(), std::nullopt);
    color = DisplayColor::amber();
    color.glowR = -infinity;
    EXPECT_EQ(color.toJson(), std::nullopt);
}
