// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pickers/ColorAddSwatchTile.h"
#include "Kelvane/settingswindow/pickers/ColorContrastWarning.h"
#include "Kelvane/settingswindow/pickers/ColorPaletteMenu.h"
#include "Kelvane/settingswindow/pickers/ColorSchemePicker.h"
#include "Kelvane/settingswindow/pickers/ColorSchemePreview.h"
#include "Kelvane/settingswindow/pickers/ColorSwatchCell.h"
#include "Kelvane/settingswindow/pickers/ColorSwatchGrid.h"

#include "shared-ui/controls/SoftSegment.h"
#include "shared-ui/controls/TintedLabel.h"

#include "DotMatrixKit/DotMatrixRules.h"

#include "support/CountingBackend.h"
#include "support/RenderProbe.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class ColorSchemePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        picker.resize(420, 600);
        picker.show();
    }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    void clickScheme(int index) { click(picker.schemeControl()->findChildren<SoftSegment*>().at(index)); }
    ColorSwatchGrid& digits() { return *picker.digitGrid(); }
    ColorSwatchGrid& backgrounds() { return *picker.backgroundGrid(); }

    // One visit to the colour dialog: open it from the add tile, drag
    // through `dragged`, and leave it open.
    QColorDialog* visit(ColorSwatchGrid& grid, const QList<QColor>& dragged)
    {
        EXPECT_NE(grid.addTile(), nullptr);
        click(grid.addTile());
        QColorDialog* dialog = grid.openDialog();
        EXPECT_NE(dialog, nullptr);
        for (const QColor& color : dragged)
            dialog->setCurrentColor(color);
        return dialog;
    }

    void fillDigitSwatches(int count)
    {
        for (int i = 0; i < count; ++i)
            colors.addCustomDigitSwatch(QColor(10 * i, 0, 0));
    }

    CountingStore store;
    ColorManager colors{store.defaults};
    ColorSchemePicker picker{colors};
};

TEST_F(ColorSchemePickerTest, OneDialogVisitLeavesOneSwatchThatFollowsTheDialog)
{
    QColorDialog* dialog = visit(digits(), {QColor(200, 0, 0), QColor(0, 200, 0), QColor(10, 20, 230)});
    ASSERT_EQ(colors.customDigitSwatches().size(), 1);
    const CustomColorSwatch made = colors.customDigitSwatches().first();
    EXPECT_EQ(made.color(), QColor(10, 20, 230));
    EXPECT_EQ(colors.digitMode(), DigitColorMode::custom());
    EXPECT_EQ(colors.activeCustomDigitSwatchID(), made.id);
    EXPECT_EQ(digits().pendingSwatchID(), made.id);
    ASSERT_EQ(digits().customCells().size(), 1);
    EXPECT_TRUE(digits().customCells().first()->isSelected());
    EXPECT_EQ(picker.digitCaption()->text(), u"Custom"_s);

    // Closing the dialog ends the visit: the next one starts a new swatch.
    dialog->close();
    EXPECT_EQ(digits().pendingSwatchID(), std::nullopt);
    visit(digits(), {QColor(1, 2, 3), QColor(4, 5, 6)});
    ASSERT_EQ(colors.customDigitSwatches().size(), 2);
    EXPECT_EQ(colors.customDigitSwatches().first().color(), QColor(10, 20, 230));
    EXPECT_EQ(colors.customDigitSwatches().last().color(), QColor(4, 5, 6));
    EXPECT_TRUE(colors.customBackgroundSwatches().isEmpty());
}

TEST_F(ColorSchemePickerTest, TheDialogOpensOnThePendingColorWithoutMakingASwatch)
{
    QColorDialog* dialog = visit(backgrounds(), {});
    EXPECT_EQ(dialog->currentColor(), QColor(Qt::white));
    EXPECT_TRUE(colors.customBackgroundSwatches().isEmpty());
    // Choosing the colour it already holds is no change.
    dialog->setCurrentColor(Qt::white);
    EXPECT_TRUE(colors.customBackgroundSwatches().isEmpty());
    dialog->setCurrentColor(QColor(30, 40, 50, 128));
    ASSERT_EQ(colors.customBackgroundSwatches().size(), 1);
    EXPECT_EQ(colors.backgroundMode(), BackgroundMode::custom());
    EXPECT_EQ(picker.backgroundCaption()->text(), u"Custom"_s);
    dialog->close();
    // The next visit starts where the last one left the colour.
    EXPECT_EQ(visit(backgrounds(), {})->currentColor(), QColor(30, 40, 50, 128));
}

