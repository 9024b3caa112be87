#include "PlatformKit/tray/StripStatusItem.h"

#include <gtest/gtest.h>

namespace {

class CountingItem final : public platform::StatusItem {
public:
    Shape shape() const override { return Shape::SquareCell; }
    QRect anchorRect() const override { return {}; }
    int imageSends = 0;
    int toolTipSends = 0;

protected:
    void showImages(const QList<QImage>&) override { ++imageSends; }
    void showToolTip(const QString&) override { ++toolTipSends; }
};

QImage filled(QColor color)
{
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

TEST(StatusItemTest, PassesOnOnlyPicturesWhosePixelsChanged)
{
    CountingItem item;
    item.setImages({filled(Qt::red)});
    item.setImages({filled(Qt::red)}); // a new image, the same pixels
    EXPECT_EQ(item.imageSends, 1);
    item.setImages({filled(Qt::blue)});
    item.setImages({filled(Qt::blue), filled(Qt::blue)});
    EXPECT_EQ(item.imageSends, 3);

    item.setToolTip("Timer ready: 5 seconds");
    item.setToolTip("Timer ready: 5 seconds");
    EXPECT_EQ(item.toolTipSends, 1);
}

TEST(StatusItemTest, TheStripSitsAtTheTopRightOfTheFreeArea)
{
    const struct {
        QSize size;
        QRect available;
        QRect placed;
    } cases[] = {
        {{60, 28}, {0, 0, 1920, 1080}, {1856, 4, 60, 28}},
        {{60, 28}, {0, 32, 1920, 1048}, {1856, 36, 60, 28}},
        {{80, 28}, {1920, 0, 1280, 1024}, {3116, 4, 80, 28}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::StripStatusItem::placement(c.size, c.available), c.placed);
}

} // namespace

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

namespace {

void release(QWidget* window, Qt::MouseButton button)
{
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(5, 5), window->mapToGlobal(QPointF(5, 5)), button,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

TEST(StatusItemTest, TheStripShowsThePictureAtItsSizeAndTakesBothClicks)
{
    platform::StripStatusItem item;
    QImage picture(120, 56, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(2);
    picture.fill(Qt::red);
    item.setImages({picture});
    item.setToolTip("Timer ready: 25 minutes 0 seconds");

    QWidget* window = item.window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(60, 28));
    EXPECT_EQ(window->accessibleName(), "Timer ready: 25 minutes 0 seconds");
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window->geometry(), platform::StripStatusItem::placement(QSize(60, 28), available));

    int left = 0;
    int right = 0;
    QObject::connect(&item, &platform::StatusItem::leftClicked, [&] { ++left; });
    QObject::connect(&item, &platform::StatusItem::rightClicked, [&] { ++right; });
    release(window, Qt::LeftButton);
    release(window, Qt::RightButton);
    release(window, Qt::MiddleButton);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(right, 1);
}

} // namespace
