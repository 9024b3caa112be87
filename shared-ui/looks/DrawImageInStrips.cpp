#include "shared-ui/looks/DrawImageInStrips.h"

#include <algorithm>

namespace {

// Under the 96 rows at which Qt starts splitting a blend across threads.
constexpr int stripRows = 48;

} // namespace

void drawImageInStrips(QPainter& painter, QPoint at, const QImage& image)
{
    if (image.height() <= stripRows) {
        painter.drawImage(at, image);
        return;
    }
    for (int top = 0; top < image.height(); top += stripRows) {
        const int rows = std::min(stripRows, image.height() - top);
        painter.drawImage(at + QPoint(0, top), image, QRect(0, top, image.width(), rows));
    }
}
