// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayRenderer.h"

#include <optional>

// The flip-clock look: split-flap cards with block digits and a narrow colon
// card. When a digit changes, the lower half of the old one folds away on the
// hinge in the middle of its card while it fades; the cards in motion are
// kept in the host's look state.
class FlipClockRenderer final : public TintedDisplayRenderer {
public:
    // The flip clock paints no palette.
    explicit FlipClockRenderer(std::optional<QColor> phaseTintColor = std::nullopt)
        : TintedDisplayRenderer(std::move(phaseTintColor))
    {
    }

    DisplayType displayType() const override { return DisplayType::FlipClock; }

    QSizeF naturalSize(const DisplayFrame& frame) const override;
    void advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const override;
    void paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const override;
    // The next frame of a flip, or the next second of a pulsing colon.
    std::optional<platform::Date> nextLookChange(const DisplayFrame& frame, const DisplayLookState& state,
                                                 platform::Date now) const override;
};
