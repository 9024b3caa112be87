// SPDX-License-Identifier: GPL-3.0-or-later
#include "Animations.h"

const std::vector<AnimationArt>& builtInAnimationArt()
{
    static const std::vector<AnimationArt> art{
        {"smiley_fireworks.gif", smileyFireworks},
        {"checkmark_bounce.gif", checkmarkBounce},
        {"confetti_burst.gif", confettiBurst},
        {"hourglass_flip.gif", hourglassFlip},
        {"space_invaders_explosion.gif", spaceInvadersExplosion},
        {"pacman_chomp.gif", pacmanChomp},
        {"tetris_drop.gif", tetrisDrop},
        {"pixel_fireworks.gif", pixelFireworks},
        {"game_over.gif", gameOver},
        {"matrix_rain.gif", matrixRain},
    };
    return art;
}
