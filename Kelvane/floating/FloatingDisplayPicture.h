// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/MenuBarContent.h"

#include "shared-ui/looks/DisplayLookState.h"

#include "PlatformKit/core/Date.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// The floating panel's card, drawn from a MenuBarContent alone: the display
// at the floating scale on a rounded card of the scheme's background, the
// phase strip under it, and the close button over its top-right corner while
// the pointer is on the card. Faded and greyed while paused.
namespace FloatingDisplayPicture {

inline constexpr qreal cornerRadius = 16;
inline constexpr qreal padding = 20;
inline constexpr qreal stripHeight = 4;
inline constexpr qreal stripInset = 4; // left, right and above the strip
inline constexpr qreal stripSpacing = 1;
inline constexpr qreal closeSymbolSize = 14;
inline constexpr qreal closePadding = 8;
inline constexpr qreal closeOpacity = 0.5;

// The content as the panel shows it: always at the floating scale.
MenuBarContent floating(MenuBarContent content);

QSizeF cardSize(const MenuBarContent& content);
// The close button's area on a card of `card` size.
QRectF closeButtonArea(QSizeF card);

// The card's empty picture (clear corners, the rounded card), which changes
// only with the card's size and background: kept from one frame to the next,
// each frame starts from a copy of it instead of painting it again.
class CardBackdrop {
public:
    // A blank image of `pixels` at `devicePixelRatio` holding a card of `card` size.
    QImage imageFor(QSize pixels, qreal devicePixelRatio, QSizeF card, const QColor& background);

private:
    QImage m_image;
    QSizeF m_card;
    QColor m_background;
};

// With a `backdrop`, the card starts from its kept picture; the pixels are
// the same either way.
QImage render(const MenuBarContent& content, bool hovered, DisplayLookState& state, platform::Date now,
              qreal devicePixelRatio, CardBackdrop* backdrop = nullptr);

// When the display next changes by itself after `now`, or none.
std::optional<platform::Date> nextLookChange(const MenuBarContent& content, const DisplayLookState& state,
                                             platform::Date now);

QString accessibilityLabel(const MenuBarContent& content);

} // namespace FloatingDisplayPicture
