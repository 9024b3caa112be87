// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/DotPosition.h"
#include "DotMatrixKit/DotStyle.h"
#include "DotMatrixKit/DotTheme.h"
#include "DotMatrixKit/PhaseStrip.h"
#include "DotMatrixKit/TimeFormat.h"

#include <QColor>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

// One segment of the widget's phase row.
struct WidgetPhaseIndicator {
    int id = 0;
    QColor color;
    double opacity = 1.0; // applied to `color`

    friend bool operator==(const WidgetPhaseIndicator&, const WidgetPhaseIndicator&) = default;
};

// Everything the static widget display is drawn from.
struct WidgetDotMatrixInputs {
    double time = 0; // seconds to show
    DotStyle style = DotStyle::defaultStyle();
    ColonMode colonMode = ColonMode::Always;
    DotTheme theme = DotTheme::defaultTheme();
    std::optional<QString> displayOverride; // shown instead of the formatted time
    TimeFormat timeFormat = TimeFormat::Standard;
    bool showLeadingZero = false;
    std::optional<double> referenceTime;
    // The host draws the widget in its accent colour: no background, white dots.
    bool isTintedMode = false;
    std::optional<std::vector<WidgetPhaseIndicator>> phaseIndicators;
    std::optional<std::vector<QColor>> dotColorPalette;
};

// One lit dot as drawn.
struct WidgetDot {
    int id = 0; // its place among the drawn dots
    DotPosition position;
    QColor color;
};

// Where everything of the widget display goes: the grid block at the top left,
// the phase row under it.
struct WidgetDotMatrixLayout {
    QString text;
    QSizeF gridSize;
    QSizeF size; // the whole view
    QColor backgroundColor;
    qreal dotCornerRadius = 0;
    std::vector<WidgetDot> dots;
    std::vector<PhaseSegment> phaseSegments;
};

// Gap above the phase row, and between its segments.
inline constexpr qreal widgetPhaseRowSpacing = 4;
inline constexpr qreal widgetPhaseSegmentGap = 2;
inline constexpr qreal widgetGridCornerRadius = 4;
// The colon of the pulsing mode, held at one dimming: the widget does not animate.
inline constexpr qreal widgetPulsingColonOpacity = 0.7;

WidgetDotMatrixLayout layoutWidgetDotMatrix(const WidgetDotMatrixInputs& inputs);
