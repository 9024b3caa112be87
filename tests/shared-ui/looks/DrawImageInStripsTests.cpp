// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a picture in bands must leave the same pixels as drawing it at once.
#include "shared-ui/looks/DrawImageInStrips.h"

#include "Pixels.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

// Every pixel different, partly transparent, premultiplied.
QImage noise(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = random.bounded(256);
            line[x] = qRgba(random.bounded(alpha + 1), random.bounded(alpha + 1), random.bounded(alpha + 1), alpha);
        }
    }
    return image;
}

QImage drawn(const QImage& under, QPainter::CompositionMode mode, QPoint at, const QImage& picture, bool inStrips)
{
    QImage target = under;
    QPainter painter(&target);
    painter.setCompositionMode(mode);
    if (inStrips)
        drawImageInStrips(painter, at, picture);
    else
        painter.drawImage(at, picture);
    painter.end();
    return target;
}

struct Case {
    const char* name;
    QSize picture;
    QPoint at;
};

// Heights either side of Qt's threading threshold (where the bands start)
// and of a band; pictures hanging off every edge of the target.
const Case cases[] = {
    {"one row", {30, 1}, {5, 5}},
    {"just under the threshold", {40, 95}, {3, 7}},
    {"at the threshold: two bands", {40, 96}, {3, 7}},
    {"two bands and a row", {40, 97}, {3, 7}},
    {"tall, uneven last band", {57, 203}, {11, 2}},
    {"off the top left", {80, 150}, {-20, -70}},
    {"off the bottom right", {80, 150}, {100, 120}},
};

} // namespace

TEST(DrawImageInStripsTest, MatchesOneDraw)
{
    const QImage under = noise({160, 240}, 1);
    for (const auto mode : {QPainter::CompositionMode_Plus, QPainter::CompositionMode_SourceOver}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (mode == QPainter::CompositionMode_Plus ? ", plus" : ""));
            const QImage picture = noise(c.picture, 2);
            const QImage once = drawn(under, mode, c.at, picture, false);
            EXPECT_NE(once, under);
            EXPECT_LE(largestDifference(drawn(under, mode, c.at, picture, true), once), 1);
        }
    }
}
