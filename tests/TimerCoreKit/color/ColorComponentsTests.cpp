// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/ColorComponents.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
} // namespace

// Whatever is stored, the drawn colour stays a plain sRGB colour.
TEST(ColorComponentsTest, DrawnColorPinsEachComponentIntoRange)
{
    const struct {
        ColorComponents stored;
        ColorComponents drawn;
    } cases[] = {
        {{0.2, 0.4, 0.6, 0.8}, {0.2, 0.4, 0.6, 0.8}},
        {{1.5, -0.5, 2.0, 7.0}, {1.0, 0.0, 1.0, 1.0}},
        {{notANumber, notANumber, notANumber, notANumber}, {0.0, 0.0, 0.0, 0.0}},
        {{infinity, -infinity, 1e300, -1e300}, {1.0, 0.0, 1.0, 0.0}},
    };
    for (const auto& c : cases) {
        const auto color = srgbColor(c.stored);
        EXPECT_EQ(color.spec(), QColor::Rgb);
        EXPECT_TRUE(color.isValid());
        EXPECT_EQ(color, QColor::fromRgbF(float(c.drawn.r), float(c.drawn.g), float(c.drawn.b), float(c.drawn.a)))
            << c.stored.r << ", " << c.stored.g << ", " << c.stored.b << ", " << c.stored.a;
    }
}
