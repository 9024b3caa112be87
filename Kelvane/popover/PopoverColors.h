// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

// The popover's colours, taken from the palette so it follows the desktop's
// light or dark look.
namespace PopoverColors {

QColor primary(const QPalette& palette);
QColor secondary(const QPalette& palette);
QColor accent(const QPalette& palette);
// The primary colour at `opacity`: hover backgrounds, capsule fills, dots.
QColor primaryAt(const QPalette& palette, double opacity);
// The red of the stop buttons.
QColor stopRed(const QPalette& palette);

inline constexpr double hoverOpacity = 0.08;
inline constexpr double mutedDotOpacity = 0.4;

} // namespace PopoverColors
