// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GifWriter.h"

#include <string_view>
#include <vector>

// The built-in completion animations: 32 x 18 pixel art, each a GIF under
// the file name the app looks it up by.
struct AnimationArt {
    std::string_view fileName;
    GifImage (*draw)();
};

GifImage smileyFireworks();
GifImage checkmarkBounce();
GifImage confettiBurst();
GifImage hourglassFlip();
GifImage spaceInvadersExplosion();
GifImage pacmanChomp();
GifImage tetrisDrop();
GifImage pixelFireworks();
GifImage gameOver();
GifImage matrixRain();

// In the catalogue's order.
const std::vector<AnimationArt>& builtInAnimationArt();
