// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayRenderer.h"

#include <optional>

// The seven-segment look: slanted LED digits whose unlit bars stay faintly
// visible, a two-dot colon, an optional check mark and an optional bloom.
class SevenSegmentRenderer final : public TintedDisplayRenderer {
public:
    using TintedDisplayRenderer::TintedDisplayRenderer;

    DisplayType displayType() const override { return DisplayType::SevenSegment; }

    QSizeF naturalSize(const DisplayFrame& frame) const override;
    void advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const override;
    void paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const override;
    // Only a pulsing colon or a blink changes the look by itself, once a second.
    std::optional<platform::Date> nextLookChange(const DisplayFrame& frame, const DisplayLookState& state,
                                                 platform::Date now) const override;
};
