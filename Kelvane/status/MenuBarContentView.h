// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/MenuBarContent.h"

#include "shared-ui/looks/DisplayLookState.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/tray/StatusItem.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>

class QPainter;

#include <array>
#include <functional>
#include <optional>
#include <vector>

// What a tray picture carries from one drawing to the next: the look state of
// the whole display and of the two rows a square cell splits it into.
struct MenuBarLookStates {
    DisplayLookState whole;
    DisplayLookState top;
    DisplayLookState bottom;

    // The lit extent of a row of widest digits, measured by drawing it large:
    // the same from one second to the next, and costly to draw, so kept.
    struct MeasuredRow {
        DisplayType type;
        DisplayLookSettings settings;
        DisplayFrame frame;
        QRectF bounds;
    };
    std::vector<MeasuredRow> measuredRows; // the latest last
};

// The tray item's picture, drawn from a MenuBarContent alone. A strip shows
// the display at its natural width; a square tray cell splits the time at its
// colon into minutes over seconds and fits whatever it shows to the square.
namespace MenuBarContentView {

// The tray cell sizes drawn, in pixels: a small panel's, the common one and its
// double. Hosts pick one and scale it to their own size; a rim scaled down by
// much more than a quarter no longer reads, so 16 px gets its own.
inline constexpr std::array cellSizes{16, 22, 44};

// The pictures for a status item of this shape: one per cell size, or one at
// `cellPixels` where the host shows the cell at that size; or the natural
// picture at `devicePixelRatio`.
QList<QImage> render(const MenuBarContent& content, platform::StatusItem::Shape shape, MenuBarLookStates& states,
                     platform::Date now, qreal devicePixelRatio = 2, std::optional<int> cellPixels = std::nullopt);

// When the picture next changes by itself (a blink, a colon pulse, a card in
// motion) after `now`, or none while it stands still.
std::optional<platform::Date> nextLookChange(const MenuBarContent& content, platform::StatusItem::Shape shape,
                                             const MenuBarLookStates& states, platform::Date now);

// Whether `a` and `b` draw the same picture at `now`: the time shows only as
// the text it makes and the colon it lights, so a tick that changes neither
// need not be drawn. What moves by itself is `nextLookChange`'s business.
bool samePicture(const MenuBarContent& a, const MenuBarContent& b, platform::Date now);

// The natural picture, padding included.
QSizeF naturalSize(const MenuBarContent& content);
QImage renderNatural(const MenuBarContent& content, DisplayLookState& state, platform::Date now,
                     qreal devicePixelRatio);

// A square of `pixels` on a side.
QImage renderCell(const MenuBarContent& content, int pixels, MenuBarLookStates& states, platform::Date now);

// Full-form height, background corner radius and check-mark dot size by scale.
qreal frameHeight(DisplayScale scale);
qreal backgroundCornerRadius(DisplayScale scale);
qreal checkmarkDotSize(DisplayScale scale);

inline constexpr qreal horizontalPadding = 4;
inline constexpr qreal verticalPadding = 2;
inline constexpr qreal updateDotSize = 5;
// The paused look.
inline constexpr qreal pausedOpacity = 0.5;
inline constexpr qreal pausedSaturation = 0.3;

// A rounded rectangle filled with `color`; nothing when it is clear.
void paintBackground(QPainter& painter, const QRectF& area, qreal radius, const QColor& color);
// Draws `paintContent` into the blank `image`, faded and greyed when `paused`.
void paintWithPausedLook(QImage& image, bool paused, const std::function<void(QPainter&)>& paintContent);

// Moves every pixel towards its grey by 1 - `saturation` and makes it
// `opacity` times as opaque.
void fade(QImage& image, qreal opacity, qreal saturation);
// Each pixel's colour multiplied by `color`, alpha kept.
QImage tinted(const QImage& image, const QColor& color);

} // namespace MenuBarContentView
