// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayScale.h"
#include "shared-ui/looks/DisplayStyleConfig.h"

#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/color/DisplayColor.h"

#include <QString>

#include <optional>

// What one frame of any display look is drawn from, the same for all four.
struct DisplayFrame {
    double time = 0; // seconds to show
    DisplayColor color = DisplayColor::classicWhite();
    DisplayStyleConfig style;
    DisplayScale scale = DisplayScale::Regular;
    bool isRunning = false; // part of every frame; no look draws differently for it
    bool blinkDisplay = false;
    std::optional<QString> displayOverride; // shown instead of the formatted time
    TimeFormat timeFormat = TimeFormat::Standard;
    bool showLeadingZero = false;
    std::optional<double> referenceTime;

    // The override when there is one, otherwise the formatted time.
    QString text() const;

    friend bool operator==(const DisplayFrame&, const DisplayFrame&) = default;
};
