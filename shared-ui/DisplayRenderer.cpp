#include "shared-ui/DisplayRenderer.h"

#include "PlatformKit/SaturatingCast.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

QImage DisplayRenderer::renderImage(const DisplayFrame& frame, DisplayLookState& state, platform::Date now,
                                    qreal devicePixelRatio) const
{
    advance(state, frame, now);
    const qreal ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSizeF size = naturalSize(frame) * ratio;
    QImage image(std::max(1, platform::saturatingCast<int>(std::ceil(size.width()))),
                 std::max(1, platform::saturatingCast<int>(std::ceil(size.height()))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, frame, state);
    return image;
}
