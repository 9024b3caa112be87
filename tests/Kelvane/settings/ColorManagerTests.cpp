// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settings/ColorManager.h"

#include "support/CountingBackend.h"

#include <gtest/gtest.h>

namespace {

constexpr auto appearance = "com.morrowfen.kelvane.appearance.";

QString key(const char* name)
{
    return QLatin1String(appearance) + QLatin1String(name);
}

class ColorManagerTest : public ::testing::Test {
protected:
    int totalWrites() const
    {
        int total = 0;
        for (int count : store.backend->writes)
            total += count;
        return total;
    }
    std::optional<QString> stored(const char* name) const { return store.defaults.string(key(name)); }

    CountingStore store;
};

TEST_F(ColorManagerTest, FreshStoreGivesTheDefaultsAndWritesNothing)
{
    ColorManager colors(store.defaults);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::solidPreset("dark"));
    EXPECT_EQ(colors.backgroundMode(), BackgroundMode::preset("transparent"));
    EXPECT_EQ(colors.customDotColor(), QColor(Qt::white));
    EXPECT_EQ(colors.customBackgroundColor(), QColor(Qt::black));
    EXPECT_EQ(colors.selectedPaletteID(), "rainbow");
    EXPECT_TRUE(colors.customDigitSwatches().isEmpty());
    EXPECT_EQ(totalWrites(), 0);
}

TEST_F(ColorManagerTest, OlderSettingsAreMovedOnce)
{
    struct Case {
        const char* name;
        std::optional<QString> selectedColorID;
        std::optional<QString> olderTheme;
        bool isCustom;
        bool isMulticolor;
        DigitColorMode digits;
        BackgroundMode background;
    };
    const Case cases[] = {
        {"theme default",
         {},
         "default",
         false,
         false,
         DigitColorMode::solidPreset("dark"),
         BackgroundMode::preset("transparent")},
        {"theme amber",
         {},
         "amber",
         false,
         false,
         DigitColorMode::solidPreset("amber"),
         BackgroundMode::preset("dark")},
        {"selected light",
         "light",
         {},
         false,
         false,
         DigitColorMode::solidPreset("light"),
         BackgroundMode::preset("light")},
        {"selected transparent",
         "transparent",
         {},
         false,
         false,
         DigitColorMode::solidPreset("dark"),
         BackgroundMode::preset("transparent")},
        {"custom", "amber", {}, true, false, DigitColorMode::custom(), BackgroundMode::custom()},
        {"multicolour", "light", {}, true, true, DigitColorMode::multicolor(), BackgroundMode::custom()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CountingStore fresh;
        if (c.selectedColorID)
            fresh.defaults.setString(key("selectedColorID"), *c.selectedColorID);
        if (c.olderTheme)
            fresh.defaults.setString("selectedTheme", *c.olderTheme);
        fresh.defaults.setBool(key("isCustomMode"), c.isCustom);
        fresh.defaults.setBool(key("isMulticolorMode"), c.isMulticolor);
        ColorManager colors(fresh.defaults);
        EXPECT_EQ(colors.digitMode(), c.digits);
        EXPECT_EQ(colors.backgroundMode(), c.background);
        EXPECT_FALSE(fresh.defaults.object("selectedTheme"));
        EXPECT_TRUE(fresh.defaults.string(key("digitModeDiscriminator")));
        EXPECT_TRUE(fresh.defaults.string(key("backgroundModeDiscriminator")));
    }
    // Once moved, the new keys win.
    store.defaults.setString("selectedTheme", "amber");
    store.defaults.setString(key("digitModeDiscriminator"), "multicolor");
    ColorManager colors(store.defaults);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::multicolor());
    EXPECT_TRUE(store.defaults.string("selectedTheme"));
}

TEST_F(ColorManagerTest, ModesAreWrittenForTheWidgetToo)
{
    ColorManager colors(store.defaults);
    colors.selectBackgroundPreset("light");
    EXPECT_EQ(stored("backgroundModeDiscriminator"), "preset");
    EXPECT_EQ(stored("selectedColorID"), "light");
    colors.setBackgroundMode(BackgroundMode::custom());
    EXPECT_EQ(stored("selectedColorID"), "transparent");
    colors.selectMulticolorDigits();
    EXPECT_EQ(stored("digitModeDiscriminator"), "multicolor");
    colors.selectDigitPreset("amber");
    EXPECT_EQ(stored("digitPresetID"), "amber");

    ColorManager reread(store.defaults);
    EXPECT_EQ(reread.digitMode(), DigitColorMode::solidPreset("amber"));
    EXPECT_EQ(reread.backgroundMode(), BackgroundMode::custom());
}

