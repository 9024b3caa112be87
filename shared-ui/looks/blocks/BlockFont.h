// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <array>
#include <span>
#include <string_view>

// The large bitmap digits of the flip-clock cards and the small-and-big look:
// 9 rows of 7 cells with strokes two cells thick. Every digit has the same
// width, so a changing time never shifts its neighbours.
namespace BlockFont {

inline constexpr int rowCount = 9;
inline constexpr int columnCount = 7;

using GlyphRow = std::array<bool, columnCount>;
using GlyphRows = std::array<GlyphRow, rowCount>;
// A glyph's rows, top first, each leftmost cell first; lit cells are true.
// A lookup that finds nothing gives no rows.
using Glyph = std::span<const GlyphRow>;

namespace detail {
// Glyphs are written as pictures: '#' lit, anything else unlit.
consteval GlyphRows fromPicture(std::array<std::string_view, rowCount> picture)
{
    GlyphRows rows{};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            rows[r][c] = picture[r].at(c) == '#';
    }
    return rows;
}
} // namespace detail

// clang-format off
inline constexpr GlyphRows d0 = detail::fromPicture({
    "#######", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "#######"});
inline constexpr GlyphRows d1 = detail::fromPicture({
    ".....##", ".....##", ".....##", ".....##", ".....##", ".....##", ".....##", ".....##", ".....##"});
inline constexpr GlyphRows d2 = detail::fromPicture({
    "#######", ".....##", ".....##", ".....##", "#######", "##.....", "##.....", "##.....", "#######"});
inline constexpr GlyphRows d3 = detail::fromPicture({
    "#######", ".....##", ".....##", ".....##", "#######", ".....##", ".....##", ".....##", "#######"});
inline constexpr GlyphRows d4 = detail::fromPicture({
    "##...##", "##...##", "##...##", "##...##", "#######", ".....##", ".....##", ".....##", ".....##"});
inline constexpr GlyphRows d5 = detail::fromPicture({
    "#######", "##.....", "##.....", "##.....", "#######", ".....##", ".....##", ".....##", "#######"});
inline constexpr GlyphRows d6 = detail::fromPicture({
    "#######", "##.....", "##.....", "##.....", "#######", "##...##", "##...##", "##...##", "#######"});
inline constexpr GlyphRows d7 = detail::fromPicture({
    "#######", ".....##", ".....##", ".....##", ".....##", ".....##", ".....##", ".....##", ".....##"});
inline constexpr GlyphRows d8 = detail::fromPicture({
    "#######", "##...##", "##...##", "##...##", "#######", "##...##", "##...##", "##...##", "#######"});
inline constexpr GlyphRows d9 = detail::fromPicture({
    "#######", "##...##", "##...##", "##...##", "#######", ".....##", ".....##", ".....##", "#######"});
// Fills the top six rows; only reached by name, never as a digit.
inline constexpr GlyphRows checkmark = detail::fromPicture({
    ".......", ".....##", "....##.", "#..##..", "####...", ".##....", ".......", ".......", "......."});
// clang-format on

// The glyph of a digit 0 to 9; any other value, negative ones included, has none.
Glyph matrix(int digit);

// The check mark as display texts write it.
inline constexpr char16_t checkmarkCharacter = u'\u2713';

// The glyph of one user-perceived character of a display text: a digit 0 to 9
// or the check mark "✓". Anything else (a space, a letter, the colon) has none.
Glyph glyph(QStringView character);

} // namespace BlockFont
