// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/PictureIconEngine.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <gtest/gtest.h>

#include <optional>

namespace {

QImage filled(int side, QColor color)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

QList<QImage> picture(int second)
{
    const QColor color = QColor::fromHsv(second % 360, 200, 200);
    return {filled(22, color), filled(44, color)};
}

// Pictures asked of the icon at a tray's size, as a tray paints them.
template <typename ShowPicture>
void showPictures(int count, const QIcon& icon, ShowPicture show)
{
    for (int second = 0; second < count; ++second) {
        show(second);
        QImage tray(24, 24, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&tray);
        icon.paint(&painter, tray.rect());
        (void)icon.pixmap(22);
    }
}

// Qt's pixmap icons keep every picture in the pixmap cache, which a picture a
// second fills; a bystander's entry then falls out. One icon that shows the
// pictures leaves the cache as it was.
TEST(PictureIconEngineTest, PicturesShownLeaveThePixmapCacheAsItWas)
{
    const int limit = QPixmapCache::cacheLimit();
    QPixmapCache::clear();
    // Room for the bystander and a few tray pictures, not for a minute's worth.
    QPixmapCache::setCacheLimit(64);
    const QPixmapCache::Key bystander = QPixmapCache::insert(QPixmap::fromImage(filled(64, Qt::red)));

    auto* engine = new platform::PictureIconEngine;
    const QIcon icon(engine);
    const qint64 key = icon.cacheKey();
    showPictures(60, icon, [&](int second) { engine->setImages(picture(second)); });
    QPixmap found;
    EXPECT_TRUE(QPixmapCache::find(bystander, &found));
    EXPECT_EQ(icon.cacheKey(), key);

    // What the icon paints is the latest picture, at the size asked.
    QImage tray(24, 24, QImage::Format_ARGB32_Premultiplied);
    tray.fill(Qt::transparent);
    {
        QPainter painter(&tray);
        icon.paint(&painter, tray.rect());
    }
    EXPECT_EQ(tray.pixelColor(12, 12), picture(59).first().pixelColor(0, 0));
    EXPECT_EQ(icon.actualSize(QSize(24, 24)), QSize(24, 24));
    EXPECT_EQ(icon.actualSize(QSize(22, 22)), QSize(22, 22));
    EXPECT_EQ(icon.actualSize(QSize(64, 64)), QSize(64, 64));

    // The fault, for comparison: an icon of pixmaps a second.
    for (int second = 0; second < 60; ++second) {
        QIcon pixmaps;
        for (const QImage& image : picture(second))
            pixmaps.addPixmap(QPixmap::fromImage(image));
        (void)pixmaps.pixmap(24);
    }
    EXPECT_FALSE(QPixmapCache::find(bystander, &found));
    QPixmapCache::setCacheLimit(limit);
}

// A tray paints the icon at its own size, which the icon tells, so that a
// picture can be drawn for it; a smaller picture is not stretched.
TEST(PictureIconEngineTest, EachPaintTellsItsSizeAndNothingIsStretched)
{
    const struct {
        QSize area;
        QList<int> sides;
        int told;
        QRect drawn; // where the picture lands in the area
    } cases[] = {
        {{22, 22}, {22, 44}, 22, {0, 0, 22, 22}}, {{24, 24}, {22, 44}, 24, {0, 0, 24, 24}},
        {{24, 24}, {24}, 24, {0, 0, 24, 24}},     {{24, 30}, {24}, 24, {0, 3, 24, 24}},
        {{30, 30}, {24}, 30, {3, 3, 24, 24}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.width() << "x" << c.area.height());
        auto* engine = new platform::PictureIconEngine;
        const QIcon icon(engine);
        QList<QImage> images;
        for (const int side : c.sides)
            images << filled(side, Qt::red);
        engine->setImages(images);
        std::optional<int> told;
        engine->setOnPaintedSide([&](int side) { told = side; });
        QImage tray(c.area, QImage::Format_ARGB32_Premultiplied);
        tray.fill(Qt::transparent);
        {
            QPainter painter(&tray);
            icon.paint(&painter, tray.rect());
        }
        EXPECT_EQ(told, c.told);
        QRect red;
        for (int y = 0; y < tray.height(); ++y)
            for (int x = 0; x < tray.width(); ++x)
                if (tray.pixelColor(x, y).alpha() > 0)
                    red |= QRect(x, y, 1, 1);
        EXPECT_EQ(red, c.drawn);
    }
}

} // namespace
