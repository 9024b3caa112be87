// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetThemeLibrary.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/DisplayColorParts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using platform::UserDefaults;
namespace Library = WidgetThemeLibrary;

namespace {

const QString selectedColorKey = QStringLiteral("com.morrowfen.kelvane.appearance.selectedColorID");

void expectNear(const ColorComponents& actual, const ColorComponents& expected)
{
    // The sRGB round trip keeps 16 bits a channel.
    constexpr double allowance = 1.0 / 65535;
    EXPECT_NEAR(actual.r, expected.r, allowance);
    EXPECT_NEAR(actual.g, expected.g, allowance);
    EXPECT_NEAR(actual.b, expected.b, allowance);
    EXPECT_NEAR(actual.a, expected.a, allowance);
}

TEST(WidgetThemeLibraryCurrent, NothingOrAnUnknownIdIsTransparent)
{
    const auto store = UserDefaults::inMemory();
    EXPECT_EQ(Library::currentThemeIdentifier(*store), u"transparent");
    EXPECT_EQ(Library::currentDisplayColor(*store), DisplayColor::transparent());
    const DotTheme theme = Library::currentTheme(*store);
    EXPECT_EQ(theme.dotColor, DisplayColor::transparent().dotColor());
    EXPECT_EQ(theme.backgroundColor, DisplayColor::transparent().backgroundColor());

    store->setString(selectedColorKey, QStringLiteral("no such colour"));
    EXPECT_EQ(Library::currentThemeIdentifier(*store), u"transparent");

    store->setString(selectedColorKey, QStringLiteral("amber"));
    EXPECT_EQ(Library::currentThemeIdentifier(*store), u"amber");
    EXPECT_EQ(Library::currentTheme(*store).dotColor, DisplayColor::amber().dotColor());
    EXPECT_EQ(Library::currentThemeIdentifier(AppGroup::userDefaults()), u"transparent")
        << "the test's shared store is empty";
}

TEST(WidgetThemeLibraryResolved, DigitColorByMode)
{
    WidgetAppearanceSettings settings;
    settings.digitPresetID = QStringLiteral("amber");
    settings.customDigitR = 1.0;
    settings.customDigitG = 0.5;
    settings.customDigitB = 0;
    settings.customDigitA = 0.8;

    settings.digitMode = QStringLiteral("custom");
    EXPECT_EQ(Library::resolvedDigitColor(settings), (ColorComponents{1.0, 0.5, 0, 0.8})) << "exactly as stored";
    settings.digitMode = QStringLiteral("multicolor");
    EXPECT_EQ(Library::resolvedDigitColor(settings), (ColorComponents{1, 1, 1, 1}));
    for (const char* mode : {"preset", "Custom", "Multicolor", ""}) {
        SCOPED_TRACE(mode);
        settings.digitMode = QString::fromLatin1(mode);
        expectNear(Library::resolvedDigitColor(settings), digitsOf(DisplayColor::amber()));
    }
}

TEST(WidgetThemeLibraryResolved, BackgroundColorByMode)
{
    WidgetAppearanceSettings settings;
    settings.backgroundPresetID = QStringLiteral("light");
    settings.customBgR = 0.25;
    settings.customBgA = 0.5;

    settings.backgroundMode = QStringLiteral("custom");
    EXPECT_EQ(Library::resolvedBackgroundColor(settings), (ColorComponents{0.25, 0, 0, 0.5}));
    for (const char* mode : {"preset", "multicolor", "CUSTOM"}) {
        SCOPED_TRACE(mode);
        settings.backgroundMode = QString::fromLatin1(mode);
        expectNear(Library::resolvedBackgroundColor(settings), backgroundOf(DisplayColor::classicBlack()));
    }
    settings.backgroundPresetID = QStringLiteral("nowhere");
    expectNear(Library::resolvedBackgroundColor(settings), backgroundOf(DisplayColor::transparent()));
}

TEST(WidgetThemeLibraryResolved, PaletteWhenEitherSwitchIsOn)
{
    WidgetAppearanceSettings settings;
    settings.multicolorPaletteID = QStringLiteral("neon");
    EXPECT_EQ(Library::resolvedPalette(settings), std::nullopt);

    settings.digitMode = QStringLiteral("multicolor");
    EXPECT_EQ(Library::resolvedPalette(settings), MulticolorPalette::neon());

    settings.digitMode = QStringLiteral("preset");
    settings.digitPresetID = QStringLiteral("amber");
    settings.isMulticolorMode = true;
    EXPECT_EQ(Library::resolvedPalette(settings), MulticolorPalette::neon());
    expectNear(Library::resolvedDigitColor(settings), digitsOf(DisplayColor::amber()));

    settings.multicolorPaletteID = QStringLiteral("plaid");
    EXPECT_EQ(Library::resolvedPalette(settings), MulticolorPalette::rainbow());
}

TEST(WidgetThemeLibraryResolved, DisplayColorIsNamedResolvedWithoutGlow)
{
    WidgetAppearanceSettings settings;
    settings.digitMode = QStringLiteral("custom");
    settings.customDigitG = 1;
    const DisplayColor color = Library::resolvedDisplayColor(settings);
    EXPECT_EQ(color.id, u"resolved");
    EXPECT_EQ(color.name, u"Resolved");
    EXPECT_EQ(color.glowColor(), std::nullopt);
    EXPECT_FALSE(color.glowR.has_value());
    EXPECT_EQ(digitsOf(color), (ColorComponents{0, 1, 0, 1}));
    expectNear(backgroundOf(color), backgroundOf(DisplayColor::classicWhite()));

    const DotTheme theme = Library::resolvedTheme(settings);
    EXPECT_EQ(theme.dotColor, QColor::fromRgbF(0, 1, 0, 1));
    EXPECT_EQ(theme.backgroundColor, DisplayColor::classicWhite().backgroundColor());
}

TEST(WidgetThemeLibraryResolved, ComponentsOutsideTheGamutStillMakeAColor)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    WidgetAppearanceSettings settings;
    settings.digitMode = settings.backgroundMode = QStringLiteral("custom");
    settings.customDigitR = nan;
    settings.customDigitG = inf;
    settings.customDigitB = 7;
    settings.customDigitA = -inf;
    settings.customBgR = -2;
    settings.customBgA = nan;
    const DotTheme theme = Library::resolvedTheme(settings);
    EXPECT_EQ(theme.dotColor, QColor::fromRgbF(0, 1, 1, 0));
    EXPECT_EQ(theme.backgroundColor, QColor::fromRgbF(0, 0, 0, 0));
}

} // namespace
