// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/SpriteCache.h"
#include "shared-ui/looks/flipclock/FlipCardsState.h"

#include <QtGlobal>

// What a look carries from one frame to the next. The host (tray image,
// window, test) keeps one per display and hands it to every frame; the
// renderer brings it up to date and paints from it, so painting itself is a
// plain function of the frame and this state.
struct DisplayLookState {
    qreal colonOpacity = 1.0; // of the lit colon, as the colon mode has it now
    qreal displayOpacity = 1.0; // of the whole display, as blinking has it now
    FlipCardsState flip; // used by the flip clock only
    // Pictures of the look's pieces, kept so the next frame only stamps them.
    // Not part of what the state says, so equality ignores it.
    mutable SpriteCache sprites;

    friend bool operator==(const DisplayLookState& a, const DisplayLookState& b)
    {
        return a.colonOpacity == b.colonOpacity && a.displayOpacity == b.displayOpacity && a.flip == b.flip;
    }
};
