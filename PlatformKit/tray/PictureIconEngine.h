// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>
#include <QImage>
#include <QList>

#include <functional>

namespace platform {

// An icon that shows the latest pictures it was given, so a tray icon whose
// picture changes every second stays one QIcon. Qt's own pixmap icons keep
// each scaled picture in the QPixmapCache under the pixmap's serial number:
// a new picture every second leaves an entry behind that is never asked for
// again. This one keeps only the picture at the size last asked for.
class PictureIconEngine final : public QIconEngine {
public:
    PictureIconEngine() = default;
    explicit PictureIconEngine(QList<QImage> images);

    // Smallest first, as StatusItem passes them.
    void setImages(QList<QImage> images);
    // Called at each paint of the icon with the side, in device pixels, of
    // the largest square it fills: the size a tray shows it at, for which a
    // picture of its own can be drawn.
    void setOnPaintedSide(std::function<void(int)> handler) { m_onPaintedSide = std::move(handler); }
    const QList<QImage>& images() const { return m_images; }

    // The picture shown at `size` device pixels: the smallest at least that
    // large, else the largest, scaled down to fit as Qt's pixmap icons do.
    QImage imageFor(const QSize& size) const;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override { return m_images.isEmpty(); }
    QString key() const override { return QStringLiteral("PictureIconEngine"); }
    QIconEngine* clone() const override;

private:
    const QImage* bestMatch(const QSize& size) const;

    QList<QImage> m_images;
    std::function<void(int)> m_onPaintedSide;
    mutable QImage m_scaled; // the last picture scaled, for the next paint of the same size
};

} // namespace platform
