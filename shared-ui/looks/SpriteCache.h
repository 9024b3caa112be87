// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCache>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <functional>
#include <optional>

// Pictures of the pieces of a look (a digit, a colon, a digit's glow), drawn
// once at the painter's resolution and stamped on every later frame: a digit
// looks the same from one second to the next, and drawing it afresh (paths,
// antialiasing, blur) costs far more than copying its pixels.
//
// A piece is drawn in the painter's own logical coordinates, exactly where it
// sits, into a picture aligned to whole device pixels; stamping copies those
// pixels back one to one, so a stamped piece matches one drawn directly.
class SpriteCache {
public:
    using Draw = std::function<void(QPainter&)>;

    // Draws the piece named `key` that lies within `bounds` (logical
    // coordinates of `painter`). A glow radius (in points) makes the piece a
    // glow: its picture reaches three radii further, is blurred once when
    // drawn, and is added onto what lies under it, so neighbouring glows sum.
    // Painters that rotate or shear draw the piece directly instead.
    void stamp(QPainter& painter, const QRectF& bounds, const QByteArray& key, const Draw& draw,
               std::optional<qreal> glowRadius = std::nullopt);

    int size() const { return static_cast<int>(m_sprites.size()); }

    // A cache that keeps nothing draws every piece directly: the reference
    // that stamped drawing must match.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Copies start out empty: a picture belongs to the painter set-up it was made for.
    SpriteCache() = default;
    SpriteCache(const SpriteCache&)
        : SpriteCache()
    {
    }
    SpriteCache& operator=(const SpriteCache&) { return *this; }

private:
    static void drawAt(QPainter& painter, QPoint devicePixel, const QImage& sprite, QPainter::CompositionMode mode);
    static void drawUncached(QPainter& painter, const QRectF& reach, const Draw& draw, qreal blur,
                             QPainter::CompositionMode mode);

    QCache<QByteArray, QImage> m_sprites{maxBytes};
    bool m_enabled = true;

    static constexpr qsizetype maxBytes = 16 * 1024 * 1024;
};

// Builds a cache key from the values that decide how a piece looks.
class SpriteKey {
public:
    // Room for a typical key up front: growing it value by value cost more
    // than the rest of a stamp.
    explicit SpriteKey(const char* look)
    {
        m_bytes.reserve(reservedBytes);
        m_bytes.append(look);
    }

    SpriteKey& add(double value);
    SpriteKey& add(int value);
    SpriteKey& add(bool value) { return add(value ? 1 : 0); }
    SpriteKey& addColor(const QColor& color);
    SpriteKey& addText(QStringView text);

    const QByteArray& bytes() const { return m_bytes; }

private:
    static constexpr qsizetype reservedBytes = 256;

    QByteArray m_bytes;
};
