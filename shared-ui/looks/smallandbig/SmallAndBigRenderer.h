#pragma once

#include "shared-ui/looks/DisplayRenderer.h"

#include "TimerCoreKit/color/MulticolorPalette.h"

#include <QColor>

#include <optional>

// The small-and-big look: the minutes in large block digits and the seconds
// at half size beside them, tops aligned, with an optional bloom. It never
// changes by itself; a blinking request hides it for as long as it lasts.
class SmallAndBigRenderer final : public DisplayRenderer {
public:
    explicit SmallAndBigRenderer(std::optional<QColor> phaseTintColor = std::nullopt,
                                 std::optional<MulticolorPalette> palette = std::nullopt);

    DisplayType displayType() const override { return DisplayType::SmallAndBig; }

    QSizeF naturalSize(const DisplayFrame& frame) const override;
    void advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const override;
    void paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const override;
    std::optional<platform::Date> nextLookChange(const DisplayFrame& frame, const DisplayLookState& state,
                                                 platform::Date now) const override;

private:
    std::optional<QColor> m_phaseTintColor;
    std::optional<MulticolorPalette> m_palette;
    qreal m_smallScale = 0.5; // of everything after the first colon
};
