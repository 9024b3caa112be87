// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayRendererFactory.h"

#include "shared-ui/looks/dotmatrix/DotMatrixRenderer.h"
#include "shared-ui/looks/flipclock/FlipClockRenderer.h"
#include "shared-ui/looks/sevensegment/SevenSegmentRenderer.h"
#include "shared-ui/looks/smallandbig/SmallAndBigRenderer.h"

namespace DisplayRendererFactory {

std::unique_ptr<DisplayRenderer> renderer(DisplayType type, const DisplayLookSettings& settings)
{
    switch (type) {
    case DisplayType::DotMatrix:
        return std::make_unique<DotMatrixRenderer>(settings.phaseTintColor, settings.digitScaling, settings.palette);
    case DisplayType::SevenSegment:
        return std::make_unique<SevenSegmentRenderer>(settings.phaseTintColor, settings.palette);
    case DisplayType::FlipClock:
        return std::make_unique<FlipClockRenderer>(settings.phaseTintColor);
    case DisplayType::SmallAndBig:
        return std::make_unique<SmallAndBigRenderer>(settings.phaseTintColor, settings.palette);
    }
    // Only a value cast from outside the enum gets here.
    return std::make_unique<DotMatrixRenderer>(settings.phaseTintColor, settings.digitScaling, settings.palette);
}

} // namespace DisplayRendererFactory
