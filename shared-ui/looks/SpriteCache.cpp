// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/SpriteCache.h"

#include "shared-ui/looks/DrawImageInStrips.h"

#include "DotMatrixKit/paint/GaussianBlur.h"
#include "DotMatrixKit/paint/PaintLayer.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QColor>

#include <cmath>
#include <memory>
#include <optional>

namespace {

// Past this a piece is not worth keeping: draw it directly.
constexpr int maxSpriteSide = 2048;

// The pixels-per-point of a painter that only scales and moves, or none.
std::optional<qreal> uniformScale(const QTransform& transform)
{
    if (transform.type() > QTransform::TxScale || transform.m11() != transform.m22() || !(transform.m11() > 0))
        return std::nullopt;
    return transform.m11();
}

template <typename T>
void appendRaw(QByteArray& bytes, T value)
{
    bytes.append(reinterpret_cast<const char*>(&value), sizeof(value));
}

} // namespace

void SpriteCache::stamp(QPainter& painter, const QRectF& bounds, const QByteArray& key, const Draw& draw,
                        std::optional<qreal> glowRadius)
{
    const QTransform device = painter.deviceTransform();
    const auto scale = uniformScale(device);
    const qreal blurRadius = glowRadius.value_or(0);
    const qreal blur = std::isfinite(blurRadius) ? std::max<qreal>(blurRadius, 0) : 0;
    const auto mode = glowRadius ? QPainter::CompositionMode_Plus : QPainter::CompositionMode_SourceOver;
    const QRectF reach = bounds.adjusted(-3 * blur, -3 * blur, 3 * blur, 3 * blur);
    const QRectF deviceReach = device.mapRect(reach);
    const bool fits = deviceReach.isValid() && deviceReach.width() <= maxSpriteSide
        && deviceReach.height() <= maxSpriteSide && std::isfinite(deviceReach.left())
        && std::isfinite(deviceReach.top());
    if (!m_enabled || !scale || !fits) {
        drawUncached(painter, reach, draw, blur, mode);
        return;
    }

    // Whole device pixels where the picture starts, and where within its
    // first pixel the piece falls: the same piece at another sub-pixel
    // position rasterises differently, so that is part of its name.
    const QPoint base(platform::saturatingCast<int>(std::floor(deviceReach.left())),
                      platform::saturatingCast<int>(std::floor(deviceReach.top())));
    const QPointF phase = deviceReach.topLeft() - QPointF(base);
    QByteArray fullKey;
    fullKey.reserve(key.size() + 4 * qsizetype(sizeof(qreal)));
    fullKey.append(key);
    appendRaw(fullKey, *scale);
    appendRaw(fullKey, phase.x());
    appendRaw(fullKey, phase.y());
    appendRaw(fullKey, blur);

    if (const QImage* sprite = m_sprites.object(fullKey)) {
        drawAt(painter, base, *sprite, mode);
        return;
    }
    auto picture = std::make_unique<QImage>(platform::saturatingCast<int>(std::ceil(phase.x() + deviceReach.width())),
                                            platform::saturatingCast<int>(std::ceil(phase.y() + deviceReach.height())),
                                            QImage::Format_ARGB32_Premultiplied);
    if (picture->isNull())
        return;
    picture->fill(Qt::transparent);
    {
        QPainter piece(picture.get());
        piece.setRenderHints(painter.renderHints());
        piece.setTransform(device * QTransform::fromTranslate(-base.x(), -base.y()));
        draw(piece);
    }
    if (blur > 0)
        gaussianBlur(*picture, blur * *scale);
    drawAt(painter, base, *picture, mode);
    const auto cost = picture->sizeInBytes();
    if (cost <= m_sprites.maxCost())
        m_sprites.insert(fullKey, picture.release(), cost);
}

void SpriteCache::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled)
        m_sprites.clear();
}

void SpriteCache::drawAt(QPainter& painter, QPoint devicePixel, const QImage& sprite, QPainter::CompositionMode mode)
{
    // Only the blend and the transform change, and putting those two back
    // costs far less than a save() of the whole state on every stamp.
    const QPainter::CompositionMode previousMode = painter.compositionMode();
    const QTransform previousTransform = painter.worldTransform();
    const bool transformEnabled = painter.worldMatrixEnabled();
    painter.setCompositionMode(mode);
    // Device pixels one to one: undo whatever the device itself scales by.
    painter.setWorldTransform(QTransform());
    painter.setWorldTransform(painter.deviceTransform().inverted());
    drawImageInStrips(painter, devicePixel, sprite);
    painter.setWorldTransform(previousTransform);
    painter.setWorldMatrixEnabled(transformEnabled);
    painter.setCompositionMode(previousMode);
}

void SpriteCache::drawUncached(QPainter& painter, const QRectF& reach, const Draw& draw, qreal blur,
                               QPainter::CompositionMode mode)
{
    painter.save();
    painter.setCompositionMode(mode);
    if (blur > 0) {
        PaintLayer layer(painter, reach);
        if (layer.isValid()) {
            draw(layer.painter());
            gaussianBlur(layer.pixels(), blur * layer.pixelScale());
            layer.drawOnto(painter);
        }
    } else {
        draw(painter);
    }
    painter.restore();
}

SpriteKey& SpriteKey::add(double value)
{
    appendRaw(m_bytes, value);
    return *this;
}

SpriteKey& SpriteKey::add(int value)
{
    appendRaw(m_bytes, value);
    return *this;
}

SpriteKey& SpriteKey::addColor(const QColor& color)
{
    appendRaw(m_bytes, color.rgba64());
    return *this;
}

SpriteKey& SpriteKey::addText(QStringView text)
{
    appendRaw(m_bytes, text.size());
    m_bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return *this;
}
