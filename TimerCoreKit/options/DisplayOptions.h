// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

#include <QList>
#include <QString>

// How the time is drawn: the display look and the style controls that apply
// to it. The raw strings are what the settings and the style configuration
// store, so they never change.

enum class DisplayType { DotMatrix, SevenSegment, FlipClock, SmallAndBig };

// One adjustable style setting of a look. Each raw string is the name of the
// style configuration field the option controls.
enum class DisplayStyleOption {
    DotWeight,
    DotShape,
    ShowDimmedOffCells,
    ColonMode,
    SegmentThickness,
    FlipSpeed,
};

// Stroke thickness of the seven-segment look.
enum class SegmentThickness { Thin, Regular, Thick };

// Speed of the flip-clock card animation.
enum class FlipSpeed { Slow, Normal, Fast };

template <>
struct platform::RawValues<DisplayType> {
    static constexpr std::array cases{
        std::pair{DisplayType::DotMatrix, std::string_view{"dotMatrix"}},
        // Not the case name: a stored "sevenSegment" names no look at all.
        std::pair{DisplayType::SevenSegment, std::string_view{"sevenSegmentV2"}},
        std::pair{DisplayType::FlipClock, std::string_view{"flipClock"}},
        std::pair{DisplayType::SmallAndBig, std::string_view{"smallAndBig"}},
    };
};

template <>
struct platform::RawValues<DisplayStyleOption> {
    static constexpr std::array cases{
        std::pair{DisplayStyleOption::DotWeight, std::string_view{"dotWeight"}},
        std::pair{DisplayStyleOption::DotShape, std::string_view{"dotShape"}},
        std::pair{DisplayStyleOption::ShowDimmedOffCells, std::string_view{"showDimmedOffCells"}},
        std::pair{DisplayStyleOption::ColonMode, std::string_view{"colonMode"}},
        std::pair{DisplayStyleOption::SegmentThickness, std::string_view{"segmentThickness"}},
        std::pair{DisplayStyleOption::FlipSpeed, std::string_view{"flipSpeed"}},
    };
};

template <>
struct platform::RawValues<SegmentThickness> {
    static constexpr std::array cases{
        std::pair{SegmentThickness::Thin, std::string_view{"thin"}},
        std::pair{SegmentThickness::Regular, std::string_view{"regular"}},
        std::pair{SegmentThickness::Thick, std::string_view{"thick"}},
    };
};

template <>
struct platform::RawValues<FlipSpeed> {
    static constexpr std::array cases{
        std::pair{FlipSpeed::Slow, std::string_view{"slow"}},
        std::pair{FlipSpeed::Normal, std::string_view{"normal"}},
        std::pair{FlipSpeed::Fast, std::string_view{"fast"}},
    };
};

QString displayName(DisplayType type);
// Every look but small-and-big lets the user pick the time format.
bool supportsTimeFormatChoice(DisplayType type);
bool isDigital(DisplayType type);
// The style controls the settings offer for the look, in the order shown.
QList<DisplayStyleOption> supportedStyleOptions(DisplayType type);

QString displayName(SegmentThickness thickness);
// Segment thickness relative to the regular one.
double scaleFactor(SegmentThickness thickness);

QString displayName(FlipSpeed speed);
// Length of one card flip, in seconds.
double duration(FlipSpeed speed);
