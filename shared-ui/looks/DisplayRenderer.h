// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayFrame.h"
#include "shared-ui/looks/DisplayLookState.h"

#include "PlatformKit/core/Date.h"
#include "TimerCoreKit/color/MulticolorPalette.h"
#include "TimerCoreKit/options/DisplayOptions.h"

#include <QColor>
#include <QImage>
#include <QSizeF>

#include <optional>
#include <utility>

class QPainter;

// One display look. A renderer is a small value holding the look's own
// settings (phase tint, palette, ...), cheap enough to build for every frame.
// Drawing a frame is two steps: `advance` brings the host-kept state to "now"
// (time-driven opacities, cards in motion), then `paint` draws from the frame
// and that state alone.
class DisplayRenderer {
public:
    virtual ~DisplayRenderer() = default;

    virtual DisplayType displayType() const = 0;

    // The room the frame takes, glow margins and padding included, in points.
    virtual QSizeF naturalSize(const DisplayFrame& frame) const = 0;

    virtual void advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const = 0;

    // Draws into the natural size's rectangle at the painter's origin. The
    // renderer never draws the colour scheme's background: the host does.
    virtual void paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const = 0;

    // When the look next changes by itself after `now` (a colon pulse, a
    // blink, the next frame of a flip), or none while it stands still.
    virtual std::optional<platform::Date> nextLookChange(const DisplayFrame& frame, const DisplayLookState& state,
                                                         platform::Date now) const = 0;

    // `advance` and `paint` onto a transparent image of the natural size,
    // `devicePixelRatio` pixels per point.
    QImage renderImage(const DisplayFrame& frame, DisplayLookState& state, platform::Date now,
                       qreal devicePixelRatio = 1.0) const;

protected:
    DisplayRenderer() = default;
    DisplayRenderer(const DisplayRenderer&) = default;
    DisplayRenderer& operator=(const DisplayRenderer&) = default;
};

// What the looks share of their settings: the current phase's colour, which
// wins over everything else, and the multicolour palette of the looks that
// paint with one.
class TintedDisplayRenderer : public DisplayRenderer {
public:
    explicit TintedDisplayRenderer(std::optional<QColor> phaseTintColor = std::nullopt,
                                   std::optional<MulticolorPalette> palette = std::nullopt)
        : m_phaseTintColor(std::move(phaseTintColor))
        , m_palette(std::move(palette))
    {
    }

protected:
    std::optional<QColor> m_phaseTintColor;
    std::optional<MulticolorPalette> m_palette;
};
