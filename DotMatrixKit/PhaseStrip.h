// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotStyle.h"
#include "DotMatrixKit/PhaseIndicator.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>

#include <vector>

// The strip of phase segments in the bottom margin of a dot grid.
struct PhaseSegment {
    QRectF rect;
    QColor color;
    qreal opacity = 1.0;

    friend bool operator==(const PhaseSegment&, const PhaseSegment&) = default;
};

// How strongly a phase shows: the current one fully, finished ones half
// faded, the ones still to come faintly.
qreal phaseOpacity(PhaseIndicator::State state);

// Corner radius of every segment.
inline constexpr qreal phaseSegmentCornerRadius = 1.0;

// One segment per indicator across the grid, inset by a dot on either side.
// Nothing when there are no indicators, or too many for each to get any width.
std::vector<PhaseSegment> phaseStripSegments(const std::vector<PhaseIndicator>& indicators, const DotStyle& style,
                                             const QSizeF& gridSize);
