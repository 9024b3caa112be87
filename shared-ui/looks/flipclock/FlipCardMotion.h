// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/flipclock/FlipCardsState.h"

#include "DotMatrixKit/TextCharacters.h"
#include "PlatformKit/core/Date.h"
#include "TimerCoreKit/options/DisplayOptions.h"

#include <optional>

// How the flip clock's cards move from frame to frame: a card whose digit
// changes folds its old lower half away over one flip duration, eased in and
// out. Pure functions of the kept state, the text and the time.
namespace FlipCardMotion {

// How often a flip in progress wants a new frame.
inline constexpr double frameInterval = 1.0 / 60;

// The eased share of a flip done `elapsed` seconds into a flip of
// `duration` seconds: 0 at the start, 1 from the end on.
qreal easedProgress(double elapsed, double duration);

// Brings the cards in line with the text at `now`. Cards are matched by
// position. A card whose digit changes starts a flip (over again, if one is
// running, from the digit it showed). A card that is new, a change between a
// colon and a digit, and a change between one centred card and a row of
// cards make new cards, which show their digit without a flip. Flips that are
// done drop their old digit.
void update(FlipCardsState& state, const TextCharacters& characters, FlipSpeed speed, platform::Date now);

// When the next frame of a running flip is due, or none while no card moves.
std::optional<platform::Date> nextFrame(const FlipCardsState& state, FlipSpeed speed, platform::Date now);
// The same for a picture that shows only `frames` frames of a flip, spread
// evenly over it, the last on its end.
std::optional<platform::Date> nextFrame(const FlipCardsState& state, FlipSpeed speed, platform::Date now, int frames);

} // namespace FlipCardMotion
