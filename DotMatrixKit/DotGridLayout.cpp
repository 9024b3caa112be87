// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotGridLayout.h"

#include "DotMatrixKit/DigitMapper.h"
#include "DotMatrixKit/GlyphPattern.h"
#include "DotMatrixKit/TextCharacters.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

// Glyphs are centred on the height of this many rows and row gaps, whatever
// their own height.
constexpr int glyphRows = 5;
constexpr int glyphRowGaps = 4;

const GlyphPattern& completionCheckmark()
{
    static const GlyphPattern pattern = GlyphPattern::fromRows({
        "......#",
        ".....#.",
        "#...#..",
        "##.#...",
        ".##....",
    });
    return pattern;
}

constexpr QStringView colonCharacter = u":";

// The scale of the character at an offset: the perspective factor for the
// characters up to and including the first colon, 1 for all the others.
class CharacterScales {
public:
    CharacterScales(const TextCharacters& characters, DigitScaling scaling)
        : m_scaling(scaling)
    {
        const auto colon = std::find(characters.begin(), characters.end(), colonCharacter);
        if (colon != characters.end())
            m_colonOffset = colon - characters.begin();
    }

    qreal at(qsizetype offset) const
    {
        if (m_scaling.isPerspective() && m_colonOffset && offset <= *m_colonOffset)
            return m_scaling.minutesScale();
        return 1.0;
    }

private:
    DigitScaling m_scaling;
    std::optional<qsizetype> m_colonOffset;
};

} // namespace

std::vector<DotPosition> DotGridLayout::positions(QStringView text, DigitScaling digitScaling) const
{
    const auto characters = splitCharacters(text);

    std::size_t cellCount = 0;
    for (const auto character : characters) {
        if (const auto* glyph = DigitMapper::matrix(character))
            cellCount += static_cast<std::size_t>(glyph->rowCount() * glyph->width());
    }

    std::vector<DotPosition> result;
    result.reserve(cellCount);

    const qreal e = m_style.effectiveDotSize();
    const qreal h = m_style.horizontalSpacing();
    const qreal v = m_style.verticalSpacing();
    const qreal p = m_style.gridPadding();
    const qreal referenceHeight = glyphRows * e + glyphRowGaps * v;
    const CharacterScales scales(characters, digitScaling);

    qreal pen = p;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const auto* glyph = DigitMapper::matrix(characters[i]);
        if (!glyph)
            continue;
        const qreal scale = scales.at(i);
        const qreal cell = e * scale;
        const qreal pitchX = cell + h * scale;
        const qreal pitchY = cell + v * scale;
        const qreal top = p + (referenceHeight - (glyphRows * cell + glyphRowGaps * v * scale)) / 2;
        const bool isColon = characters[i] == colonCharacter;

        for (int row = 0; row < glyph->rowCount(); ++row) {
            for (int col = 0; col < glyph->width(); ++col) {
                result.push_back({.x = pen + pitchX * col + cell / 2,
                                  .y = top + pitchY * row + cell / 2,
                                  .size = cell,
                                  .isColonDot = isColon,
                                  .isActive = glyph->isLit(row, col),
                                  .row = row,
                                  .col = col});
            }
        }
        // The pitch carries one trailing column gap after the glyph.
        pen += pitchX * glyph->width();
        if (i + 1 < characters.size())
            pen += m_style.characterSpacing() * std::min(scale, scales.at(i + 1));
    }
    return result;
}

std::vector<DotPosition> DotGridLayout::checkmarkPositions(DigitScaling digitScaling) const
{
    const auto& pattern = completionCheckmark();
    const qreal e = m_style.effectiveDotSize();
    const qreal h = m_style.horizontalSpacing();
    const qreal v = m_style.verticalSpacing();
    const qreal p = m_style.gridPadding();
    const qreal clockWidth = totalSize(u"00:00", digitScaling).width();
    const qreal left = (clockWidth - (pattern.width() * e + (pattern.width() - 1) * h)) / 2;

    std::vector<DotPosition> result;
    result.reserve(static_cast<std::size_t>(pattern.rowCount() * pattern.width()));
    for (int row = 0; row < pattern.rowCount(); ++row) {
        for (int col = 0; col < pattern.width(); ++col) {
            result.push_back({.x = left + (e + h) * col + e / 2,
                              .y = p + (e + v) * row + e / 2,
                              .size = e,
                              .isColonDot = false,
                              .isActive = pattern.isLit(row, col),
                              .row = row,
                              .col = col});
        }
    }
    return result;
}

QSizeF DotGridLayout::totalSize(QStringView text, DigitScaling digitScaling) const
{
    return sizeOf(positions(text, digitScaling));
}

QSizeF DotGridLayout::sizeOf(const std::vector<DotPosition>& positions) const
{
    const qreal p = m_style.gridPadding();
    const qreal height = 2 * p + glyphRows * m_style.effectiveDotSize() + glyphRowGaps * m_style.verticalSpacing();
    if (positions.empty())
        return {2 * p, height};
    const auto rightEdge = [](const DotPosition& position) { return position.x + position.size / 2; };
    const auto rightmost = std::max_element(positions.begin(), positions.end(),
                                            [&](const auto& a, const auto& b) { return rightEdge(a) < rightEdge(b); });
    return {p + rightEdge(*rightmost), height};
}

int DotGridLayout::paletteSlot(int row, int col, int paletteCount)
{
    if (paletteCount < 1)
        return 0;
    // Unsigned 64-bit products wrap instead of overflowing, whatever the row and column.
    const auto wrapped = [](int value, std::uint64_t factor) {
        return static_cast<std::uint64_t>(static_cast<std::int64_t>(value)) * factor;
    };
    const std::uint64_t hash = (wrapped(col, 19349663u) ^ wrapped(row, 73856093u)) & 0x7fff'ffff'ffff'ffffu;
    return static_cast<int>(hash % static_cast<std::uint64_t>(paletteCount));
}
