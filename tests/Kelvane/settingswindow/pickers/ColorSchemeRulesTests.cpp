// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorPendingSwatch.h"
#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace ColorSchemeRules;

namespace {

QStringList ids(const QList<DisplayColor>& presets)
{
    QStringList result;
    for (const DisplayColor& preset : presets)
        result.append(preset.id);
    return result;
}

DisplayColor colors(QColor digits, QColor background)
{
    return DisplayColor(u"test"_s, u"Test"_s, {digits.redF(), digits.greenF(), digits.blueF(), digits.alphaF()},
                        {background.redF(), background.greenF(), background.blueF(), background.alphaF()});
}

CustomColorSwatch swatch(const QString& id)
{
    return {id, 0.5, 0.5, 0.5, 1};
}

} // namespace

TEST(ColorSchemeRulesTest, SchemeModeFollowsTheDigitMode)
{
    EXPECT_EQ(schemeMode(DigitColorMode::solidPreset(u"amber"_s)), SchemeMode::Single);
    EXPECT_EQ(schemeMode(DigitColorMode::custom()), SchemeMode::Single);
    EXPECT_EQ(schemeMode(DigitColorMode::multicolor()), SchemeMode::Multicolor);
    EXPECT_EQ(schemeAccessibilityValue(DigitColorMode::multicolor()), u"Multicolor"_s);
    EXPECT_EQ(schemeAccessibilityValue(DigitColorMode::custom()), u"Single colour"_s);
}

