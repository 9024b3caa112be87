// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/core/SaturatingCast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(SaturatingCast, OutOfRangeValuesSaturateAndFractionsTruncate)
{
    using platform::saturatingCast;
    constexpr auto int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr auto int32Min = std::numeric_limits<std::int32_t>::min();
    constexpr auto int64Max = std::numeric_limits<std::int64_t>::max();
    constexpr auto int64Min = std::numeric_limits<std::int64_t>::min();
    struct Case {
        double value;
        std::int32_t as32;
        std::int64_t as64;
    };
    const Case cases[] = {
        {0.0, 0, 0},
        {2.9, 2, 2},
        {-2.9, -2, -2},
        {2147483647.0, int32Max, 2147483647},
        {2147483648.0, int32Max, 2147483648},
        {-2147483648.0, int32Min, -2147483648LL},
        {-2147483649.0, int32Min, -2147483649LL},
        {9223372036854775808.0, int32Max, int64Max},
        {-9223372036854775808.0, int32Min, int64Min},
        {1e300, int32Max, int64Max},
        {-1e300, int32Min, int64Min},
        {INFINITY, int32Max, int64Max},
        {-INFINITY, int32Min, int64Min},
        {NAN, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(saturatingCast<std::int32_t>(c.value), c.as32) << c.value;
        EXPECT_EQ(saturatingCast<std::int64_t>(c.value), c.as64) << c.value;
    }
    EXPECT_EQ(saturatingCast<std::uint8_t>(-1.0), 0);
    EXPECT_EQ(saturatingCast<std::uint8_t>(300.0), 255);
    EXPECT_EQ(saturatingCast<int>(NAN, 7), 7);
}

} // namespace
