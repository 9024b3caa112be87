// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SoftSegment.h"
#include "shared-ui/controls/SoftSegmentedColors.h"
#include "shared-ui/controls/SoftSegmentedPicker.h"

#include "Palettes.h"
#include "Pixels.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Shape { Circle, Square, Diamond, Star };

const QList<Shape> shapes{Shape::Circle, Shape::Square, Shape::Diamond};

QString shapeName(const Shape& shape, bool)
{
    switch (shape) {
    case Shape::Circle:
        return u"Circle"_s;
    case Shape::Square:
        return u"Square"_s;
    case Shape::Diamond:
        return u"Diamond"_s;
    case Shape::Star:
        return u"Star"_s;
    }
    return {};
}

// A picker over three shapes, laid out at a known width.
class SoftSegmentedPickerTest : public ::testing::Test {
protected:
    SoftSegmentedPickerTest()
    {
        picker.setOnSelect([this](const Shape& shape) { chosen.append(shape); });
        picker.resize(300, picker.sizeHint().height());
        picker.show();
    }

    SoftSegment* segment(int index) const { return picker.findChildren<SoftSegment*>().at(index); }

    QList<bool> selectedStates() const
    {
        QList<bool> states;
        for (const auto* child : picker.findChildren<SoftSegment*>())
            states.append(child->isSelected());
        return states;
    }

    SoftSegmentedPicker<Shape> picker{shapes, Shape::Square, &shapeName};
    QList<Shape> chosen;
};

} // namespace

