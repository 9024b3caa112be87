// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using platform::StoredValue;
using platform::UserDefaults;

namespace {

QString key(const char* name)
{
    return QStringLiteral("com.morrowfen.kelvane.") + QLatin1StringView(name);
}

TEST(WidgetAppearanceSettingsTest, EmptyStoreGivesEveryDefault)
{
    const auto settings = WidgetAppearanceSettings::current(*UserDefaults::inMemory());
    EXPECT_EQ(settings, WidgetAppearanceSettings{});
    EXPECT_EQ(settings.displayType, WidgetDisplayType::DotMatrix);
    EXPECT_EQ(settings.dotWeight, DotWeight::Regular);
    EXPECT_EQ(settings.dotShape, DotShape::Rounded);
    EXPECT_EQ(settings.colonMode, ColonMode::Contextual);
    EXPECT_FALSE(settings.showLeadingZero);
    EXPECT_EQ(settings.timeFormat, TimeFormat::Minimal);
    EXPECT_EQ(settings.themeID, u"classic");
    EXPECT_EQ(settings.selectedColorID, u"dark");
    EXPECT_EQ(settings.completionDisplayBehavior, CompletionBehavior::ShowCheckmark);
    EXPECT_FALSE(settings.isMulticolorMode);
    EXPECT_EQ(settings.multicolorPaletteID, u"rainbow");
    EXPECT_EQ(settings.digitMode, u"preset");
    EXPECT_EQ(settings.backgroundMode, u"preset");
    EXPECT_EQ(settings.digitPresetID, u"dark");
    EXPECT_EQ(settings.backgroundPresetID, u"dark");
    EXPECT_EQ(settings.customDigitR, 0);
    EXPECT_EQ(settings.customDigitA, 1);
    EXPECT_EQ(settings.customBgB, 0);
    EXPECT_EQ(settings.customBgA, 1);
    EXPECT_EQ(WidgetAppearanceSettings::current(AppGroup::userDefaults()), WidgetAppearanceSettings{})
        << "the test's shared store is empty";
}

struct StoredCase {
    const char* name;
    std::vector<std::pair<const char*, StoredValue>> stored;
    // The defaults, changed to what this case expects.
    std::function<void(WidgetAppearanceSettings&)> expect;
};

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

QByteArray styleJson(const char* json)
{
    return QByteArray(json);
}

const StoredCase storedCases[] = {
    {"seven segment without suffix", {{"appearance.displayType", QStringLiteral("sevenSegment")}}, {}},
    {"seven segment",
     {{"appearance.displayType", QStringLiteral("sevenSegmentV2")}},
     [](auto& s) { s.displayType = WidgetDisplayType::SevenSegment; }},
    {"square in capitals", {{"appearance.dotShape", QStringLiteral("Square")}}, {}},
    {"square", {{"appearance.dotShape", QStringLiteral("square")}}, [](auto& s) { s.dotShape = DotShape::Square; }},
    {"bold", {{"appearance.dotWeight", QStringLiteral("bold")}}, [](auto& s) { s.dotWeight = DotWeight::Bold; }},
    {"weight unknown", {{"appearance.dotWeight", QStringLiteral("heavy")}}, {}},
    {"pulsing colon",
     {{"appearance.colonMode", QStringLiteral("pulsing")}},
     [](auto& s) { s.colonMode = ColonMode::Pulsing; }},
    {"standard in capitals", {{"appearance.timeFormat", QStringLiteral("STANDARD")}}, {}},
    {"standard",
     {{"appearance.timeFormat", QStringLiteral("standard")}},
     [](auto& s) { s.timeFormat = TimeFormat::Standard; }},
    {"leading zero", {{"appearance.showLeadingZero", true}}, [](auto& s) { s.showLeadingZero = true; }},
    {"leading zero as text", {{"appearance.showLeadingZero", QStringLiteral("true")}}, {}},
    {"light colour is both presets",
     {{"appearance.selectedColorID", QStringLiteral("light")}},
     [](auto& s) { s.selectedColorID = s.digitPresetID = s.backgroundPresetID = QStringLiteral("light"); }},
    {"own preset ids",
     {{"appearance.selectedColorID", QStringLiteral("light")},
      {"appearance.digitPresetID", QStringLiteral("amber")},
      {"appearance.backgroundPresetID", QStringLiteral("nowhere")}},
     [](auto& s) {
         s.selectedColorID = QStringLiteral("light");
         s.digitPresetID = QStringLiteral("amber");
         s.backgroundPresetID = QStringLiteral("nowhere");
     }},
    {"ids and modes as stored",
     {{"theme.selectedID", QStringLiteral("retro")},
      {"appearance.multicolorPaletteID", QStringLiteral("neon")},
      {"appearance.digitModeDiscriminator", QStringLiteral("Custom")},
      {"appearance.backgroundModeDiscriminator", QStringLiteral("custom")}},
     [](auto& s) {
         s.themeID = QStringLiteral("retro");
         s.multicolorPaletteID = QStringLiteral("neon");
         s.digitMode = QStringLiteral("Custom");
         s.backgroundMode = QStringLiteral("custom");
     }},
    {"play animation",
     {{"completion.displayBehavior", QStringLiteral("playAnimation")}},
     [](auto& s) { s.completionDisplayBehavior = CompletionBehavior::PlayAnimation; }},
    {"behaviour unknown", {{"completion.displayBehavior", QStringLiteral("explode")}}, {}},
    {"multicolour by the store's conversion",
     {{"appearance.isMulticolorMode", QStringLiteral("yes")}},
     [](auto& s) { s.isMulticolorMode = true; }},
    // A later solid choice is not overridden by the flag it replaced.
    {"the digit mode decides over the older multicolour flag",
     {{"appearance.isMulticolorMode", true}, {"appearance.digitModeDiscriminator", QStringLiteral("preset")}},
     {}},
    {"the older multicolour flag beside a multicolour digit mode",
     {{"appearance.isMulticolorMode", true}, {"appearance.digitModeDiscriminator", QStringLiteral("multicolor")}},
     [](auto& s) { s.digitMode = QStringLiteral("multicolor"); }},
    {"custom digit alpha zero, red absent", {{"appearance.customDotA", 0.0}}, [](auto& s) { s.customDigitA = 0; }},
    {"custom components",
     {{"appearance.customDotR", 1.0},
      {"appearance.customDotG", QStringLiteral("0.5")},
      {"appearance.customDotB", qint64(2)},
      {"appearance.customBgR", QStringLiteral("red")},
      {"appearance.customBgA", QStringLiteral("0.5")}},
     [](auto& s) {
         s.customDigitR = 1;
         s.customDigitG = 0.5; // the store converts text to numbers
         s.customDigitB = 2; // passed on unclamped
     }},
    {"non-finite components are not colours",
     {{"appearance.customDotR", nan},
      {"appearance.customDotG", QStringLiteral("inf")},
      {"appearance.customDotA", nan},
      {"appearance.customBgB", -inf},
      {"appearance.customBgA", inf}},
     {}},
    // The app's Appearance page writes only the style configuration.
    {"style configuration wins over the separate keys",
     {{"appearance.styleConfig", styleJson(R"({"dotWeight":"bold","dotShape":"square","colonMode":"pulsing"})")},
      {"appearance.dotWeight", QStringLiteral("light")},
      {"appearance.dotShape", QStringLiteral("rounded")},
      {"appearance.colonMode", QStringLiteral("always")}},
     [](auto& s) {
         s.dotWeight = DotWeight::Bold;
         s.dotShape = DotShape::Square;
         s.colonMode = ColonMode::Pulsing;
     }},
    {"empty style configuration has its own defaults",
     {{"appearance.styleConfig", styleJson("{}")}, {"appearance.colonMode", QStringLiteral("contextual")}},
     [](auto& s) { s.colonMode = ColonMode::Always; }},
    {"style configuration as text",
     {{"appearance.styleConfig", QStringLiteral(R"({"dotWeight":"light"})")}},
     [](auto& s) {
         s.dotWeight = DotWeight::Light;
         s.colonMode = ColonMode::Always;
     }},
    {"undecodable style configuration falls back",
     {{"appearance.styleConfig", styleJson(R"({"dotShape":"hexagon","dotWeight":"bold"})")},
      {"appearance.dotShape", QStringLiteral("square")}},
     [](auto& s) { s.dotShape = DotShape::Square; }},
    {"style configuration that is not JSON falls back",
     {{"appearance.styleConfig", styleJson("{bold")}, {"appearance.colonMode", QStringLiteral("pulsing")}},
     [](auto& s) { s.colonMode = ColonMode::Pulsing; }},
    {"style configuration of the wrong kind falls back",
     {{"appearance.styleConfig", qint64(7)}, {"appearance.dotWeight", QStringLiteral("bold")}},
     [](auto& s) { s.dotWeight = DotWeight::Bold; }},
};

class WidgetAppearanceStored : public ::testing::TestWithParam<StoredCase> { };

TEST_P(WidgetAppearanceStored, ReadsTheDocumentedValue)
{
    const auto& c = GetParam();
    const auto store = UserDefaults::inMemory();
    for (const auto& [name, value] : c.stored)
        store->setObject(key(name), value);
    WidgetAppearanceSettings expected;
    if (c.expect)
        c.expect(expected);
    EXPECT_EQ(WidgetAppearanceSettings::current(*store), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, WidgetAppearanceStored, ::testing::ValuesIn(storedCases),
                         [](const auto& testCase) { return caseName(testCase.param.name); });

TEST(WidgetDisplayTypeTest, NamesAndRawStrings)
{
    const std::array<std::tuple<WidgetDisplayType, const char*, const char*>, 4> rows{{
        {WidgetDisplayType::DotMatrix, "dotMatrix", "Dot Matrix"},
        {WidgetDisplayType::SevenSegment, "sevenSegmentV2", "7-Segment"},
        {WidgetDisplayType::FlipClock, "flipClock", "Flip Clock"},
        {WidgetDisplayType::SmallAndBig, "smallAndBig", "Small & Big"},
    }};
    for (const auto& [type, raw, name] : rows) {
        EXPECT_EQ(platform::rawValue(type), QLatin1StringView(raw));
        EXPECT_EQ(displayName(type), QString::fromUtf8(name));
    }
    EXPECT_EQ(platform::fromRawValue<WidgetDisplayType>(u"sevenSegment"), std::nullopt);
}

} // namespace
