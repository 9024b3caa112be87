// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/Appearance.h"
#include "shared-ui/controls/SettingsTheme.h"

#include "Palettes.h"

#include <gtest/gtest.h>

namespace {

QColor withAlpha(QColor color, float alpha)
{
    color.setAlphaF(alpha);
    return color;
}

} // namespace

TEST(AppearanceTest, DarkExactlyWhenTheWindowIsDarkerThanItsText)
{
    const struct {
        const char* name;
        QPalette palette;
        Appearance expected;
    } cases[] = {
        {"light", testpalettes::light(), Appearance::Light},
        {"dark", testpalettes::dark(), Appearance::Dark},
        {"high-contrast dark", testpalettes::highContrastDark(), Appearance::Dark},
        {"no contrast", QPalette(Qt::gray, Qt::gray, Qt::gray, Qt::gray, Qt::gray, Qt::gray, Qt::gray),
         Appearance::Light},
    };
    for (const auto& c : cases)
        EXPECT_EQ(appearanceOf(c.palette), c.expected) << c.name;
}

TEST(SettingsThemeTest, DarkPalettesUseTheFixedDarkColors)
{
    for (const auto& palette : {testpalettes::dark(), testpalettes::highContrastDark()}) {
        EXPECT_EQ(SettingsTheme::groupBackground(palette), QColor(36, 36, 36));
        EXPECT_EQ(SettingsTheme::cardBackground(palette), QColor(42, 42, 44));
        EXPECT_EQ(SettingsTheme::cardStroke(palette), withAlpha(Qt::white, 0.07f));
        EXPECT_EQ(SettingsTheme::rowDivider(palette), withAlpha(Qt::white, 0.05f));
        EXPECT_EQ(SettingsTheme::sectionHeaderText(palette), QColor::fromRgbF(0.4f, 0.4f, 0.4f));
    }
}

TEST(SettingsThemeTest, LightPalettesUseThePalettesOwnColors)
{
    const auto palette = testpalettes::light();
    EXPECT_EQ(SettingsTheme::groupBackground(palette), palette.color(QPalette::Window));
    EXPECT_EQ(SettingsTheme::cardBackground(palette), palette.color(QPalette::Base));
    EXPECT_EQ(SettingsTheme::cardStroke(palette), withAlpha(Qt::black, 0.08f));
    EXPECT_EQ(SettingsTheme::rowDivider(palette), withAlpha(Qt::black, 0.06f));
    EXPECT_EQ(SettingsTheme::sectionHeaderText(palette), withAlpha(Qt::black, 0.5f));
}
