#pragma once

#include "shared-ui/looks/DisplayRenderer.h"

#include "TimerCoreKit/color/MulticolorPalette.h"

#include <QColor>

#include <optional>

// The seven-segment look: slanted LED digits whose unlit bars stay faintly
// visible, a two-dot colon, an optional check mark and an optional bloom.
class SevenSegmentRenderer final : public DisplayRenderer {
public:
    explicit SevenSegmentRenderer(std::optional<QColor> phaseTintColor = std::nullopt,
                                  std::optional<MulticolorPalette> palette = std::nullopt);

    DisplayType displayType() const override { return DisplayType::SevenSegment; }

    QSizeF naturalSize(const DisplayFrame& frame) const override;
    void advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const override;
    void paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const override;
    // Only a pulsing colon or a blink changes the look by itself, once a second.
    std::optional<platform::Date> nextLookChange(const DisplayFrame& frame, const DisplayLookState& state,
                                                 platform::Date now) const override;

private:
    std::optional<QColor> m_phaseTintColor;
    std::optional<MulticolorPalette> m_palette;
};