TEST_F(ColorSchemePickerTest, ClickingAnySwatchEndsTheLink)
{
    for (int which : {0, 1}) {
        SCOPED_TRACE(which == 0 ? "preset" : "custom swatch");
        QColorDialog* dialog = visit(digits(), {QColor(200, 0, 0)});
        const QString first = colors.customDigitSwatches().last().id;
        click(which == 0 ? static_cast<QWidget*>(digits().presetCells().at(2)) : digits().customCells().first());
        EXPECT_EQ(digits().pendingSwatchID(), std::nullopt);
        dialog->setCurrentColor(QColor(0, 0, 200));
        EXPECT_NE(colors.customDigitSwatches().last().id, first);
        EXPECT_EQ(colors.customDigitSwatches().last().color(), QColor(0, 0, 200));
        dialog->close();
    }
    EXPECT_EQ(colors.customDigitSwatches().size(), 4);
}

TEST_F(ColorSchemePickerTest, RemovingTheLinkedSwatchEndsTheLinkAndAnotherDoesNot)
{
    fillDigitSwatches(2);
    QColorDialog* dialog = visit(digits(), {QColor(200, 0, 0)});
    const QString linked = colors.customDigitSwatches().last().id;
    ASSERT_EQ(digits().customCells().size(), 3);
    digits().customCells().first()->actions().first()->trigger();
    EXPECT_EQ(digits().pendingSwatchID(), linked);
    QCoreApplication::processEvents();
    ASSERT_EQ(digits().customCells().size(), 2);
    EXPECT_EQ(digits().customCells().last()->actions().first()->text(), u"Remove colour"_s);
    digits().customCells().last()->actions().first()->trigger();
    EXPECT_EQ(digits().pendingSwatchID(), std::nullopt);
    dialog->setCurrentColor(QColor(0, 0, 200));
    EXPECT_EQ(colors.customDigitSwatches().size(), 2);
    EXPECT_EQ(colors.customDigitSwatches().last().color(), QColor(0, 0, 200));
}

TEST_F(ColorSchemePickerTest, RemovingTheActiveSwatchFallsBackToThePreset)
{
    visit(digits(), {QColor(200, 0, 0)})->close();
    visit(backgrounds(), {QColor(0, 200, 0)})->close();
    digits().customCells().first()->actions().first()->trigger();
    backgrounds().customCells().first()->actions().first()->trigger();
    EXPECT_EQ(colors.digitMode(), DigitColorMode::solidPreset(u"dark"_s));
    EXPECT_EQ(colors.backgroundMode(), BackgroundMode::preset(u"transparent"_s));
    EXPECT_TRUE(digits().presetCells().first()->isSelected());
    EXPECT_EQ(digits().presetCells().first()->accessibleName(), u"White"_s);
    EXPECT_TRUE(backgrounds().presetCells().first()->isSelected());
    EXPECT_EQ(picker.digitCaption()->text(), u"White"_s);
}

TEST_F(ColorSchemePickerTest, ASwatchGoneByOtherMeansIsNotUpdated)
{
    QColorDialog* dialog = visit(digits(), {QColor(200, 0, 0)});
    colors.resetToDefaults();
    ASSERT_TRUE(colors.customDigitSwatches().isEmpty());
    dialog->setCurrentColor(QColor(0, 0, 200));
    ASSERT_EQ(colors.customDigitSwatches().size(), 1);
    EXPECT_EQ(colors.customDigitSwatches().first().color(), QColor(0, 0, 200));
}

TEST_F(ColorSchemePickerTest, TheEighthSwatchTakesTheAddTileAndClosesTheDialog)
{
    fillDigitSwatches(7);
    QColorDialog* dialog = visit(digits(), {QColor(200, 0, 0)});
    EXPECT_EQ(colors.customDigitSwatches().size(), 8);
    EXPECT_EQ(digits().addTile(), nullptr);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(digits().pendingSwatchID(), std::nullopt);
    EXPECT_NE(backgrounds().addTile(), nullptr);

    digits().customCells().at(3)->actions().first()->trigger();
    EXPECT_NE(digits().addTile(), nullptr);
    EXPECT_EQ(digits().addTile()->accessibleName(), u"Add custom colour"_s);
}

TEST_F(ColorSchemePickerTest, ARefusedAddLeavesTheUsersSwatchesAlone)
{
    // The list fills up while a visit is open: the dialog goes with the tile.
    fillDigitSwatches(6);
    QColorDialog* dialog = visit(digits(), {});
    fillDigitSwatches(2);
    EXPECT_FALSE(dialog->isVisible());
    const auto before = colors.customDigitSwatches();

    // A change that still arrives is refused and links nothing, so the next
    // one does not repaint the user's last swatch.
    digits().commitPendingColor(QColor(1, 1, 1));
    EXPECT_EQ(digits().pendingSwatchID(), std::nullopt);
    digits().commitPendingColor(QColor(2, 2, 2));
    EXPECT_EQ(colors.customDigitSwatches(), before);
}

