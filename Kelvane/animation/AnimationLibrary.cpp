// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/AnimationLibrary.h"

namespace AnimationLibrary {

const QList<CompletionAnimation>& animations()
{
    static const QList<CompletionAnimation> catalogue{
        {"builtin.smiley-fireworks", "Smiley Fireworks", "smiley_fireworks.gif", 16, 1.6},
        {"builtin.checkmark-bounce", "Checkmark Bounce", "checkmark_bounce.gif", 12, 1.2},
        {"builtin.confetti-burst", "Confetti Burst", "confetti_burst.gif", 16, 1.6},
        {"builtin.hourglass-flip", "Hourglass Flip", "hourglass_flip.gif", 12, 1.2},
        {"builtin.space-invaders-explosion", "Space Invaders", "space_invaders_explosion.gif", 12, 1.2},
        {"builtin.pacman-chomp", "Pac-Man", "pacman_chomp.gif", 16, 1.6},
        {"builtin.tetris-drop", "Tetris", "tetris_drop.gif", 14, 1.4},
        {"builtin.pixel-fireworks", "Pixel Fireworks", "pixel_fireworks.gif", 16, 1.6},
        {"builtin.game-over", "GAME OVER", "game_over.gif", 10, 1.0},
        {"builtin.matrix-rain", "Matrix Rain", "matrix_rain.gif", 16, 1.6},
    };
    return catalogue;
}

std::optional<CompletionAnimation> animation(const QString& id)
{
    for (const auto& entry : animations()) {
        if (entry.id == id)
            return entry;
    }
    return std::nullopt;
}

} // namespace AnimationLibrary
