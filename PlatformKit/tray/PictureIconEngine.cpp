// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/PictureIconEngine.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace platform {

PictureIconEngine::PictureIconEngine(QList<QImage> images)
    : m_images(std::move(images))
{
}

void PictureIconEngine::setImages(QList<QImage> images)
{
    m_images = std::move(images);
    m_scaled = QImage();
}

const QImage* PictureIconEngine::bestMatch(const QSize& size) const
{
    // The smallest picture that fills `size` keeping its shape, else the largest.
    const QImage* best = nullptr;
    const auto fills = [&](const QImage& image) {
        const QSize fitted = image.size().scaled(size, Qt::KeepAspectRatio);
        return image.width() >= fitted.width() && image.height() >= fitted.height();
    };
    for (const QImage& image : m_images) {
        if (!best) {
            best = &image;
            continue;
        }
        const bool smaller = image.width() < best->width();
        if (fills(image) ? !fills(*best) || smaller : !fills(*best) && !smaller)
            best = &image;
    }
    return best;
}

QImage PictureIconEngine::imageFor(const QSize& size) const
{
    const QImage* best = bestMatch(size);
    if (!best)
        return {};
    const QSize fitted = best->size().scaled(size, Qt::KeepAspectRatio);
    if (fitted.width() >= best->width())
        return *best;
    if (m_scaled.size() != fitted)
        m_scaled = best->scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QSize size = rect.size() * ratio;
    const int side = std::min(size.width(), size.height());
    if (m_onPaintedSide && side > 0)
        m_onPaintedSide(side);
    const QImage image = imageFor(size);
    if (image.isNull())
        return;
    // At its own size, centred: a picture smaller than the area is not stretched.
    QRectF target(QPointF(), QSizeF(image.size()) / ratio);
    target.moveCenter(QRectF(rect).center());
    painter->drawImage(target, image);
}

QSize PictureIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    // The whole area asked for, so that a paint tells the size the tray
    // shows the icon at; a smaller picture is centred in it.
    const QImage* best = bestMatch(size);
    return best ? best->size().scaled(size, Qt::KeepAspectRatio) : QSize();
}

QPixmap PictureIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    return QPixmap::fromImage(imageFor(size));
}

QPixmap PictureIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    QPixmap pixmap = this->pixmap(size * scale, mode, state);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const QImage& image : m_images)
        sizes << image.size();
    return sizes;
}

QIconEngine* PictureIconEngine::clone() const
{
    return new PictureIconEngine(m_images);
}

} // namespace platform
