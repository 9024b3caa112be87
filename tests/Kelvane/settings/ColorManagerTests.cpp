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
    ColorManager colours(store.defaults);
    EXPECT_EQ(colours.digitMode(), DigitColorMode::solidPreset("dark"));
    EXPECT_EQ(colours.backgroundMode(), BackgroundMode::preset("transparent"));
    EXPECT_EQ(colours.customDotColor(), QColor(Qt::white));
    EXPECT_EQ(colours.customBackgroundColor(), QColor(Qt::black));
    EXPECT_EQ(colours.selectedPaletteID(), "rainbow");
    EXPECT_TRUE(colours.customDigitSwatches().isEmpty());
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
        {"theme default", {}, "default", false, false, DigitColorMode::solidPreset("dark"),
         BackgroundMode::preset("transparent")},
        {"theme amber", {}, "amber", false, false, DigitColorMode::solidPreset("amber"),
         BackgroundMode::preset("dark")},
        {"selected light", "light", {}, false, false, DigitColorMode::solidPreset("light"),
         BackgroundMode::preset("light")},
        {"selected transparent", "transparent", {}, false, false, DigitColorMode::solidPreset("dark"),
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
        ColorManager colours(fresh.defaults);
        EXPECT_EQ(colours.digitMode(), c.digits);
        EXPECT_EQ(colours.backgroundMode(), c.background);
        EXPECT_FALSE(fresh.defaults.object("selectedTheme"));
        EXPECT_TRUE(fresh.defaults.string(key("digitModeDiscriminator")));
        EXPECT_TRUE(fresh.defaults.string(key("backgroundModeDiscriminator")));
    }
    // Once moved, the new keys win.
    store.defaults.setString("selectedTheme", "amber");
    store.defaults.setString(key("digitModeDiscriminator"), "multicolor");
    ColorManager colours(store.defaults);
    EXPECT_EQ(colours.digitMode(), DigitColorMode::multicolor());
    EXPECT_TRUE(store.defaults.string("selectedTheme"));
}

TEST_F(ColorManagerTest, ModesAreWrittenForTheWidgetToo)
{
    ColorManager colours(store.defaults);
    colours.selectBackgroundPreset("light");
    EXPECT_EQ(stored("backgroundModeDiscriminator"), "preset");
    EXPECT_EQ(stored("selectedColorID"), "light");
    colours.setBackgroundMode(BackgroundMode::custom());
    EXPECT_EQ(stored("selectedColorID"), "transparent");
    colours.selectMulticolorDigits();
    EXPECT_EQ(stored("digitModeDiscriminator"), "multicolor");
    colours.selectDigitPreset("amber");
    EXPECT_EQ(stored("digitPresetID"), "amber");

    ColorManager reread(store.defaults);
    EXPECT_EQ(reread.digitMode(), DigitColorMode::solidPreset("amber"));
    EXPECT_EQ(reread.backgroundMode(), BackgroundMode::custom());
}

TEST_F(ColorManagerTest, SwatchListsHoldEightEachAndFallBackWhenTheActiveOneGoes)
{
    ColorManager colours(store.defaults);
    for (int i = 0; i < ColorManager::maximumSwatches; ++i)
        EXPECT_TRUE(colours.addCustomDigitSwatch(QColor::fromRgbF(0.1f * float(i), 0.5f, 0.5f)));
    EXPECT_FALSE(colours.addCustomDigitSwatch(Qt::red));
    EXPECT_EQ(colours.customDigitSwatches().size(), 8);
    EXPECT_TRUE(colours.addCustomBackgroundSwatch(Qt::blue)); // counted apart
    EXPECT_EQ(colours.digitMode(), DigitColorMode::custom());

    const auto active = *colours.activeCustomDigitSwatchID();
    EXPECT_EQ(active, colours.customDigitSwatches().last().id);
    colours.deleteCustomDigitSwatch("no such id");
    EXPECT_EQ(colours.customDigitSwatches().size(), 8);
    colours.deleteCustomDigitSwatch(active);
    EXPECT_EQ(colours.customDigitSwatches().size(), 7);
    EXPECT_EQ(colours.digitMode(), DigitColorMode::solidPreset("dark"));

    ColorManager reread(store.defaults);
    EXPECT_EQ(reread.customDigitSwatches(), colours.customDigitSwatches());
    EXPECT_EQ(reread.customBackgroundSwatches().size(), 1);
}

