// SPDX-License-Identifier: GPL-3.0-or-later
// A stamp changes the painter's blend and transform to copy pixels; whatever
// is drawn after it must find the painter as it was.
#include "shared-ui/looks/SpriteCache.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

TEST(SpriteCacheTest, AStampLeavesThePainterAsItFoundIt)
{
    struct Case {
        const char* name;
        std::optional<qreal> glowRadius;
        bool cached;
        bool transformEnabled = true;
    };
    const Case cases[] = {
        {"sharp, stamped", std::nullopt, true},
        {"glow, stamped", 2.0, true},
        {"glow, drawn directly", 2.0, false},
        {"glow, painter transform switched off", 2.0, true, false},
    };
    const QRectF bounds(10, 10, 40, 30);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SpriteCache sprites;
        sprites.setEnabled(c.cached);
        QImage image(200, 150, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        const QTransform transform = QTransform::fromTranslate(7, 3).scale(1.5, 1.5);
        painter.setTransform(transform);
        painter.setWorldMatrixEnabled(c.transformEnabled);
        // Twice: drawn into the cache, then copied from it.
        for (int i = 0; i < 2; ++i) {
            sprites.stamp(
                painter, bounds, "piece", [&](QPainter& piece) { piece.fillRect(bounds, Qt::red); }, c.glowRadius);
            EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_Multiply);
            EXPECT_EQ(painter.worldTransform(), transform);
            EXPECT_EQ(painter.worldMatrixEnabled(), c.transformEnabled);
        }
        EXPECT_EQ(sprites.size(), c.cached ? 1 : 0);
    }
}
