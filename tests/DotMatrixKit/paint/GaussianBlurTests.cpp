// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/GaussianBlur.h"
#include "DotMatrixKit/paint/PaintLayer.h"

#include "support/RenderProbe.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A transparent square image with one opaque white block in the middle.
QImage blockImage(int side = 61, int block = 1)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int start = (side - block) / 2;
    for (int y = start; y < start + block; ++y) {
        for (int x = start; x < start + block; ++x)
            image.setPixel(x, y, qRgba(255, 255, 255, 255));
    }
    return image;
}

double totalAlpha(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y));
    }
    return sum;
}

TEST(GaussianBlur, NonPositiveOrUndefinedSigmaLeavesTheImage)
{
    const QImage original = blockImage();
    for (const qreal sigma : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN()}) {
        QImage image = original;
        gaussianBlur(image, sigma);
        EXPECT_EQ(image, original) << sigma;
    }
}

TEST(GaussianBlur, SpreadsSymmetricallyAndKeepsTheAmount)
{
    QImage image = blockImage(61, 5);
    const double before = totalAlpha(image);
    gaussianBlur(image, 3);
    const int centre = 30;
    EXPECT_LT(qAlpha(image.pixel(centre, centre)), 255);
    EXPECT_GT(qAlpha(image.pixel(centre + 6, centre)), 0);
    EXPECT_EQ(image.pixel(centre + 6, centre), image.pixel(centre - 6, centre));
    EXPECT_EQ(image.pixel(centre, centre + 6), image.pixel(centre, centre - 6));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    // Nothing reaches the edge, so rounding aside nothing is lost.
    EXPECT_NEAR(totalAlpha(image), before, before * 0.02);
}

// The sigma is a standard deviation in pixels: across a straight edge the
// blur follows the normal distribution's cumulative curve.
TEST(GaussianBlur, EdgeFollowsTheGaussian)
{
    QImage image(121, 121, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < 60; ++x)
            image.setPixel(x, y, qRgba(255, 255, 255, 255));
    }
    const double sigma = 6;
    gaussianBlur(image, sigma);
    for (const int x : {48, 53, 57, 60, 63, 66, 72}) {
        const double distance = x + 0.5 - 60;
        const double expected = 255 * 0.5 * std::erfc(distance / (sigma * std::sqrt(2.0)));
        EXPECT_NEAR(qAlpha(image.pixel(x, 60)), expected, 8) << x;
    }
}

TEST(GaussianBlur, RunawaySigmaAndOddFormatsAreSafe)
{
    for (const qreal sigma : {1e9, std::numeric_limits<qreal>::infinity()}) {
        QImage image = blockImage(9, 3);
        gaussianBlur(image, sigma);
        EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_LT(qAlpha(image.pixel(4, 4)), 255) << sigma;
    }
    QImage rgb(8, 8, QImage::Format_RGB888);
    rgb.fill(Qt::red);
    gaussianBlur(rgb, 1);
    EXPECT_EQ(rgb.format(), QImage::Format_ARGB32_Premultiplied);
    QImage empty;
    gaussianBlur(empty, 2);
    EXPECT_TRUE(empty.isNull());
}

class PaintLayerTest : public ::testing::Test {
protected:
    PaintLayerTest() { target.fill(Qt::transparent); }
    QImage target{QSize(80, 80), QImage::Format_ARGB32_Premultiplied};
};

TEST_F(PaintLayerTest, MatchesTheTargetsPixelDensity)
{
    target.setDevicePixelRatio(2);
    QPainter painter(&target);
    painter.scale(3, 3);
    const PaintLayer layer(painter, QRectF(0, 0, 10, 5));
    ASSERT_TRUE(layer.isValid());
    EXPECT_DOUBLE_EQ(layer.pixelScale(), 6);
}

TEST_F(PaintLayerTest, DrawsBackWhereItWasDrawn)
{
    QPainter painter(&target);
    painter.translate(10, 20);
    PaintLayer layer(painter, QRectF(5, 5, 30, 30));
    layer.painter().fillRect(QRectF(10, 10, 4, 4), Qt::red);
    layer.drawOnto(painter, 0.5);
    painter.end();
    EXPECT_TRUE(closeToColor(target.pixelColor(22, 32), QColor(255, 0, 0, 128), 1));
    EXPECT_EQ(qAlpha(target.pixel(19, 32)), 0);
    EXPECT_EQ(qAlpha(target.pixel(24, 32)), 0);
}

TEST_F(PaintLayerTest, EmptyOrRunawayAreas)
{
    QPainter painter(&target);
    for (const QRectF& area :
         {QRectF(0, 0, 0, 5), QRectF(0, 0, -3, 5), QRectF(0, 0, std::numeric_limits<qreal>::quiet_NaN(), 5),
          QRectF(0, 0, std::numeric_limits<qreal>::infinity(), 5)}) {
        PaintLayer layer(painter, area);
        EXPECT_FALSE(layer.isValid());
        layer.drawOnto(painter);
    }
    PaintLayer huge(painter, QRectF(0, 0, 1e7, 10));
    ASSERT_TRUE(huge.isValid());
    EXPECT_LE(huge.pixels().width(), 4096);
}

} // namespace
