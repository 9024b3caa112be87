// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayRenderer.h"

#include <optional>

// The small-and-big look: the minutes in large block digits and the seconds
// at half size beside them, tops aligned, with an optional bloom. It never
// changes by itself; a blinking request hides it for as long as it lasts.
class SmallAndBigRenderer final : public TintedDisplayRenderer {
public:
    using TintedDisplayRenderer::TintedDisplayRenderer;

    DisplayType displayType() const override { return DisplayType::SmallAndBig; }

    QSizeF naturalSize(const DisplayFrame& frame) const override;
    void advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const override;
    void paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const override;
    std::optional<platform::Date> nextLookChange(const DisplayFrame& frame, const DisplayLookState& state,
                                                 platform::Date now) const override;

private:
    qreal m_smallScale = 0.5; // of everything after the first colon
};
