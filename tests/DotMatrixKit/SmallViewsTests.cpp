// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DigitMapper.h"
#include "DotMatrixKit/DotGlyphView.h"
#include "DotMatrixKit/DotMatrixPlaceholderView.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(DotGlyphView, DrawsIntoItsOwnSize)
{
    DotGlyphView view({DotGlyph(*DigitMapper::matrix(u"1")), QColor(0, 200, 255), DotShape::Square});
    view.resize(30, 100);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // Cells of 10 from y 25; the 1 is lit only in its right column.
    EXPECT_EQ(image.pixelColor(25, 30), QColor(0, 200, 255));
    EXPECT_EQ(qAlpha(image.pixel(5, 30)), 0);

    view.setInputs({DotGlyph(GlyphPattern()), Qt::red, DotShape::Square});
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(qAlpha(image.pixel(25, 30)), 0);
}

TEST(DotMatrixPlaceholderView, BoldMonospacedTwelve)
{
    const DotMatrixPlaceholderView view(QStringLiteral("25:00"));
    EXPECT_EQ(view.text(), "25:00");
    EXPECT_EQ(view.textFormat(), Qt::PlainText);
    EXPECT_TRUE(view.font().bold());
    EXPECT_EQ(view.font().pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(view.font()).fixedPitch());
}

} // namespace
