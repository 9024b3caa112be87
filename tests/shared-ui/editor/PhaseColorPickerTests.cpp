// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseColorChoice.h"
#include "shared-ui/editor/PhaseColorPicker.h"
#include "shared-ui/editor/PhaseColorPopover.h"

#include "TimerCoreKit/color/CustomTimerPalette.h"

#include "Pixels.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A picker on a shown window, recording the colours the user picks.
class PhaseColorPickerTest : public ::testing::Test {
protected:
    PhaseColorPickerTest()
    {
        window.resize(200, 100);
        picker->move(90, 40);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    ~PhaseColorPickerTest() override { picker->popover()->close(); }

    QList<bool> selectedChoices() const
    {
        QList<bool> selected;
        for (auto* choice : picker->popover()->choices())
            selected.append(QAccessible::queryAccessibleInterface(choice)->state().selected);
        return selected;
    }

    QColor swatchColor() const
    {
        const auto image = renderedImage(*picker);
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }

    QWidget window;
    PhaseColorPicker* picker = new PhaseColorPicker(&window);
    QSignalSpy picks{picker, &PhaseColorPicker::colorPicked};
};

QList<bool> onlyAt(qsizetype index)
{
    QList<bool> flags(CustomTimerPalette::colorCount, false);
    if (index >= 0 && index < flags.size())
        flags[index] = true;
    return flags;
}

} // namespace

TEST_F(PhaseColorPickerTest, ShowsTheSelectedPaletteColorAndNamesIt)
{
    picker->setSelection(2);
    EXPECT_TRUE(nearPixel(swatchColor(), CustomTimerPalette::color(2)));
    auto* swatch = QAccessible::queryAccessibleInterface(picker);
    EXPECT_EQ(swatch->text(QAccessible::Name), u"Phase color: Periwinkle Blue");
    EXPECT_EQ(swatch->text(QAccessible::Description), u"Tap to choose a different color");
    EXPECT_EQ(picker->toolTip(), u"Phase color");
    EXPECT_EQ(selectedChoices(), onlyAt(2));
    for (auto* choice : picker->popover()->choices())
        EXPECT_EQ(choice->isSelected(), choice->paletteIndex() == 2);
}

TEST_F(PhaseColorPickerTest, StoredIndexOutsideThePaletteShowsColorZeroAndSelectsNothing)
{
    for (const int stored : {9, -1}) {
        SCOPED_TRACE(stored);
        picker->setSelection(stored);
        EXPECT_TRUE(nearPixel(swatchColor(), CustomTimerPalette::color(0)));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(picker)->text(QAccessible::Name), u"Phase color: Unknown");
        EXPECT_EQ(selectedChoices(), onlyAt(-1));
        EXPECT_EQ(picker->selection(), stored);
    }
}

TEST_F(PhaseColorPickerTest, ClickingTheSwatchOpensThePaletteAndPickingClosesIt)
{
    picker->setSelection(1);
    QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rect().center());
    ASSERT_TRUE(picker->isShowingPopover());
    const auto& choices = picker->popover()->choices();
    ASSERT_EQ(choices.size(), 8);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(choices[5])->text(QAccessible::Name), u"Cyan");

    QTest::mouseClick(choices[5], Qt::LeftButton);
    EXPECT_FALSE(picker->isShowingPopover());
    EXPECT_EQ(picker->selection(), 5);
    EXPECT_EQ(picks.count(), 1);
    EXPECT_EQ(selectedChoices(), onlyAt(5));
}

TEST_F(PhaseColorPickerTest, PickingTheSelectedColorStillCloses)
{
    picker->setSelection(3);
    picker->click();
    ASSERT_TRUE(picker->isShowingPopover());
    picker->popover()->choices()[3]->click();
    EXPECT_FALSE(picker->isShowingPopover());
    EXPECT_EQ(picker->selection(), 3);
}

TEST_F(PhaseColorPickerTest, DismissalBySystemOrSecondClickCloses)
{
    picker->click();
    ASSERT_TRUE(picker->isShowingPopover());
    picker->popover()->close(); // as a click outside does
    EXPECT_FALSE(picker->isShowingPopover());
    picker->click();
    picker->click();
    EXPECT_FALSE(picker->isShowingPopover());
    EXPECT_EQ(picks.count(), 0);
}

TEST_F(PhaseColorPickerTest, OnlyTheSwatchSquareTakesClicks)
{
    QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(picker->isShowingPopover());
}

TEST_F(PhaseColorPickerTest, HoverGrowsTheSwatchOverAShortEaseOut)
{
    QEnterEvent enter(QPointF(7, 7), QPointF(7, 7), QPointF(7, 7));
    QCoreApplication::sendEvent(picker, &enter);
    EXPECT_TRUE(picker->isHovering());
    EXPECT_LT(picker->swatchScale(), PhaseColorPicker::hoverScale);
    EXPECT_TRUE(QTest::qWaitFor([this] { return picker->swatchScale() == PhaseColorPicker::hoverScale; }, 2000));
    const auto grownWidth = [this] {
        const auto image = renderedImage(*picker);
        int lit = 0;
        for (int x = 0; x < image.width(); ++x)
            lit += nearPixel(image.pixelColor(x, image.height() / 2), CustomTimerPalette::color(0), 40) ? 1 : 0;
        return lit;
    };
    const int grown = grownWidth();

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(picker, &leave);
    EXPECT_TRUE(QTest::qWaitFor([this] { return picker->swatchScale() == 1.0; }, 2000));
    EXPECT_GT(grown, grownWidth());
}
