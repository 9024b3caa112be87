// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DigitMapper.h"
#include "DotMatrixKit/DotGlyph.h"

#include <QString>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

namespace {

struct GlyphCase {
    QString character;
    std::initializer_list<std::string_view> rows;
};

TEST(DigitMapper, MapsEveryKnownCharacterToItsGlyph)
{
    const GlyphCase cases[] = {
        {"0", {"###", "#.#", "#.#", "#.#", "###"}}, {"1", {"..#", "..#", "..#", "..#", "..#"}},
        {"2", {"###", "..#", "###", "#..", "###"}}, {"3", {"###", "..#", "###", "..#", "###"}},
        {"4", {"#.#", "#.#", "###", "..#", "..#"}}, {"5", {"###", "#..", "###", "..#", "###"}},
        {"6", {"###", "#..", "###", "#.#", "###"}}, {"7", {"###", "..#", "..#", "..#", "..#"}},
        {"8", {"###", "#.#", "###", "#.#", "###"}}, {"9", {"###", "#.#", "###", "..#", "###"}},
        {":", {".", "#", ".", "#", "."}},           {"\u2713", {"..#", "..#", "#.#", "##.", "#.."}},
        {" ", {".", ".", ".", ".", "."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.character.toStdString());
        const auto* glyph = DigitMapper::matrix(c.character);
        ASSERT_NE(glyph, nullptr);
        EXPECT_EQ(*glyph, GlyphPattern::fromRows(c.rows));
    }
}

TEST(DigitMapper, NamedGlyphsAreTheMappedOnes)
{
    EXPECT_EQ(DigitMapper::matrix(u":"), &DigitMapper::colon());
    EXPECT_EQ(DigitMapper::matrix(u"\u2713"), &DigitMapper::checkmark());
    EXPECT_EQ(DigitMapper::matrix(u" "), &DigitMapper::blank());
}

TEST(DigitMapper, OtherCharactersHaveNoGlyph)
{
    for (const QString& character : {QString("A"), QString("-"), QString("\u0663") /* Arabic-Indic three */,
                                     QString("\uff11") /* full-width one */, QString("1\u0301") /* 1 with an accent */,
                                     QString("12"), QString()}) {
        SCOPED_TRACE(character.toStdString());
        EXPECT_EQ(DigitMapper::matrix(character), nullptr);
    }
}

TEST(GlyphPattern, WidthIsTheFirstRowsLength)
{
    EXPECT_EQ(DigitMapper::matrix(u"1")->width(), 3);
    EXPECT_EQ(DigitMapper::colon().width(), 1);
    EXPECT_EQ(GlyphPattern().width(), 0);
}

// A pattern is plain data from its caller: a ragged one must not be read past
// the end of a short row.
TEST(GlyphPattern, CellsOutsideARowReadAsUnlit)
{
    const GlyphPattern ragged({{true, true, true}, {true}, {}});
    EXPECT_TRUE(ragged.isLit(1, 0));
    EXPECT_FALSE(ragged.isLit(1, 1));
    EXPECT_FALSE(ragged.isLit(2, 0));
    EXPECT_FALSE(ragged.isLit(3, 0));
    EXPECT_FALSE(ragged.isLit(-1, 0));
    EXPECT_FALSE(ragged.isLit(0, -1));
}

TEST(DotGlyph, TakesItsSizeFromThePattern)
{
    const DotGlyph empty{GlyphPattern()};
    EXPECT_EQ(empty.rows(), 0);
    EXPECT_EQ(empty.cols(), 0);

    EXPECT_EQ(DotGlyph::r().rows(), 5);
    EXPECT_EQ(DotGlyph::r().cols(), 3);
    EXPECT_EQ(DotGlyph::r(), DotGlyph(GlyphPattern::fromRows({"###", "#.#", "###", "##.", "#.#"})));
    EXPECT_NE(DotGlyph::r(), DotGlyph(*DigitMapper::matrix(u"8")));
}

} // namespace
