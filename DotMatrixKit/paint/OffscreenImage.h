// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/SaturatingCast.h"

#include <QImage>
#include <QPainter>
#include <QSizeF>

#include <algorithm>
#include <cmath>

// A transparent image of a drawing `logicalSize` points large at
// `devicePixelRatio` pixels per point (a ratio that is not a positive number
// counts as 1), painted by `paint`. Never smaller than one pixel a side; null
// only when the image cannot be allocated.
template <typename Paint>
QImage offscreenImage(QSizeF logicalSize, qreal devicePixelRatio, Paint&& paint)
{
    const qreal ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSizeF size = logicalSize * ratio;
    QImage image(std::max(1, platform::saturatingCast<int>(std::ceil(size.width()))),
                 std::max(1, platform::saturatingCast<int>(std::ceil(size.height()))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    return image;
}
