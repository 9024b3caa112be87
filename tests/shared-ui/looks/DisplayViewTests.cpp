// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayView.h"

#include "shared-ui/looks/sevensegment/SevenSegmentGeometry.h"

#include "LookProbe.h"

#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

using platform::Date;

namespace {

DisplayFrame eights()
{
    DisplayFrame frame;
    frame.color = DisplayColor::vfdCyan();
    frame.style.bloomEnabled = false;
    frame.displayOverride = u"88:88"_qs;
    return frame;
}

QImage grab(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Where the centre of the first digit's middle bar lands on the look.
QPointF middleBarCentre(const DisplayFrame& frame)
{
    using namespace SevenSegment;
    const Metrics m = Metrics::of(frame.scale, frame.style.segmentThickness, frame.style.bloomEnabled);
    const QPolygonF bar = segmentPolygon(Segment::G, 0, m.digitHeight, m.thickness);
    const QPointF centre = (bar[0] + bar[3]) / 2;
    return m.canvasTransform().map(centre) + QPointF(m.horizontalPadding(), m.verticalPadding());
}

} // namespace

TEST(DisplayViewTest, WithoutAdaptiveFillTheViewIsTheLooksOwnSize)
{
    DisplayView view([] { return Date(); });
    view.setDisplay(DisplayType::SevenSegment, eights());
    const QSizeF natural
        = SevenSegment::Metrics::of(DisplayScale::Regular, SegmentThickness::Regular, false).naturalSize(u"88:88");
    EXPECT_EQ(view.naturalSize(), natural);
    EXPECT_EQ(view.sizeHint(), QSize(qCeil(natural.width()), qCeil(natural.height())));
    EXPECT_EQ(view.minimumSizeHint(), view.sizeHint());
    EXPECT_EQ(view.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(view.contentTransform(natural), QTransform()) << "no extra frame or scaling";
}

TEST(DisplayViewTest, AdaptiveFillClaimsTheSpaceAndScalesTheLookIntoIt)
{
    DisplayView view([] { return Date(); });
    view.setDisplay(DisplayType::SevenSegment, eights());
    view.setAdaptiveFill(true);
    EXPECT_EQ(view.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(view.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(view.minimumSizeHint(), QSize(0, 0));

    view.resize(300, 60);
    const QTransform placed = view.contentTransform(QSizeF(view.size()));
    // Centred and filling 95 % of the tighter side.
    EXPECT_GT(placed.m11(), 1.0);
    EXPECT_DOUBLE_EQ(placed.m11(), placed.m22());
    const QRectF drawn = placed.mapRect(QRectF(QPointF(0, 0), view.naturalSize()));
    EXPECT_NEAR(drawn.center().x(), 150, 1e-9);
    EXPECT_NEAR(drawn.center().y(), 30, 1e-9);
    EXPECT_NEAR(std::max(drawn.width() / 300, drawn.height() / 60), 0.95, 1e-9);

    const QImage image = grab(view);
    const QPointF bar = placed.map(middleBarCentre(eights()));
    EXPECT_TRUE(nearColor(image.pixelColor(bar.toPoint()), DisplayColor::vfdCyan().dotColor()));
    EXPECT_EQ(image.pixelColor(2, 2).alpha(), 0) << "the renderer leaves the background to the host";
}

// A shown view wakes itself when its look next changes, and only then.
TEST(DisplayViewTest, WakesAtTheNextLookChangeWhileShown)
{
    const Date now = Date::fromSecondsSinceReferenceDate(10.3);
    DisplayView view([now] { return now; });
    QTimer* timer = view.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    DisplayFrame frame = eights();
    view.setDisplay(DisplayType::DotMatrix, frame);
    view.show();
    EXPECT_FALSE(timer->isActive()) << "a steady colon never changes by itself";

    frame.style.colonMode = ColonMode::Pulsing;
    view.setDisplay(DisplayType::DotMatrix, frame);
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 705) << "the colon turns at 11.0, woken 5 ms after";

    view.hide();
    EXPECT_FALSE(timer->isActive());
    view.setDisplay(DisplayType::DotMatrix, frame);
    EXPECT_FALSE(timer->isActive()) << "a hidden view does not wake";
}
