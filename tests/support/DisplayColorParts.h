// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/DisplayColor.h"

// A colour scheme's two colours as components, to compare with what a reader
// resolved.
inline ColorComponents digitsOf(const DisplayColor& color)
{
    return {color.dotR, color.dotG, color.dotB, color.dotA};
}

inline ColorComponents backgroundOf(const DisplayColor& color)
{
    return {color.bgR, color.bgG, color.bgB, color.bgA};
}
