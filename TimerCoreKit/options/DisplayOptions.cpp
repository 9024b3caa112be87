// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/options/DisplayOptions.h"

#include "PlatformKit/core/OptionTable.h"

#include <span>

namespace {

using optiontable::rowFor;
using optiontable::text;
using Style = DisplayStyleOption;

constexpr std::array dotMatrixOptions{Style::DotWeight, Style::DotShape, Style::ColonMode, Style::ShowDimmedOffCells};
constexpr std::array sevenSegmentOptions{Style::ColonMode, Style::SegmentThickness};
constexpr std::array flipClockOptions{Style::ColonMode, Style::FlipSpeed};

struct DisplayTypeRow {
    DisplayType option;
    std::string_view displayName;
    bool supportsTimeFormatChoice;
    std::span<const DisplayStyleOption> styleOptions;
};

constexpr std::array displayTypes{
    DisplayTypeRow{DisplayType::DotMatrix, "Dot Matrix", true, dotMatrixOptions},
    DisplayTypeRow{DisplayType::SevenSegment, "7-Segment", true, sevenSegmentOptions},
    DisplayTypeRow{DisplayType::FlipClock, "Flip Clock", true, flipClockOptions},
    DisplayTypeRow{DisplayType::SmallAndBig, "Big & Small", false, {}},
};

struct SegmentThicknessRow {
    SegmentThickness option;
    std::string_view displayName;
    double scaleFactor;
};

constexpr std::array segmentThicknesses{
    SegmentThicknessRow{SegmentThickness::Thin, "Thin", 0.7},
    SegmentThicknessRow{SegmentThickness::Regular, "Regular", 1.0},
    SegmentThicknessRow{SegmentThickness::Thick, "Thick", 1.3},
};

struct FlipSpeedRow {
    FlipSpeed option;
    std::string_view displayName;
    double duration;
};

constexpr std::array flipSpeeds{
    FlipSpeedRow{FlipSpeed::Slow, "Slow", 0.5},
    FlipSpeedRow{FlipSpeed::Normal, "Normal", 0.3},
    FlipSpeedRow{FlipSpeed::Fast, "Fast", 0.15},
};

} // namespace

QString displayName(DisplayType type)
{
    return text(rowFor(displayTypes, type).displayName);
}

bool supportsTimeFormatChoice(DisplayType type)
{
    return rowFor(displayTypes, type).supportsTimeFormatChoice;
}

bool isDigital(DisplayType)
{
    return true;
}

QList<DisplayStyleOption> supportedStyleOptions(DisplayType type)
{
    const auto options = rowFor(displayTypes, type).styleOptions;
    return {options.begin(), options.end()};
}

QString displayName(SegmentThickness thickness)
{
    return text(rowFor(segmentThicknesses, thickness).displayName);
}

double scaleFactor(SegmentThickness thickness)
{
    return rowFor(segmentThicknesses, thickness).scaleFactor;
}

QString displayName(FlipSpeed speed)
{
    return text(rowFor(flipSpeeds, speed).displayName);
}

double duration(FlipSpeed speed)
{
    return rowFor(flipSpeeds, speed).duration;
}