TEST_F(ColorSchemePickerTest, MulticolorSwapsTheDigitGridForThePaletteMenu)
{
    EXPECT_TRUE(picker.digitBlock()->isVisible());
    EXPECT_FALSE(picker.paletteMenu()->isVisible());
    clickScheme(1);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::multicolor());
    EXPECT_FALSE(picker.digitBlock()->isVisible());
    EXPECT_TRUE(picker.paletteMenu()->isVisible());
    EXPECT_EQ(picker.schemeControl()->accessibleDescription(), u"Multicolor"_s);
    EXPECT_EQ(picker.preview()->inputs().dotColorPalette.size(), MulticolorPalette::rainbow().colors().size());

    QComboBox* menu = picker.paletteMenu()->menu();
    ASSERT_EQ(menu->count(), 4);
    EXPECT_EQ(menu->itemText(2), u"Neon"_s);
    menu->setCurrentIndex(2);
    Q_EMIT menu->activated(2);
    EXPECT_EQ(colors.selectedPaletteID(), u"neon"_s);
    EXPECT_EQ(picker.preview()->inputs().dotColorPalette.front(), MulticolorPalette::neon().colors().first());

    // Nothing stored under the digit preset: back to white digits.
    clickScheme(0);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::solidPreset(u"dark"_s));
    EXPECT_TRUE(digits().presetCells().first()->isSelected());
    EXPECT_TRUE(picker.preview()->inputs().dotColorPalette.empty());
}

TEST_F(ColorSchemePickerTest, LeavingMulticolorRestoresTheStoredPresetAndSingleChangesNothingElse)
{
    click(digits().presetCells().at(2)); // Amber
    clickScheme(1);
    clickScheme(0);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::solidPreset(u"amber"_s));

    visit(digits(), {QColor(200, 0, 0)})->close();
    clickScheme(0);
    EXPECT_EQ(colors.digitMode(), DigitColorMode::custom());
    EXPECT_EQ(picker.schemeControl()->selection(), ColorSchemeRules::SchemeMode::Single);
}

TEST_F(ColorSchemePickerTest, PresetGridsAndCaptions)
{
    ASSERT_EQ(digits().presetCells().size(), 8);
    ASSERT_EQ(backgrounds().presetCells().size(), 3);
    EXPECT_EQ(digits().presetCells().at(6)->accessibleName(), u"Orange"_s);
    EXPECT_EQ(backgrounds().presetCells().at(1)->accessibleName(), u"Dark"_s);
    click(backgrounds().presetCells().at(2));
    EXPECT_EQ(colors.backgroundMode(), BackgroundMode::preset(u"light"_s));
    EXPECT_EQ(picker.backgroundCaption()->text(), u"Light"_s);
    EXPECT_EQ(picker.backgroundCaption()->textColor(), DisplayColor::classicBlack().backgroundColor());

    // An id from older settings names itself, and selects no preset.
    colors.setBackgroundMode(BackgroundMode::preset(u"amber"_s));
    EXPECT_EQ(picker.backgroundCaption()->text(), u"Amber"_s);
    for (ColorSwatchCell* cell : backgrounds().presetCells())
        EXPECT_FALSE(cell->isSelected());
}

TEST_F(ColorSchemePickerTest, ContrastWarningShowsOnlyWhenItApplies)
{
    struct Step {
        const char* name;
        std::function<void()> act;
        bool warns;
    };
    const Step steps[] = {
        {"white on transparent", [] {}, false},
        {"white on the light background", [&] { colors.selectBackgroundPreset(u"light"_s); }, true},
        {"multicolour on light", [&] { colors.selectMulticolorDigits(); }, false},
        {"black on light", [&] { colors.selectDigitPreset(u"light"_s); }, false},
        {"black on dark", [&] { colors.selectBackgroundPreset(u"dark"_s); }, true},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(picker.contrastWarning()->isVisible(), step.warns) << step.name;
    }
    EXPECT_EQ(picker.contrastWarning()->accessibleName(), u"Low contrast — digits may be hard to see"_s);
}

// The preview is probed where its layout puts a lit dot and where there is
// only background.
TEST_F(ColorSchemePickerTest, PreviewDrawsTheChosenColors)
{
    colors.selectDigitPreset(u"amber"_s);
    colors.selectBackgroundPreset(u"light"_s);
    ColorSchemePreview& preview = *picker.preview();
    const RenderProbe probe = RenderProbe::of(preview);
    const QPointF origin = preview.displayRect().topLeft();
    const auto layout = DotMatrixRules::layout(preview.inputs());
    const auto lit = std::find_if(layout.positions.cbegin(), layout.positions.cend(),
                                  [](const DotPosition& dot) { return dot.isActive; });
    ASSERT_NE(lit, layout.positions.cend());
    EXPECT_TRUE(closeToColor(probe.at(origin + QPointF(lit->x, lit->y)), DisplayColor::amber().dotColor(), 4));
    // In the grid's left padding, half way down: background only.
    EXPECT_TRUE(closeToColor(probe.at(QPointF(origin.x() + 4, preview.height() / 2.0)),
                             DisplayColor::classicBlack().backgroundColor(), 4));
    EXPECT_EQ(preview.inputs().displayOverride, u"25:00"_s);
    EXPECT_EQ(preview.height(), 44);
}

} // namespace
