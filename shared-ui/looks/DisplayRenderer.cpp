// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayRenderer.h"

#include "DotMatrixKit/paint/OffscreenImage.h"

QImage DisplayRenderer::renderImage(const DisplayFrame& frame, DisplayLookState& state, platform::Date now,
                                    qreal devicePixelRatio) const
{
    advance(state, frame, now);
    return offscreenImage(naturalSize(frame), devicePixelRatio,
                          [&](QPainter& painter) { paint(painter, frame, state); });
}
