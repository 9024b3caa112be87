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