TEST_F(ColorManagerTest, UpdatingASwatchKeepsItsPlace)
{
    ColorManager colours(store.defaults);
    colours.addCustomBackgroundSwatch(Qt::red);
    colours.addCustomBackgroundSwatch(Qt::green);
    const auto first = colours.customBackgroundSwatches().first().id;
    colours.updateCustomBackgroundSwatch(first, Qt::blue);
    EXPECT_EQ(colours.customBackgroundSwatches().first().id, first);
    EXPECT_EQ(colours.customBackgroundSwatches().first().b, 1.0);
    EXPECT_EQ(colours.activeCustomBackgroundSwatchID(), first);
    EXPECT_EQ(colours.customBackgroundColor(), QColor(Qt::blue));
    EXPECT_EQ(store.defaults.doubleValue(key("customBgB")), 1.0);
}

TEST_F(ColorManagerTest, ResolvedColourFollowsTheModes)
{
    ColorManager colours(store.defaults);
    colours.selectMulticolorDigits();
    auto resolved = colours.resolvedDisplayColor();
    EXPECT_EQ(resolved.id, "resolved");
    EXPECT_EQ((std::array{resolved.dotR, resolved.dotG, resolved.dotB, resolved.dotA}), (std::array{1.0, 1.0, 1.0, 1.0}));
    ASSERT_TRUE(colours.activePalette());
    EXPECT_EQ(colours.activePalette()->id, "rainbow");

    colours.setCustomDotColor(QColor::fromRgbF(0.25f, 0.5f, 0.75f));
    colours.setDigitMode(DigitColorMode::custom());
    resolved = colours.resolvedDisplayColor();
    EXPECT_NEAR(resolved.dotB, 0.75, 1e-3);
    EXPECT_FALSE(colours.activePalette());

    colours.setCustomBackgroundColor(QColor::fromRgbF(0.2f, 0.3f, 0.4f, 0.5f));
    colours.setBackgroundMode(BackgroundMode::custom());
    EXPECT_NEAR(colours.resolvedDisplayColor().bgA, 0.5, 1e-3);
}

TEST_F(ColorManagerTest, ReloadReadsWithoutWritingAndResetWritesTheDefaults)
{
    ColorManager colours(store.defaults);
    colours.addCustomDigitSwatch(Qt::red);
    store.defaults.setString(key("digitModeDiscriminator"), "multicolor");
    store.defaults.setString(key("multicolorPaletteID"), "neon");
    const int before = totalWrites();
    colours.setSuppressingPersistence(true);
    colours.reload();
    colours.setSuppressingPersistence(false);
    EXPECT_EQ(totalWrites(), before);
    EXPECT_EQ(colours.digitMode(), DigitColorMode::multicolor());
    EXPECT_EQ(colours.selectedPaletteID(), "neon");
    EXPECT_FALSE(colours.activeCustomDigitSwatchID());

    colours.resetToDefaults();
    EXPECT_EQ(stored("digitModeDiscriminator"), "preset");
    EXPECT_EQ(stored("digitPresetID"), "dark");
    EXPECT_EQ(stored("selectedColorID"), "transparent");
    EXPECT_EQ(stored("multicolorPaletteID"), "rainbow");
    EXPECT_EQ(store.defaults.doubleValue(key("customDotR")), 1.0);
    EXPECT_EQ(store.defaults.data(key("customDigitSwatches")), QByteArray("[]"));
}

} // namespace
