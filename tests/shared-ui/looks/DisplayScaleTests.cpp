// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayScale.h"

#include <QJsonValue>

#include <gtest/gtest.h>

using platform::allCases;

TEST(DisplayScaleTest, EachSizeClassCarriesItsConstants)
{
    const struct {
        DisplayScale scale;
        const char* raw;
        const char* name;
        qreal dotSize;
        qreal height;
        qreal glow;
        qreal threshold;
    } cases[] = {
        {DisplayScale::Compact, "compact", "Compact", 1.5, 18, 3, 75},
        {DisplayScale::Regular, "regular", "Regular", 2, 24, 4, 100},
        {DisplayScale::Floating, "floating", "Floating", 8, 96, 14, 400},
    };
    const auto scales = allCases<DisplayScale>();
    ASSERT_EQ(scales.size(), std::size(cases));
    for (std::size_t i = 0; i < scales.size(); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(scales[i], c.scale) << "declaration order";
        EXPECT_EQ(platform::rawValue(c.scale), QLatin1String(c.raw));
        EXPECT_EQ(displayName(c.scale), QLatin1String(c.name));
        EXPECT_EQ(dotSize(c.scale), c.dotSize);
        EXPECT_EQ(menuBarDisplayHeight(c.scale), c.height);
        EXPECT_EQ(glowRadius(c.scale), c.glow);
        EXPECT_EQ(adaptiveWidthThreshold(c.scale), c.threshold);
        EXPECT_EQ(decodeDisplayScale(platform::toJson(c.scale)), c.scale);
    }
}

TEST(DisplayScaleTest, UnknownStoredStringsReadAsRegularButAreNoRawValue)
{
    EXPECT_EQ(decodeDisplayScale(QJsonValue(QStringLiteral("huge"))), DisplayScale::Regular);
    EXPECT_EQ(decodeDisplayScale(QJsonValue(QStringLiteral("Compact"))), DisplayScale::Regular);
    EXPECT_EQ(platform::fromRawValue<DisplayScale>(u"huge"), std::nullopt);
}

TEST(DisplayScaleTest, OnlyAStringDecodes)
{
    EXPECT_EQ(decodeDisplayScale(QJsonValue(1)), std::nullopt);
    EXPECT_EQ(decodeDisplayScale(QJsonValue()), std::nullopt);
    EXPECT_EQ(decodeDisplayScale(QJsonValue(true)), std::nullopt);
}
