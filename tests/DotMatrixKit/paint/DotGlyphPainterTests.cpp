// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/DotGlyphPainter.h"

#include "DotMatrixKit/DigitMapper.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(DotGlyphPainting, FillsLitDotsInTheColorAndShape)
{
    const auto draw = [](DotShape shape) {
        QImage image(30, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        DotGlyphPainter::paint(painter, image.size(),
                               {DotGlyph(*DigitMapper::matrix(u"8")), QColor(0, 200, 255), shape});
        return image;
    };
    // First dot: 8 x 8 at (1, 26).
    const QImage rounded = draw(DotShape::Rounded);
    EXPECT_EQ(rounded.pixelColor(5, 30), QColor(0, 200, 255));
    EXPECT_EQ(qAlpha(rounded.pixel(1, 26)), 0);
    EXPECT_EQ(qAlpha(rounded.pixel(5, 24)), 0); // above the block
    EXPECT_EQ(qAlpha(rounded.pixel(15, 40)), 0); // unlit middle cell

    const QImage square = draw(DotShape::Square);
    EXPECT_EQ(square.pixelColor(1, 26), QColor(0, 200, 255));
}

} // namespace
