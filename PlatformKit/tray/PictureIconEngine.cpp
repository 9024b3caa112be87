// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/PictureIconEngine.h"

#include <QPainter>
#include <QPixmap>

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
    const QImage* best = nullptr;
    const qint64 wanted = qint64(size.width()) * size.height();
    for (const QImage& image : m_images) {
        const qint64 area = qint64(image.width()) * image.height();
        if (!best) {
            best = &image;
            continue;
        }
        const qint64 bestArea = qint64(best->width()) * best->height();
        const bool fits = area >= wanted;
        const bool bestFits = bestArea >= wanted;
        if ((fits && (!bestFits || area < bestArea)) || (!fits && !bestFits && area > bestArea))
            best = &image;
    }
    return best;
}

QImage PictureIconEngine::imageFor(const QSize& size) const
{
    const QImage* best = bestMatch(size);
    if (!best)
        return {};
    if (best->width() <= size.width() && best->height() <= size.height())
        return *best;
    const QSize fitted = best->size().scaled(size, Qt::KeepAspectRatio);
    if (m_scaled.size() != fitted)
        m_scaled = best->scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QImage image = imageFor(rect.size() * ratio);
    if (!image.isNull())
        painter->drawImage(rect, image);
}

QSize PictureIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State)
{
    const QImage* best = bestMatch(size);
    if (!best)
        return {};
    const QSize own = best->size();
    return own.width() > size.width() || own.height() > size.height() ? own.scaled(size, Qt::KeepAspectRatio) : own;
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
