// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/flipclock/FlipCardMotion.h"

#include <QEasingCurve>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace FlipCardMotion {

namespace {

constexpr QStringView colon = u":";

// The ease-in-out timing curve of a flip: a cubic Bézier from (0, 0) through
// the control points (0.42, 0) and (0.58, 1) to (1, 1).
const QEasingCurve& flipCurve()
{
    static const QEasingCurve curve = [] {
        QEasingCurve bezier(QEasingCurve::BezierSpline);
        bezier.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
        return bezier;
    }();
    return curve;
}

bool isSingleCard(const TextCharacters& characters)
{
    return characters.size() == 1 && characters.front() != colon;
}

FlipCardState freshCard(QStringView character)
{
    FlipCardState card;
    card.character = character.toString();
    return card;
}

// Drops the old digit once its flip is done; a flip whose time cannot be
// told (a clock that is not finite) counts as done.
void settle(FlipCardState& card, FlipSpeed speed, platform::Date now)
{
    if (!card.previousCharacter)
        return;
    const double elapsed = now.secondsSince(card.flipStartedAt);
    const double length = duration(speed);
    // Ended by the same sum that `nextFrame` schedules the last frame at, so
    // that frame always ends the flip however the subtraction rounds.
    if (!std::isfinite(elapsed) || !(now < card.flipStartedAt + length)) {
        card.previousCharacter.reset();
        card.flipProgress = 1.0;
        return;
    }
    card.flipProgress = easedProgress(elapsed, length);
}

} // namespace

qreal easedProgress(double elapsed, double duration)
{
    if (!(duration > 0) || !(elapsed < duration))
        return 1.0;
    if (!(elapsed > 0))
        return 0.0;
    return flipCurve().valueForProgress(elapsed / duration);
}

void update(FlipCardsState& state, const TextCharacters& characters, FlipSpeed speed, platform::Date now)
{
    const bool single = isSingleCard(characters);
    if (single != state.singleCard) {
        state.cards.clear();
        state.singleCard = single;
    }
    const auto count = static_cast<std::size_t>(characters.size());
    state.cards.resize(std::min(state.cards.size(), count));
    for (std::size_t i = 0; i < count; ++i) {
        const QStringView character = characters[static_cast<qsizetype>(i)];
        if (i == state.cards.size()) {
            state.cards.push_back(freshCard(character));
            continue;
        }
        FlipCardState& card = state.cards[i];
        if (card.character == character) {
            settle(card, speed, now);
            continue;
        }
        if ((card.character == colon) != (character == colon)) {
            card = freshCard(character);
            continue;
        }
        card.previousCharacter = card.character;
        card.character = character.toString();
        card.flipStartedAt = now;
        card.flipProgress = 0.0;
    }
}

std::optional<platform::Date> nextFrame(const FlipCardsState& state, FlipSpeed speed, platform::Date now)
{
    std::optional<platform::Date> next;
    for (const FlipCardState& card : state.cards) {
        if (!card.previousCharacter)
            continue;
        // The frame that ends the flip falls exactly on its end.
        const platform::Date end = card.flipStartedAt + duration(speed);
        const platform::Date due = std::min(now + frameInterval, std::max(end, now));
        if (!next || due < *next)
            next = due;
    }
    return next;
}

std::optional<platform::Date> nextFrame(const FlipCardsState& state, FlipSpeed speed, platform::Date now, int frames)
{
    const double length = duration(speed);
    const int count = std::max(frames, 1);
    std::optional<platform::Date> next;
    for (const FlipCardState& card : state.cards) {
        if (!card.previousCharacter)
            continue;
        // The last is the sum `settle` ends the flip by.
        platform::Date due = std::max(card.flipStartedAt + length, now);
        for (int frame = 1; frame < count; ++frame) {
            const platform::Date at = card.flipStartedAt + length * frame / count;
            if (now < at) {
                due = at;
                break;
            }
        }
        if (!next || due < *next)
            next = due;
    }
    return next;
}

} // namespace FlipCardMotion
