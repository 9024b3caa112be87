// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/floating/FloatingPanelGeometry.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace FloatingPanelGeometry {
namespace {

// Farther out than any desktop reaches; beyond it a corner would overflow
// the frame's far edge.
constexpr double farthest = 1 << 24;

bool isUsable(QPointF corner)
{
    return std::isfinite(corner.x()) && std::isfinite(corner.y()) && std::abs(corner.x()) <= farthest
        && std::abs(corner.y()) <= farthest;
}

} // namespace

QSize panelSize(QSizeF fitting)
{
    const auto side = [](qreal points, int minimum) {
        // Content no taller than a screen could show; the cap keeps the sum in range.
        return std::isfinite(points) ? std::clamp(platform::saturatingCast<int>(std::ceil(points)), minimum, 1 << 16)
                                     : minimum;
    };
    return {side(fitting.width(), minimumSize.width()), side(fitting.height(), minimumSize.height())};
}

bool isOnVisibleScreen(const QRect& frame, const QList<QRect>& visibleFrames)
{
    return std::any_of(visibleFrames.cbegin(), visibleFrames.cend(),
                       [&](const QRect& visible) { return visible.intersects(frame); });
}

QRect placement(QSize size, std::optional<QPointF> saved, const QList<QRect>& visibleFrames, const QRect& centreIn)
{
    // A stored value that is no number, or far beyond any screen, is no position.
    if (saved && isUsable(*saved)) {
        const QRect there(QPoint(static_cast<int>(std::round(saved->x())), static_cast<int>(std::round(saved->y()))),
                          size);
        if (isOnVisibleScreen(there, visibleFrames))
            return there;
    }
    QRect centred(QPoint(0, 0), size);
    centred.moveCenter(centreIn.center());
    return centred;
}

std::optional<QRect> refitted(const QRect& frame, QSize target)
{
    if (std::abs(frame.width() - target.width()) < refitTolerance
        && std::abs(frame.height() - target.height()) < refitTolerance)
        return std::nullopt;
    return QRect(frame.topLeft(), target);
}

std::optional<QPoint> positionToSave(const QRect& frame, const QList<QRect>& visibleFrames)
{
    if (!isOnVisibleScreen(frame, visibleFrames))
        return std::nullopt;
    return frame.topLeft();
}

} // namespace FloatingPanelGeometry
