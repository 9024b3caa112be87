// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

#include <optional>

struct MenuBarContent;

// A tray picture drawn on nothing lands on whatever the panel is: white
// digits vanish on a light one, dark ones on a dark one. Such a picture gets a
// thin rim of the opposite shade along its lit pixels, so it reads on both.
// A picture with a background of its own is left as the user chose it.
namespace TrayContrastEdge {

// Pixels at least this opaque are lit; the faint unlit segments and dots
// are not, and get no rim.
inline constexpr int litAlpha = 128;
// The rim's opacity: whole, as a host that scales the picture down blends the
// rim with the digits and the panel; on a dark panel it vanishes anyway.
inline constexpr int edgeAlpha = 255;

// The rim for `content`'s picture, or none when it has a background.
std::optional<QColor> edgeColor(const MenuBarContent& content);
// Dark around light digits, light around dark ones.
QColor edgeColorAround(const QColor& lit);

// The rim's width in pixels for a picture `pixels` tall in device pixels.
int edgeWidth(qreal pixels);

// Lays a rim `width` pixels wide in `color` under every lit pixel of `image`,
// to its right and below it: a rim all round would fill the one-pixel gaps of
// a small dot matrix and leave a dark block.
void surround(QImage& image, int width, const QColor& color);

} // namespace TrayContrastEdge
