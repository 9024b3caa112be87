#include "Kelvane/popover/PopupPlacement.h"

#include <algorithm>

QPoint popupPlacement(const QRect& anchor, QSize size, const QRect& screen)
{
    // The gap between the item and the popup.
    constexpr int gap = 4;
    const int lastX = std::max(screen.left(), screen.left() + screen.width() - size.width());
    const int lastY = std::max(screen.top(), screen.top() + screen.height() - size.height());
    if (anchor.isEmpty())
        return {lastX, screen.top()};

    const int x = std::clamp(anchor.center().x() - size.width() / 2, screen.left(), lastX);
    const int below = anchor.bottom() + 1 + gap;
    const int above = anchor.top() - gap - size.height();
    const bool fitsBelow = below + size.height() <= screen.top() + screen.height();
    const int y = fitsBelow || above < screen.top() ? below : above;
    return {x, std::clamp(y, screen.top(), lastY)};
}
