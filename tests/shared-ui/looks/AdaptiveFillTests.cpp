// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/AdaptiveFill.h"

#include <gtest/gtest.h>

#include <limits>

TEST(AdaptiveFillTest, FillsNinetyFivePercentOfTheTighterSide)
{
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
    const struct {
        QSizeF intrinsic;
        QSizeF available;
        qreal scale;
    } cases[] = {
        {{100, 20}, {200, 50}, 1.9}, // width is tighter: min(2.0, 2.5)
        {{100, 20}, {400, 30}, 1.425}, // height is tighter
        {{100, 20}, {50, 50}, 0.475}, // shrinks as well as grows
        {{0, 0}, {200, 50}, 1.0}, // nothing measured yet
        {{100, 0}, {200, 50}, 1.0},    {{100, 20}, {0, 50}, 1.0}, // no room offered on one side
        {{100, 20}, {200, -5}, 1.0},   {{nan, 20}, {200, 50}, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.intrinsic.width() << "x" << c.intrinsic.height() << " in "
                                        << c.available.width() << "x" << c.available.height());
        EXPECT_DOUBLE_EQ(AdaptiveFill::scale(c.intrinsic, c.available), c.scale);
    }
}
