// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DigitScaling.h"
#include "TimerCoreKit/color/MulticolorPalette.h"

#include <QColor>

#include <optional>

// The per-look settings a renderer is built with. A look uses the ones that
// apply to it: digit scaling only the dot matrix, the palette every look but
// the flip clock.
// The palette a look paints with: none under a phase tint, and none when it
// has no colours (it would leave every lit part clear).
inline const MulticolorPalette* paletteInUse(const std::optional<QColor>& phaseTintColor,
                                             const std::optional<MulticolorPalette>& palette)
{
    return !phaseTintColor && palette && !palette->colors().isEmpty() ? &*palette : nullptr;
}

struct DisplayLookSettings {
    std::optional<QColor> phaseTintColor; // the current phase's colour; wins over the palette
    DigitScaling digitScaling = DigitScaling::uniform();
    std::optional<MulticolorPalette> palette;

    friend bool operator==(const DisplayLookSettings&, const DisplayLookSettings&) = default;
};
