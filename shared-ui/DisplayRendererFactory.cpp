#include "shared-ui/DisplayRendererFactory.h"

#include "shared-ui/DotMatrixRenderer.h"
#include "shared-ui/SevenSegmentRenderer.h"

namespace DisplayRendererFactory {

std::unique_ptr<DisplayRenderer> renderer(DisplayType type, const DisplayLookSettings& settings)
{
    switch (type) {
    case DisplayType::DotMatrix:
        return std::make_unique<DotMatrixRenderer>(settings.phaseTintColor, settings.digitScaling, settings.palette);
    case DisplayType::SevenSegment:
        return std::make_unique<SevenSegmentRenderer>(settings.phaseTintColor, settings.palette);
    case DisplayType::FlipClock:
    case DisplayType::SmallAndBig:
        break;
    }
    return std::make_unique<DotMatrixRenderer>(settings.phaseTintColor, settings.digitScaling, settings.palette);
}

} // namespace DisplayRendererFactory
