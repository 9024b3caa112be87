// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/animation/GIFDecoder.h"

#include "shared-ui/animations/CompletionAnimation.h"

#include <optional>

// The completion animation's height in the tray, in points.
inline constexpr double trayAnimationHeight = 18;

// The frames and delays of a built-in animation, decoded at `targetHeight`;
// none when its data is missing or does not decode.
std::optional<GIFDecoder::Animation> builtInAnimationFrames(const CompletionAnimation& animation, double targetHeight);
