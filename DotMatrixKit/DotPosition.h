// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// One cell of a laid-out dot grid, lit or not.
struct DotPosition {
    qreal x = 0; // centre, from the grid's left edge
    qreal y = 0; // centre, from the grid's top edge
    qreal size = 0; // side of the dot's square: the cell size at the character's scale
    bool isColonDot = false;
    bool isActive = false; // lit in its glyph
    int row = 0; // within the glyph, so the same cell of two digits matches
    int col = 0;

    friend bool operator==(const DotPosition&, const DotPosition&) = default;
};
