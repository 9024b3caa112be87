// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DigitScaling.h"
#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/DotStyle.h"
#include "DotMatrixKit/DotTheme.h"
#include "DotMatrixKit/PhaseIndicator.h"
#include "DotMatrixKit/TimeFormat.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

// Everything a dot-matrix display is drawn from, set by its owner.
struct DotMatrixInputs {
    double time = 0; // seconds to show, remaining or elapsed
    DotStyle style = DotStyle::defaultStyle();
    ColonMode colonMode = ColonMode::Always;
    DotTheme theme = DotTheme::defaultTheme();
    bool blinkDisplay = false;
    std::optional<QString> displayOverride; // shown instead of the time; "✓" shows the large check mark
    TimeFormat timeFormat = TimeFormat::Standard;
    bool showLeadingZero = false;
    std::optional<double> referenceTime;
    std::optional<QString> accessibilityLabel; // replaces the default spoken label
    DigitScaling digitScaling = DigitScaling::uniform();
    std::optional<qreal> glowRadius; // none: no glow layer at all; 0: an unblurred one
    std::vector<PhaseIndicator> phaseIndicators; // empty: no phase strip
    std::optional<QColor> phaseTintColor; // replaces the theme's dot colour
    qreal backgroundCornerRadius = 0;
    bool drawsOwnBackground = false;
    bool showDimmedOffCells = false;
    std::vector<QColor> dotColorPalette; // empty: every dot in the base colour
};

// The time-driven part of the look.
struct DotMatrixState {
    qreal colonOpacity = 1.0; // of the lit colon dots
    qreal displayOpacity = 1.0; // of the whole display
};
