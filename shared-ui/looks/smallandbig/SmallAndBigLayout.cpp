// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/smallandbig/SmallAndBigLayout.h"

#include "DotMatrixKit/TextCharacters.h"

#include <algorithm>

namespace SmallAndBig {

namespace {

constexpr PerScale<qreal> cells{1.125, 1.5, 6};
constexpr PerScale<qreal> glowMargins{2.25, 3, 10.5};
constexpr qreal paddingPerCell = 1.5;

constexpr QStringView colon = u":";

} // namespace

Metrics Metrics::of(DisplayScale scale, bool bloomEnabled)
{
    const qreal glow = glowMargins[scale];
    return {cells[scale], bloomEnabled ? glow : 0, glow, paddingPerCell * cells[scale]};
}

qreal Metrics::padding() const
{
    return std::max<qreal>(0, paddingBase - glowMargin);
}

QSizeF Layout::frameSize(const Metrics& metrics) const
{
    return {contentWidth + 2 * metrics.glowMargin, BlockFont::rowCount * metrics.cell + 2 * metrics.glowMargin};
}

QSizeF Layout::naturalSize(const Metrics& metrics) const
{
    const qreal padding = metrics.padding();
    return frameSize(metrics) + QSizeF(2 * padding, 2 * padding);
}

Layout layout(QStringView text, const Metrics& metrics, qreal smallScale)
{
    const TextCharacters characters = splitCharacters(text);
    const auto split = std::find(characters.begin(), characters.end(), colon);
    const auto count = characters.size();

    Layout result;
    qreal x = metrics.glowMargin;
    for (qsizetype i = 0; i < count; ++i) {
        const QStringView character = characters[i];
        const bool isLast = i == count - 1;
        const qreal gapAfter = isLast ? 0 : metrics.gap();
        if (character == colon) {
            result.contentWidth += metrics.gap();
            x += metrics.gap();
            continue;
        }
        const bool small = split != characters.end() && i > split - characters.begin();
        const qreal scale = small ? smallScale : 1.0;
        const BlockFont::Glyph glyph = BlockFont::glyph(character);
        const bool isCheckmark = glyph.data() == BlockFont::checkmark.data();
        // The check mark is always drawn large, so it takes a large glyph's room.
        const qreal width = BlockFont::columnCount * metrics.cell * (isCheckmark ? 1.0 : scale);
        result.contentWidth += width + gapAfter;
        if (glyph.empty())
            continue; // counted, but the next glyph takes its place
        result.glyphs.push_back({character.front().unicode(), glyph, QPointF(x, metrics.glowMargin),
                                 isCheckmark ? metrics.cell : metrics.cell * scale, isCheckmark});
        x += width + gapAfter;
    }
    return result;
}

} // namespace SmallAndBig
