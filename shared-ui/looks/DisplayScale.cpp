// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayScale.h"

#include "PlatformKit/core/OptionTable.h"

namespace {

struct DisplayScaleRow {
    DisplayScale option;
    std::string_view displayName;
    qreal dotSize;
    qreal menuBarDisplayHeight;
    qreal glowRadius;
    qreal adaptiveWidthThreshold;
};

constexpr std::array displayScales{
    DisplayScaleRow{DisplayScale::Compact, "Compact", 1.5, 18, 3, 75},
    DisplayScaleRow{DisplayScale::Regular, "Regular", 2, 24, 4, 100},
    DisplayScaleRow{DisplayScale::Floating, "Floating", 8, 96, 14, 400},
};

const DisplayScaleRow& row(DisplayScale scale)
{
    return optiontable::rowFor(displayScales, scale);
}

} // namespace

QString displayName(DisplayScale scale)
{
    return optiontable::text(row(scale).displayName);
}

qreal dotSize(DisplayScale scale)
{
    return row(scale).dotSize;
}

qreal menuBarDisplayHeight(DisplayScale scale)
{
    return row(scale).menuBarDisplayHeight;
}

qreal glowRadius(DisplayScale scale)
{
    return row(scale).glowRadius;
}

qreal adaptiveWidthThreshold(DisplayScale scale)
{
    return row(scale).adaptiveWidthThreshold;
}

std::optional<DisplayScale> decodeDisplayScale(const QJsonValue& json)
{
    if (!json.isString())
        return std::nullopt;
    return platform::fromRawValue<DisplayScale>(json.toString()).value_or(DisplayScale::Regular);
}
