// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayScale.h"

#include "DotMatrixKit/DotOptions.h"
#include "TimerCoreKit/options/DisplayOptions.h"

#include <QJsonObject>
#include <QJsonValue>

#include <optional>

// The user's look options in one value, handed to every renderer and stored
// by the app as one JSON object. Each look reads only the fields it uses.
struct DisplayStyleConfig {
    DotWeight dotWeight = DotWeight::Regular;
    DotShape dotShape = DotShape::Rounded;
    bool showDimmedOffCells = false;
    ColonMode colonMode = ColonMode::Always;
    SegmentThickness segmentThickness = SegmentThickness::Regular;
    FlipSpeed flipSpeed = FlipSpeed::Normal;
    bool bloomEnabled = true;

    friend bool operator==(const DisplayStyleConfig&, const DisplayStyleConfig&) = default;

    static const DisplayStyleConfig& defaultConfig();

    // The rounding of the background the host draws behind the display; the
    // same for every configuration.
    qreal backgroundCornerRadius(DisplayScale scale) const;

    QJsonObject toJson() const;
    // Missing or null keys take their defaults, so older and partial objects
    // load; a key present with a wrong value fails the whole object.
    static std::optional<DisplayStyleConfig> fromJson(const QJsonValue& json);
};