TEST_F(SoftSegmentedPickerTest, SegmentsShareTheRowEquallyInsideTheTrackPadding)
{
    ASSERT_EQ(picker.count(), 3);
    EXPECT_EQ(segment(0)->geometry().left(), 2);
    EXPECT_EQ(segment(2)->geometry().right(), picker.width() - 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(segment(i)->width(), (300 - 4) / 3.0, 1.0) << i;
    EXPECT_EQ(segment(1)->text(), u"Square");
}

TEST_F(SoftSegmentedPickerTest, ClickSelectsTheOptionAndReportsItEvenWhenAlreadySelected)
{
    EXPECT_EQ(selectedStates(), (QList<bool>{false, true, false}));
    QTest::mouseClick(segment(2), Qt::LeftButton);
    EXPECT_EQ(picker.selection(), Shape::Diamond);
    EXPECT_EQ(selectedStates(), (QList<bool>{false, false, true}));
    QTest::mouseClick(segment(2), Qt::LeftButton);
    EXPECT_EQ(chosen, (QList<Shape>{Shape::Diamond, Shape::Diamond}));
}

TEST_F(SoftSegmentedPickerTest, SelectionOutsideTheOptionsShowsNoneSelected)
{
    picker.setSelection(Shape::Star);
    EXPECT_EQ(picker.selectedIndex(), -1);
    EXPECT_EQ(selectedStates(), (QList<bool>{false, false, false}));
    picker.setSelection(Shape::Circle);
    EXPECT_EQ(selectedStates(), (QList<bool>{true, false, false}));
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(SoftSegmentedPickerTest, LabelsAreToldWhetherTheyAreSelected)
{
    SoftSegmentedPicker<Shape> marked(shapes, Shape::Circle, [](const Shape& shape, bool isSelected) {
        return (isSelected ? u"* "_s : QString()) + shapeName(shape, isSelected);
    });
    const auto segments = marked.findChildren<SoftSegment*>();
    EXPECT_EQ(segments.at(0)->text(), u"* Circle");
    marked.setSelection(Shape::Square);
    EXPECT_EQ(segments.at(0)->text(), u"Circle");
    EXPECT_EQ(segments.at(1)->text(), u"* Square");
}

TEST_F(SoftSegmentedPickerTest, SegmentsAreButtonsAndOnlyTheSelectedOneIsSelected)
{
    auto* control = QAccessible::queryAccessibleInterface(&picker);
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        auto* child = control->child(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(child->role(), QAccessible::Button);
        EXPECT_EQ(child->text(QAccessible::Name), shapeName(shapes[i], false));
        EXPECT_EQ(child->state().selected, i == 1);
    }
    // Pressing through the accessibility interface picks the option too.
    control->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(picker.selection(), Shape::Circle);
}

TEST_F(SoftSegmentedPickerTest, TheControlIsOneNamedGroupAndTabReachesEverySegment)
{
    picker.setAccessibleName(u"Dot shape"_s);
    auto* control = QAccessible::queryAccessibleInterface(&picker);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->role(), QAccessible::Grouping);
    EXPECT_EQ(control->text(QAccessible::Name), u"Dot shape"_s);
    for (int i = 0; i < control->childCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(control->child(i)->state().focusable);
        auto* segment = qobject_cast<QWidget*>(control->child(i)->object());
        ASSERT_NE(segment, nullptr);
        EXPECT_TRUE(segment->focusPolicy() & Qt::TabFocus);
    }
}

TEST(SoftSegmentedColorsTest, OneColorSetPerAppearance)
{
    const auto dark = SoftSegmentedColors::forAppearance(Appearance::Dark);
    const auto light = SoftSegmentedColors::forAppearance(Appearance::Light);
    const auto white = [](float alpha) { return QColor::fromRgbF(1, 1, 1, alpha); };
    const auto black = [](float alpha) { return QColor::fromRgbF(0, 0, 0, alpha); };
    const struct {
        const char* role;
        QColor actual;
        QColor expected;
    } cases[] = {
        {"dark track fill", dark.trackFill, white(0.06f)},
        {"dark track stroke", dark.trackStroke, white(0.08f)},
        {"dark selected fill", dark.selectedFill, white(0.18f)},
        {"dark selected shadow", dark.selectedShadow, black(0.25f)},
        {"dark selected label", dark.selectedLabel, white(1)},
        {"dark unselected label", dark.unselectedLabel, white(0.55f)},
        {"light track fill", light.trackFill, black(0.06f)},
        {"light track stroke", light.trackStroke, black(0.1f)},
        {"light selected fill", light.selectedFill, black(0.08f)},
        {"light selected shadow", light.selectedShadow, black(0.12f)},
        {"light selected label", light.selectedLabel, black(1)},
        {"light unselected label", light.unselectedLabel, black(0.45f)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual.rgba(), c.expected.rgba()) << c.role;
}

TEST(SoftSegmentedControlTest, EmptyControlDrawsOnlyTheTrack)
{
    const ScopedAppPalette scoped(testpalettes::dark());
    SoftSegmentedControl control;
    control.setSegments(0, {});
    control.setSelectedIndex(0);
    control.resize(120, 24);
    EXPECT_EQ(control.selectedIndex(), -1);
    const auto window = testpalettes::dark().color(QPalette::Window);
    const auto track = over(SoftSegmentedColors::forAppearance(Appearance::Dark).trackFill, window);
    EXPECT_TRUE(nearPixel(renderedImage(control).pixelColor(60, 12), track, 1));
}

TEST(SoftSegmentedControlTest, SwitchingThePaletteSwitchesEveryColorAtOnce)
{
    SoftSegmentedControl control;
    control.setSegments(2, [](int index, bool) { return index == 0 ? u"Regular"_s : u"Bold"_s; });
    control.setSelectedIndex(0);
    control.resize(200, control.sizeHint().height());
    control.show();
    const QPoint onSelectedPill(4, control.height() / 2);
    const QPoint onTrack(control.width() - 4, control.height() / 2);

    for (const auto& [palette, appearance] :
         {std::pair{testpalettes::light(), Appearance::Light}, std::pair{testpalettes::dark(), Appearance::Dark}}) {
        const ScopedAppPalette scoped(palette);
        const auto colors = SoftSegmentedColors::forAppearance(appearance);
        const auto window = palette.color(QPalette::Window);
        const auto track = over(colors.trackFill, window);
        const auto image = renderedImage(control);
        EXPECT_TRUE(nearPixel(image.pixelColor(onTrack), track, 1));
        EXPECT_TRUE(nearPixel(image.pixelColor(onSelectedPill), over(colors.selectedFill, track), 1));
    }
}

TEST(SoftSegmentTest, SelectedLabelIsSemiboldAndOpaqueOthersRegularAndTranslucent)
{
    const ScopedAppPalette scoped(testpalettes::dark());
    const auto colors = SoftSegmentedColors::forAppearance(Appearance::Dark);
    const auto window = testpalettes::dark().color(QPalette::Window);
    SoftSegment segment;
    segment.setText(u"MMMM"_s);
    segment.resize(segment.sizeHint());

    // The brightest pixel of the label shows its colour; the widest line of
    // ink shows its weight.
    const auto brightest = [&] {
        int best = 0;
        const auto image = renderedImage(segment);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                best = std::max(best, image.pixelColor(x, y).red());
        return best;
    };
    const auto inkPixels = [&] {
        int count = 0;
        const auto image = renderedImage(segment);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).red() > window.red() + 40 ? 1 : 0;
        return count;
    };

    const int regularInk = inkPixels();
    EXPECT_NEAR(brightest(), over(colors.unselectedLabel, window).red(), 3);
    segment.setSelected(true);
    EXPECT_EQ(brightest(), 255);
    EXPECT_GT(inkPixels(), regularInk);
}
