// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/AdaptiveFill.h"

#include <algorithm>
#include <cmath>

namespace AdaptiveFill {
namespace {

// A margin so the drawing never quite touches the host's edges.
constexpr qreal fillRatio = 0.95;

bool isMeasured(QSizeF size)
{
    return size.width() > 0 && size.height() > 0 && std::isfinite(size.width()) && std::isfinite(size.height());
}

} // namespace

qreal scale(QSizeF intrinsicSize, QSizeF availableSize)
{
    if (!isMeasured(intrinsicSize) || !isMeasured(availableSize))
        return 1.0;
    return std::min(availableSize.width() / intrinsicSize.width(), availableSize.height() / intrinsicSize.height())
        * fillRatio;
}

} // namespace AdaptiveFill
