// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DigitScaling.h"
#include "DotMatrixKit/DotStyle.h"

#include <gtest/gtest.h>

namespace {

struct DerivedStyleCase {
    const char* name;
    DotStyle style;
    qreal horizontal, vertical, padding, character, effective, cornerRadius;
};

class DotStyleDerivation : public ::testing::TestWithParam<DerivedStyleCase> { };

// Spacings left out follow the nominal size, never the weighted one; the
// corner radius follows the weighted size.
TEST_P(DotStyleDerivation, DerivesFromTheNominalSize)
{
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(c.style.horizontalSpacing(), c.horizontal);
    EXPECT_DOUBLE_EQ(c.style.verticalSpacing(), c.vertical);
    EXPECT_DOUBLE_EQ(c.style.gridPadding(), c.padding);
    EXPECT_DOUBLE_EQ(c.style.characterSpacing(), c.character);
    EXPECT_DOUBLE_EQ(c.style.effectiveDotSize(), c.effective);
    EXPECT_DOUBLE_EQ(c.style.cornerRadius(), c.cornerRadius);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, DotStyleDerivation,
    ::testing::Values(
        DerivedStyleCase{"boldSquare", DotStyle(2, DotWeight::Bold, DotShape::Square), 0.8, 0.8, 5, 2, 2.4, 0},
        DerivedStyleCase{"lightRounded", DotStyle(8, DotWeight::Light, DotShape::Rounded), 3.2, 3.2, 20, 8, 6.4, 3.2},
        DerivedStyleCase{"passedSpacingsKept",
                         DotStyle(4, DotWeight::Bold, DotShape::Rounded,
                                  {.horizontalSpacing = 0.5, .gridPadding = 0, .characterSpacing = 7}),
                         0.5, 1.6, 0, 7, 4.8, 2.4}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(DotStyle, DefaultIsTheStyleOfDotSize3_5)
{
    constexpr DotStyle style = DotStyle::defaultStyle();
    EXPECT_EQ(style, DotStyle(3.5, DotWeight::Regular, DotShape::Rounded));
    EXPECT_DOUBLE_EQ(style.dotSize(), 3.5);
    EXPECT_DOUBLE_EQ(style.horizontalSpacing(), 1.4);
    EXPECT_DOUBLE_EQ(style.verticalSpacing(), 1.4);
    EXPECT_DOUBLE_EQ(style.gridPadding(), 8.75);
    EXPECT_DOUBLE_EQ(style.characterSpacing(), 3.5);
    EXPECT_EQ(style.weight(), DotWeight::Regular);
    EXPECT_EQ(style.dotShape(), DotShape::Rounded);
}

TEST(DigitScaling, EqualityComparesTheCaseAndTheFactor)
{
    EXPECT_EQ(DigitScaling::uniform(), DigitScaling::uniform());
    EXPECT_EQ(DigitScaling::perspectiveMinutes(1.5), DigitScaling::perspectiveMinutes(1.5));
    EXPECT_NE(DigitScaling::perspectiveMinutes(1.5), DigitScaling::perspectiveMinutes(2));
    // Draws like uniform, but is a different choice.
    EXPECT_NE(DigitScaling::perspectiveMinutes(1.0), DigitScaling::uniform());
}

} // namespace
