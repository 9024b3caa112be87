// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DrawImageInStrips.h"

#include <algorithm>

namespace {

// Qt splits a blend across threads from this many rows.
constexpr int threadedRows = 96;
constexpr int stripRows = threadedRows / 2;

} // namespace

void drawImageInStrips(QPainter& painter, QPoint at, const QImage& image)
{
    if (image.height() < threadedRows) {
        painter.drawImage(at, image);
        return;
    }
    for (int top = 0; top < image.height(); top += stripRows) {
        const int rows = std::min(stripRows, image.height() - top);
        painter.drawImage(at + QPoint(0, top), image, QRect(0, top, image.width(), rows));
    }
}
