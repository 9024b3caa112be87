// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayRenderer.h"

#include "DotMatrixKit/DigitScaling.h"
#include "DotMatrixKit/DotMatrixInputs.h"
#include <optional>

// The dot-matrix look: the frame handed to the dot-matrix view of the glyph
// kit, with the size class's dots and glow.
class DotMatrixRenderer final : public TintedDisplayRenderer {
public:
    explicit DotMatrixRenderer(std::optional<QColor> phaseTintColor = std::nullopt,
                               DigitScaling digitScaling = DigitScaling::uniform(),
                               std::optional<MulticolorPalette> palette = std::nullopt);

    DisplayType displayType() const override { return DisplayType::DotMatrix; }

    // What the dot-matrix view draws for this frame. A phase tint switches the
    // palette off, and the background is left to the host.
    DotMatrixInputs inputs(const DisplayFrame& frame) const;

    QSizeF naturalSize(const DisplayFrame& frame) const override;
    void advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const override;
    void paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const override;
    std::optional<platform::Date> nextLookChange(const DisplayFrame& frame, const DisplayLookState& state,
                                                 platform::Date now) const override;

private:
    DigitScaling m_digitScaling;
};
