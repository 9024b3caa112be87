// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DigitMapper.h"

#include <array>

namespace DigitMapper {
namespace {

struct Glyphs {
    // Every digit is three columns wide, the one included, so digits keep one pitch.
    std::array<GlyphPattern, 10> digits{
        GlyphPattern::fromRows({"###", "#.#", "#.#", "#.#", "###"}),
        GlyphPattern::fromRows({"..#", "..#", "..#", "..#", "..#"}),
        GlyphPattern::fromRows({"###", "..#", "###", "#..", "###"}),
        GlyphPattern::fromRows({"###", "..#", "###", "..#", "###"}),
        GlyphPattern::fromRows({"#.#", "#.#", "###", "..#", "..#"}),
        GlyphPattern::fromRows({"###", "#..", "###", "..#", "###"}),
        GlyphPattern::fromRows({"###", "#..", "###", "#.#", "###"}),
        GlyphPattern::fromRows({"###", "..#", "..#", "..#", "..#"}),
        GlyphPattern::fromRows({"###", "#.#", "###", "#.#", "###"}),
        GlyphPattern::fromRows({"###", "#.#", "###", "..#", "###"}),
    };
    GlyphPattern colon = GlyphPattern::fromRows({".", "#", ".", "#", "."});
    GlyphPattern checkmark = GlyphPattern::fromRows({"..#", "..#", "#.#", "##.", "#.."});
    GlyphPattern blank = GlyphPattern::fromRows({".", ".", ".", ".", "."});
};

const Glyphs& glyphs()
{
    static const Glyphs table;
    return table;
}

constexpr char16_t checkmarkCharacter = u'\u2713';

} // namespace

const GlyphPattern* matrix(QStringView character)
{
    if (character.size() != 1)
        return nullptr;
    const char16_t unit = character.front().unicode();
    if (unit >= u'0' && unit <= u'9')
        return &glyphs().digits[static_cast<std::size_t>(unit - u'0')];
    switch (unit) {
    case u':':
        return &glyphs().colon;
    case checkmarkCharacter:
        return &glyphs().checkmark;
    case u' ':
        return &glyphs().blank;
    default:
        return nullptr;
    }
}

const GlyphPattern& colon()
{
    return glyphs().colon;
}
const GlyphPattern& checkmark()
{
    return glyphs().checkmark;
}
const GlyphPattern& blank()
{
    return glyphs().blank;
}

} // namespace DigitMapper
