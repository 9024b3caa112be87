// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/PaintLayer.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace {

// Keeps a layer from a huge or runaway area to a sane allocation.
constexpr int maxLayerSide = 4096;

qreal deviceScale(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    const qreal scale = std::sqrt(std::abs(transform.determinant()));
    return std::isfinite(scale) && scale > 0 ? scale : 1.0;
}

} // namespace

PaintLayer::PaintLayer(const QPainter& target, const QRectF& area)
    : m_area(area)
{
    if (!(area.width() > 0 && area.height() > 0))
        return;
    m_scale = deviceScale(target);
    const qreal longestSide = std::max(area.width(), area.height()) * m_scale;
    if (!std::isfinite(longestSide))
        return;
    if (longestSide > maxLayerSide)
        m_scale *= maxLayerSide / longestSide;

    const int width = std::max(1, platform::saturatingCast<int>(std::ceil(area.width() * m_scale)));
    const int height = std::max(1, platform::saturatingCast<int>(std::ceil(area.height() * m_scale)));
    m_image
        = QImage(std::min(width, maxLayerSide), std::min(height, maxLayerSide), QImage::Format_ARGB32_Premultiplied);
    if (m_image.isNull())
        return;
    m_image.fill(Qt::transparent);
    m_image.setDevicePixelRatio(m_scale);

    m_painter = std::make_unique<QPainter>(&m_image);
    m_painter->setRenderHints(target.renderHints());
    m_painter->translate(-area.topLeft());
}

PaintLayer::~PaintLayer() = default;

QImage& PaintLayer::pixels()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    return m_image;
}

void PaintLayer::drawOnto(QPainter& target, qreal opacity)
{
    if (!isValid())
        return;
    const QImage& image = pixels();
    target.save();
    target.setOpacity(target.opacity() * opacity);
    target.drawImage(m_area.topLeft(), image);
    target.restore();
}
