// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/blocks/BlockFont.h"

#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// A glyph as the picture it is written as, for readable failures.
std::vector<std::string> picture(BlockFont::Glyph glyph)
{
    std::vector<std::string> rows;
    for (const auto& row : glyph) {
        std::string line;
        for (const bool lit : row)
            line += lit ? '#' : '.';
        rows.push_back(line);
    }
    return rows;
}

TEST(BlockFont, DigitsLookUpTheirOwnGlyphs)
{
    const BlockFont::GlyphRows* expected[]
        = {&BlockFont::d0, &BlockFont::d1, &BlockFont::d2, &BlockFont::d3, &BlockFont::d4,
           &BlockFont::d5, &BlockFont::d6, &BlockFont::d7, &BlockFont::d8, &BlockFont::d9};
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        EXPECT_EQ(picture(BlockFont::matrix(digit)), picture(*expected[digit]));
        EXPECT_EQ(BlockFont::matrix(digit).data(), expected[digit]->data());
    }
}

TEST(BlockFont, ValuesOutsideZeroToNineHaveNoGlyph)
{
    for (const int value : {10, -1, 11, 100, -10, INT_MIN, INT_MAX})
        EXPECT_TRUE(BlockFont::matrix(value).empty()) << value;
}

TEST(BlockFont, OneIsATwoCellColumnAtTheRightEdge)
{
    EXPECT_EQ(picture(BlockFont::matrix(1)), std::vector<std::string>(9, ".....##"));
}

TEST(BlockFont, EightAndZeroDifferOnlyInTheMiddleBar)
{
    const auto eight = picture(BlockFont::d8);
    const auto zero = picture(BlockFont::d0);
    for (std::size_t row = 0; row < eight.size(); ++row) {
        if (row == 4)
            EXPECT_NE(eight[row], zero[row]);
        else
            EXPECT_EQ(eight[row], zero[row]) << "row " << row + 1;
    }
    EXPECT_EQ(eight[4], "#######");
}

TEST(BlockFont, CheckmarkFillsTheTopSixRows)
{
    EXPECT_EQ(picture(BlockFont::checkmark),
              (std::vector<std::string>{".......", ".....##", "....##.", "#..##..", "####...", ".##....", ".......",
                                        ".......", "......."}));
}

TEST(BlockFont, DisplayCharactersFindDigitsAndTheCheckmarkOnly)
{
    struct Case {
        QString character;
        const BlockFont::GlyphRows* glyph; // none: no glyph
    };
    const Case cases[] = {
        {"0", &BlockFont::d0},
        {"7", &BlockFont::d7},
        {"9", &BlockFont::d9},
        {QString(QChar(BlockFont::checkmarkCharacter)), &BlockFont::checkmark},
        {":", nullptr},
        {" ", nullptr},
        {"a", nullptr},
        {"", nullptr},
        {"12", nullptr},
        // A digit of another script is not read as a number.
        {QString(QChar(0x0663)), nullptr},
        // Nor is a check mark that carries a presentation selector.
        {QString(QChar(BlockFont::checkmarkCharacter)) + QChar(0xfe0f), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.character.toStdString());
        const BlockFont::Glyph glyph = BlockFont::glyph(c.character);
        if (c.glyph)
            EXPECT_EQ(glyph.data(), c.glyph->data());
        else
            EXPECT_TRUE(glyph.empty());
    }
}

} // namespace
