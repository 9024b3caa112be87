// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/DotMatrixView.h"

#include "support/RenderProbe.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using platform::Date;

// A view whose clock the test sets.
class DotMatrixViewTest : public ::testing::Test {
protected:
    DotMatrixViewTest()
    {
        inputs.displayOverride = QStringLiteral("12:34");
        inputs.theme = DotTheme{QColor(255, 176, 0), QColor(10, 20, 30)};
    }

    platform::Clock clock()
    {
        return [this] { return now; };
    }

    // The widget drawn through its own paint event.
    QImage grabbed(DotMatrixView& view) const
    {
        QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    DotPosition litColonDot() const
    {
        const auto positions = DotMatrixRules::layout(inputs).positions;
        return *std::find_if(positions.begin(), positions.end(),
                             [](const DotPosition& p) { return p.isActive && p.isColonDot; });
    }

    QTimer* lookTimer(DotMatrixView& view) const { return view.findChild<QTimer*>(); }

    DotMatrixInputs inputs;
    Date now = Date::fromSecondsSinceReferenceDate(10.3);
};

TEST_F(DotMatrixViewTest, IsExactlyTheGridSize)
{
    DotMatrixView view(inputs, clock());
    const QSizeF grid = DotMatrixRules::layout(inputs).size;
    EXPECT_EQ(view.sizeHint(),
              QSize(static_cast<int>(std::ceil(grid.width())), static_cast<int>(std::ceil(grid.height()))));
    EXPECT_EQ(view.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(view.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

    inputs.displayOverride = QStringLiteral("100:00");
    view.setInputs(inputs);
    EXPECT_EQ(view.sizeHint().width(), static_cast<int>(std::ceil(DotMatrixRules::layout(inputs).size.width())));
}

TEST_F(DotMatrixViewTest, ALargerViewShowsTheGridCentred)
{
    DotMatrixView view(inputs, clock());
    const QSize grid = view.sizeHint();
    view.resize(grid + QSize(40, 20));
    const QImage image = grabbed(view);
    const QSizeF exact = DotMatrixRules::layout(inputs).size;
    const QPointF offset((view.width() - exact.width()) / 2, (view.height() - exact.height()) / 2);
    const DotPosition dot = litColonDot();
    EXPECT_TRUE(closeToColor(image.pixelColor((QPointF(dot.x, dot.y) + offset).toPoint()), inputs.theme.dotColor, 0));
    EXPECT_EQ(qAlpha(image.pixel(QPointF(dot.x, dot.y).toPoint())), 0);
}

TEST_F(DotMatrixViewTest, PulsingColonFollowsTheInjectedClock)
{
    inputs.colonMode = ColonMode::Pulsing;
    DotMatrixView view(inputs, clock());
    view.resize(view.sizeHint());
    const QPoint colon = QPointF(litColonDot().x, litColonDot().y).toPoint();

    now = Date::fromSecondsSinceReferenceDate(10.3);
    EXPECT_DOUBLE_EQ(view.currentState().colonOpacity, 1.0);
    EXPECT_EQ(qAlpha(grabbed(view).pixel(colon)), 255);

    now = Date::fromSecondsSinceReferenceDate(11.3);
    EXPECT_DOUBLE_EQ(view.currentState().colonOpacity, 0.4);
    EXPECT_NEAR(qAlpha(grabbed(view).pixel(colon)), 102, 2);
}

TEST_F(DotMatrixViewTest, BlinkFollowsTheInjectedClock)
{
    inputs.blinkDisplay = true;
    DotMatrixView view(inputs, clock());
    now = Date::fromSecondsSinceReferenceDate(0.3);
    EXPECT_DOUBLE_EQ(view.currentState().displayOpacity, 1.0);
    now = Date::fromSecondsSinceReferenceDate(0.9);
    EXPECT_DOUBLE_EQ(view.currentState().displayOpacity, 0.25);
}

// A shown view wakes itself when its timed look next changes, and only then.
TEST_F(DotMatrixViewTest, WakesAtTheNextLookChangeWhileShown)
{
    DotMatrixView view(inputs, clock());
    QTimer* timer = lookTimer(view);
    ASSERT_NE(timer, nullptr);
    view.show();
    EXPECT_FALSE(timer->isActive()) << "nothing changes by itself with a steady colon";

    inputs.colonMode = ColonMode::Pulsing;
    view.setInputs(inputs);
    ASSERT_TRUE(timer->isActive());
    EXPECT_GT(timer->remainingTime(), 600);
    EXPECT_LE(timer->remainingTime(), 710);

    inputs.colonMode = ColonMode::Always;
    inputs.blinkDisplay = true;
    now = Date::fromSecondsSinceReferenceDate(10.5); // the blink turns at 10.8
    view.setInputs(inputs);
    ASSERT_TRUE(timer->isActive());
    EXPECT_GT(timer->remainingTime(), 200);
    EXPECT_LE(timer->remainingTime(), 310);

    view.hide();
    EXPECT_FALSE(timer->isActive());
}

TEST_F(DotMatrixViewTest, HiddenViewDoesNotWake)
{
    inputs.colonMode = ColonMode::Pulsing;
    DotMatrixView view(inputs, clock());
    EXPECT_FALSE(lookTimer(view)->isActive());
}

TEST_F(DotMatrixViewTest, AccessibleAsOneLabelledFrequentlyUpdatedElement)
{
    DotMatrixView view(inputs, clock());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Timer display");
    EXPECT_TRUE(accessible->state().animated);
    EXPECT_EQ(accessible->childCount(), 0);

    inputs.displayOverride = QStringLiteral("\u2713");
    view.setInputs(inputs);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Timer complete");

    inputs.accessibilityLabel = QStringLiteral("Break over");
    view.setInputs(inputs);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Break over");
}

} // namespace
