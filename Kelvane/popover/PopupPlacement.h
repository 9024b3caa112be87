// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Where a popup of `size` opens for a tray item at `anchor` (the icon, or a
// 1x1 rectangle at the click when only the point is known) on a screen of
// `screen` whose free area is `available`. The panel is taken to run along
// the screen edge nearest the anchor: the popup opens below the item on a top
// panel, above it on a bottom one, beside it on a side one, turning to the
// other side when there is no room, and always kept in the free area. Without
// an anchor it opens in the corner at the right end of the panel the free area
// leaves room for (the top right when it leaves none).
QPoint popupPlacement(const QRect& anchor, QSize size, const QRect& screen, const QRect& available);

// The same on the screen that holds the anchor (the primary one without it).
QPoint popupPosition(const QRect& anchor, QSize size);