TEST_F(ColorManagerTest, SwatchListsHoldEightEachAndFallBackWhenTheActiveOneGoes)
{
    ColorManager colors(store.defaults);
    for (int i = 0; i < ColorManager::maximumSwatches; ++i)
        EXPECT_TRUE(colors.addCustomDigitSwatch(QColor::fromRgbF(0.1f * float(i), 0.5f, 0.5f)));
    EXPECT_FALSE(colors.addCustomDigitSwatch(Qt::red));
    EXPECT_EQ(colors.customDigitSwatches().size(), 8);
    EXPECT_TRUE(colors.addCustomBackgroundSwatch(Qt::blue)); // counted apart
    EXPECT_EQ(colors.digitMode(), DigitColorMode::custom());

    const auto active = *colors.activeCustomDigitSwatchID();
    EXPECT_EQ(active, colors.customDigitSwatches().last().id);
    colors.deleteCustomDigitSwatch("no such id");
    EXPECT_EQ(colors.customDigitSwatches().size(), 8);
    colors.deleteCustomDigitSwatch(active);
    EXPECT_EQ(colors.customDigitSwatches().size(), 7);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::solidPreset("dark"));

    ColorManager reread(store.defaults);
    EXPECT_EQ(reread.customDigitSwatches(), colors.customDigitSwatches());
    EXPECT_EQ(reread.customBackgroundSwatches().size(), 1);
}

TEST_F(ColorManagerTest, UpdatingASwatchKeepsItsPlace)
{
    ColorManager colors(store.defaults);
    colors.addCustomBackgroundSwatch(Qt::red);
    colors.addCustomBackgroundSwatch(Qt::green);
    const auto first = colors.customBackgroundSwatches().first().id;
    colors.updateCustomBackgroundSwatch(first, Qt::blue);
    EXPECT_EQ(colors.customBackgroundSwatches().first().id, first);
    EXPECT_EQ(colors.customBackgroundSwatches().first().b, 1.0);
    EXPECT_EQ(colors.activeCustomBackgroundSwatchID(), first);
    EXPECT_EQ(colors.customBackgroundColor(), QColor(Qt::blue));
    EXPECT_EQ(store.defaults.doubleValue(key("customBgB")), 1.0);
}

TEST_F(ColorManagerTest, ResolvedColorFollowsTheModes)
{
    ColorManager colors(store.defaults);
    colors.selectMulticolorDigits();
    auto resolved = colors.resolvedDisplayColor();
    EXPECT_EQ(resolved.id, "resolved");
    EXPECT_EQ((std::array{resolved.dotR, resolved.dotG, resolved.dotB, resolved.dotA}),
              (std::array{1.0, 1.0, 1.0, 1.0}));
    ASSERT_TRUE(colors.activePalette());
    EXPECT_EQ(colors.activePalette()->id, "rainbow");

    colors.setCustomDotColor(QColor::fromRgbF(0.25f, 0.5f, 0.75f));
    colors.setDigitMode(DigitColorMode::custom());
    resolved = colors.resolvedDisplayColor();
    EXPECT_NEAR(resolved.dotB, 0.75, 1e-3);
    EXPECT_FALSE(colors.activePalette());

    colors.setCustomBackgroundColor(QColor::fromRgbF(0.2f, 0.3f, 0.4f, 0.5f));
    colors.setBackgroundMode(BackgroundMode::custom());
    EXPECT_NEAR(colors.resolvedDisplayColor().bgA, 0.5, 1e-3);
}

TEST_F(ColorManagerTest, ReloadReadsWithoutWritingAndResetWritesTheDefaults)
{
    ColorManager colors(store.defaults);
    colors.addCustomDigitSwatch(Qt::red);
    store.defaults.setString(key("digitModeDiscriminator"), "multicolor");
    store.defaults.setString(key("multicolorPaletteID"), "neon");
    const int before = totalWrites();
    colors.setSuppressingPersistence(true);
    colors.reload();
    colors.setSuppressingPersistence(false);
    EXPECT_EQ(totalWrites(), before);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::multicolor());
    EXPECT_EQ(colors.selectedPaletteID(), "neon");
    EXPECT_FALSE(colors.activeCustomDigitSwatchID());

    colors.resetToDefaults();
    EXPECT_EQ(stored("digitModeDiscriminator"), "preset");
    EXPECT_EQ(stored("digitPresetID"), "dark");
    EXPECT_EQ(stored("selectedColorID"), "transparent");
    EXPECT_EQ(stored("multicolorPaletteID"), "rainbow");
    EXPECT_EQ(store.defaults.doubleValue(key("customDotR")), 1.0);
    EXPECT_EQ(store.defaults.data(key("customDigitSwatches")), QByteArray("[]"));
}

} // namespace
