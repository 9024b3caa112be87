#pragma once

#include "DotMatrixKit/DigitScaling.h"
#include "TimerCoreKit/MulticolorPalette.h"

#include <QColor>

#include <optional>

// The per-look settings a renderer is built with. A look uses the ones that
// apply to it: digit scaling only the dot matrix, the palette every look but
// the flip clock.
struct DisplayLookSettings {
    std::optional<QColor> phaseTintColor; // the current phase's colour; wins over the palette
    DigitScaling digitScaling = DigitScaling::uniform();
    std::optional<MulticolorPalette> palette;
};
