#pragma once

#include <QRect>
#include <QSize>

// Where a popup of `size` opens for a tray item at `anchor` on a screen whose
// free area is `screen`: centred under the item, or above it when there is no
// room below (a bottom panel), always kept on the screen. Without an anchor it
// opens at the screen's top-right corner.
QPoint popupPlacement(const QRect& anchor, QSize size, const QRect& screen);
