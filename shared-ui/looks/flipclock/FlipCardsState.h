// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/Date.h"

#include <QString>

#include <optional>
#include <vector>

// One split-flap card as last drawn.
struct FlipCardState {
    QString character; // what the card shows
    std::optional<QString> previousCharacter; // folding away while a flip runs
    platform::Date flipStartedAt; // when the running flip began
    qreal flipProgress = 1.0; // 0: the flip starts, 1: done

    friend bool operator==(const FlipCardState&, const FlipCardState&) = default;
};

// The flip clock's cards, matched to the text by position, so a card keeps
// its motion across frames while its character changes.
struct FlipCardsState {
    std::vector<FlipCardState> cards;
    bool singleCard = false; // the row was one centred card, whose cards are new views when it changes

    friend bool operator==(const FlipCardsState&, const FlipCardsState&) = default;
};
