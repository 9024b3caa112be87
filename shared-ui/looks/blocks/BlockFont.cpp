// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/blocks/BlockFont.h"

namespace BlockFont {

namespace {
constexpr std::array<const GlyphRows*, 10> digits{&d0, &d1, &d2, &d3, &d4, &d5, &d6, &d7, &d8, &d9};
}

Glyph matrix(int digit)
{
    // Unsigned, so negative values fall outside the range as well.
    const auto index = static_cast<unsigned>(digit);
    if (index >= digits.size())
        return {};
    return *digits[index];
}

Glyph glyph(QStringView character)
{
    if (character.size() != 1)
        return {};
    const char16_t unit = character.front().unicode();
    if (unit == checkmarkCharacter)
        return checkmark;
    // Only the ASCII digits read as numbers.
    if (unit >= u'0' && unit <= u'9')
        return matrix(unit - u'0');
    return {};
}

} // namespace BlockFont
