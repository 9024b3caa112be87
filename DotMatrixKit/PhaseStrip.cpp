// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/PhaseStrip.h"

#include <algorithm>

qreal phaseOpacity(PhaseIndicator::State state)
{
    switch (state) {
    case PhaseIndicator::State::Future:
        return 0.15;
    case PhaseIndicator::State::Active:
        return 1.0;
    case PhaseIndicator::State::Completed:
        return 0.4;
    }
    return 1.0;
}

std::vector<PhaseSegment> phaseStripSegments(const std::vector<PhaseIndicator>& indicators, const DotStyle& style,
                                             const QSizeF& gridSize)
{
    std::vector<PhaseSegment> segments;
    if (indicators.empty())
        return segments;

    const auto count = static_cast<qreal>(indicators.size());
    const qreal inset = style.effectiveDotSize();
    const qreal height = std::max(style.gridPadding() * 0.6, 3.0);
    const qreal available = gridSize.width() - 2 * inset;
    const qreal gap = std::max(available * 0.03, 1.0);
    const qreal width = (available - gap * (count - 1)) / count;
    // Segments of no width would be drawn inside out, over each other.
    if (!(width > 0))
        return segments;

    segments.reserve(indicators.size());
    for (std::size_t i = 0; i < indicators.size(); ++i) {
        const qreal left = inset + (gap + width) * static_cast<qreal>(i);
        segments.push_back({QRectF(left, gridSize.height() - height, width, height), indicators[i].color,
                            phaseOpacity(indicators[i].state)});
    }
    return segments;
}