TEST(ColorSchemeRulesTest, ChoosingASchemeChangesOnlyWhatItMust)
{
    struct Case {
        const char* name;
        SchemeMode chosen;
        DigitColorMode current;
        std::optional<QString> stored;
        std::optional<DigitColorMode> expected;
    };
    const Case cases[] = {
        {"multicolour from a preset",
         SchemeMode::Multicolor,
         DigitColorMode::solidPreset(u"amber"_s),
         {},
         DigitColorMode::multicolor()},
        {"single out of multicolour, stored preset", SchemeMode::Single, DigitColorMode::multicolor(), u"vfdCyan"_s,
         DigitColorMode::solidPreset(u"vfdCyan"_s)},
        {"single out of multicolour, nothing stored",
         SchemeMode::Single,
         DigitColorMode::multicolor(),
         {},
         DigitColorMode::solidPreset(u"dark"_s)},
        {"single while a preset is on", SchemeMode::Single, DigitColorMode::solidPreset(u"amber"_s), u"light"_s, {}},
        {"single while custom", SchemeMode::Single, DigitColorMode::custom(), u"light"_s, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(digitModeForChoice(c.chosen, c.current, c.stored), c.expected) << c.name;
}

TEST(ColorSchemeRulesTest, GridsOfferTheirPresets)
{
    EXPECT_EQ(ids(digitPresets()),
              (QStringList{u"dark"_s, u"light"_s, u"amber"_s, u"greenTerminal"_s, u"blueGlow"_s, u"vfdCyan"_s,
                           u"sunset"_s, u"neonPink"_s}));
    EXPECT_EQ(ids(backgroundPresets()), (QStringList{u"transparent"_s, u"dark"_s, u"light"_s}));
}

TEST(ColorSchemeRulesTest, ShortNamesMatchWholeNamesOnly)
{
    const std::pair<QString, QString> cases[] = {
        {u"Dark"_s, u"White"_s},
        {u"Light"_s, u"Black"_s},
        {u"Amber"_s, u"Amber"_s},
        {u"Green Terminal"_s, u"Green"_s},
        {u"Blue Glow"_s, u"Blue"_s},
        {u"VFD Cyan"_s, u"Cyan"_s},
        {u"Sunset"_s, u"Orange"_s},
        {u"Neon Pink"_s, u"Pink"_s},
        {u"Transparent"_s, u"Transparent"_s},
        {u"dark"_s, u"dark"_s},
        {u"Dark Blue"_s, u"Dark Blue"_s},
        {u"Green"_s, u"Green"_s},
    };
    for (const auto& [name, shortName] : cases)
        EXPECT_EQ(shortSwatchName(name), shortName) << name.toStdString();
}

TEST(ColorSchemeRulesTest, SelectionMarksNeedTheSameModeAndID)
{
    EXPECT_TRUE(isDigitPresetSelected(DigitColorMode::solidPreset(u"amber"_s), u"amber"_s));
    EXPECT_FALSE(isDigitPresetSelected(DigitColorMode::solidPreset(u"amber"_s), u"dark"_s));
    EXPECT_FALSE(isDigitPresetSelected(DigitColorMode::custom(), u"dark"_s));
    EXPECT_FALSE(isDigitPresetSelected(DigitColorMode::multicolor(), u"dark"_s));
    EXPECT_TRUE(isBackgroundPresetSelected(BackgroundMode::preset(u"light"_s), u"light"_s));
    EXPECT_FALSE(isBackgroundPresetSelected(BackgroundMode::preset(u"amber"_s), u"dark"_s));
    EXPECT_FALSE(isBackgroundPresetSelected(BackgroundMode::custom(), u"transparent"_s));
    EXPECT_TRUE(isCustomSwatchSelected(u"a"_s, u"a"_s));
    EXPECT_FALSE(isCustomSwatchSelected(u"a"_s, u"b"_s));
    EXPECT_FALSE(isCustomSwatchSelected(std::nullopt, u""_s));
}

TEST(ColorSchemeRulesTest, CaptionsNameAndShowTheChosenColor)
{
    const QColor custom(10, 20, 30, 200);
    struct DigitCase {
        DigitColorMode mode;
        QString name;
        QColor color;
    };
    const DigitCase digitCases[] = {
        {DigitColorMode::solidPreset(u"dark"_s), u"White"_s, DisplayColor::classicWhite().dotColor()},
        {DigitColorMode::solidPreset(u"sunset"_s), u"Orange"_s, DisplayColor::sunset().dotColor()},
        // An unknown id shows the fallback preset.
        {DigitColorMode::solidPreset(u"gone"_s), u"Transparent"_s, DisplayColor::transparent().dotColor()},
        {DigitColorMode::custom(), u"Custom"_s, custom},
    };
    for (const DigitCase& c : digitCases) {
        EXPECT_EQ(digitSelectionName(c.mode), c.name);
        EXPECT_EQ(digitSelectionColor(c.mode, custom), c.color) << c.name.toStdString();
    }
    struct BackgroundCase {
        BackgroundMode mode;
        QString name;
        QColor color;
    };
    const BackgroundCase backgroundCases[] = {
        {BackgroundMode::preset(u"transparent"_s), u"Transparent"_s, DisplayColor::transparent().backgroundColor()},
        {BackgroundMode::preset(u"dark"_s), u"Dark"_s, DisplayColor::classicWhite().backgroundColor()},
        {BackgroundMode::preset(u"light"_s), u"Light"_s, DisplayColor::classicBlack().backgroundColor()},
        {BackgroundMode::preset(u"amber"_s), u"Amber"_s, DisplayColor::amber().backgroundColor()},
        {BackgroundMode::preset(u"neon pink"_s), u"Neon Pink"_s, DisplayColor::transparent().backgroundColor()},
        {BackgroundMode::custom(), u"Custom"_s, custom},
    };
    for (const BackgroundCase& c : backgroundCases) {
        EXPECT_EQ(backgroundSelectionName(c.mode), c.name);
        EXPECT_EQ(backgroundSelectionColor(c.mode, custom), c.color) << c.name.toStdString();
    }
    EXPECT_EQ(backgroundSelectionColor(BackgroundMode::preset(u"transparent"_s), custom).alpha(), 0);
}

TEST(ColorSchemeRulesTest, AddTileOnlyWhileThereIsRoom)
{
    EXPECT_TRUE(showsAddTile(0));
    EXPECT_TRUE(showsAddTile(7));
    EXPECT_FALSE(showsAddTile(8));
    EXPECT_FALSE(showsAddTile(9));
}

TEST(ColorSchemeRulesTest, LowContrastWarningConditions)
{
    struct Case {
        const char* name;
        DigitColorMode mode;
        DisplayColor resolved;
        bool warns;
    };
    const QColor grey(170, 170, 170);
    const Case cases[] = {
        {"white on transparent", DigitColorMode::solidPreset(u"dark"_s), DisplayColor::transparent(), false},
        {"white on white", DigitColorMode::solidPreset(u"dark"_s), colors(Qt::white, Qt::white), true},
        {"white on black", DigitColorMode::solidPreset(u"dark"_s), colors(Qt::white, Qt::black), false},
        {"grey on white, custom", DigitColorMode::custom(), colors(grey, Qt::white), true},
        {"white on white, multicolour", DigitColorMode::multicolor(), colors(Qt::white, Qt::white), false},
        {"white on a faint white", DigitColorMode::custom(), colors(Qt::white, QColor(255, 255, 255, 20)), false},
        {"white on a white just opaque enough", DigitColorMode::custom(), colors(Qt::white, QColor(255, 255, 255, 26)),
         true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(showsLowContrastWarning(c.mode, c.resolved), c.warns) << c.name;
}

TEST(ColorSchemeRulesTest, PreviewPaletteOnlyInMulticolor)
{
    const auto rainbow = MulticolorPalette::rainbow();
    EXPECT_EQ(previewPalette(DigitColorMode::multicolor(), rainbow), rainbow.colors());
    EXPECT_TRUE(previewPalette(DigitColorMode::solidPreset(u"dark"_s), rainbow).isEmpty());
    EXPECT_TRUE(previewPalette(DigitColorMode::multicolor(), std::nullopt).isEmpty());
    for (const MulticolorPalette& palette : MulticolorPalette::all())
        EXPECT_EQ(paletteMenuDots(palette), palette.colors().first(std::min<qsizetype>(5, palette.colors().size())));
}

TEST(ColorPendingSwatchTest, ChangesUpdateTheLinkedSwatchWhileItExists)
{
    using Kind = ColorPendingSwatch::Commit::Kind;
    struct Case {
        const char* name;
        std::optional<QString> pending;
        QList<CustomColorSwatch> swatches;
        ColorPendingSwatch::Commit expected;
    };
    const Case cases[] = {
        {"no link", {}, {swatch(u"a"_s)}, {Kind::Add, {}}},
        {"linked and present", u"b"_s, {swatch(u"a"_s), swatch(u"b"_s)}, {Kind::Update, u"b"_s}},
        {"linked swatch gone", u"b"_s, {swatch(u"a"_s)}, {Kind::Add, {}}},
        {"linked, empty list", u"b"_s, {}, {Kind::Add, {}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorPendingSwatch::commitFor(c.pending, c.swatches), c.expected) << c.name;
}

TEST(ColorPendingSwatchTest, OnlyASuccessfulAddLinksTheVisit)
{
    const QList<CustomColorSwatch> full{swatch(u"1"_s), swatch(u"2"_s), swatch(u"3"_s), swatch(u"4"_s),
                                        swatch(u"5"_s), swatch(u"6"_s), swatch(u"7"_s), swatch(u"8"_s)};
    EXPECT_EQ(ColorPendingSwatch::pendingIDAfterAdd(true, full), u"8"_s);
    // A refused add must not point the visit at the user's last swatch.
    EXPECT_EQ(ColorPendingSwatch::pendingIDAfterAdd(false, full), std::nullopt);
    EXPECT_EQ(ColorPendingSwatch::pendingIDAfterAdd(true, {}), std::nullopt);
}

TEST(ColorPendingSwatchTest, RemovingOnlyTheLinkedSwatchEndsTheLink)
{
    EXPECT_EQ(ColorPendingSwatch::pendingIDAfterRemoval(u"a"_s, u"a"_s), std::nullopt);
    EXPECT_EQ(ColorPendingSwatch::pendingIDAfterRemoval(u"a"_s, u"b"_s), u"a"_s);
    EXPECT_EQ(ColorPendingSwatch::pendingIDAfterRemoval(std::nullopt, u"b"_s), std::nullopt);
}
