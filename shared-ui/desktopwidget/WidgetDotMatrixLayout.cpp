// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetDotMatrixLayout.h"

#include "DotMatrixKit/DigitScaling.h"
#include "DotMatrixKit/DotGridLayout.h"
#include "DotMatrixKit/TimeFormatter.h"
#include "DotMatrixKit/paint/DotBatches.h"

#include <algorithm>
#include <climits>

namespace {

QString displayText(const WidgetDotMatrixInputs& inputs)
{
    if (inputs.displayOverride)
        return *inputs.displayOverride;
    return TimeFormatter::format(inputs.time, inputs.timeFormat, inputs.showLeadingZero, inputs.referenceTime);
}

QColor baseColor(const WidgetDotMatrixInputs& inputs, const DotPosition& dot)
{
    if (inputs.isTintedMode)
        return Qt::white;
    const auto& palette = inputs.dotColorPalette;
    if (!palette || palette->empty())
        return inputs.theme.dotColor;
    const int count = static_cast<int>(std::min<std::size_t>(palette->size(), INT_MAX));
    return (*palette)[static_cast<std::size_t>(DotGridLayout::paletteSlot(dot.row, dot.col, count))];
}

QColor dotColor(const WidgetDotMatrixInputs& inputs, const DotPosition& dot, bool textHasColon)
{
    const QColor base = baseColor(inputs, dot);
    if (!dot.isColonDot)
        return base;
    switch (inputs.colonMode) {
    case ColonMode::Always:
        return base;
    case ColonMode::Pulsing:
        return withOpacity(base, widgetPulsingColonOpacity);
    case ColonMode::Contextual:
        return textHasColon ? base : withOpacity(base, 0);
    }
    return base;
}

std::vector<PhaseSegment> phaseRow(const std::vector<WidgetPhaseIndicator>& indicators, const DotStyle& style,
                                   const QSizeF& grid, qreal top, qreal height)
{
    std::vector<PhaseSegment> segments;
    const auto count = static_cast<qreal>(indicators.size());
    const qreal available = grid.width() - 2 * style.gridPadding();
    const qreal width = (available - widgetPhaseSegmentGap * (count - 1)) / count;
    // Too many to fit: segments of no width would be drawn inside out.
    if (!(width > 0))
        return segments;
    // The row is centred under the grid.
    const qreal left = (grid.width() - available) / 2;
    segments.reserve(indicators.size());
    for (std::size_t i = 0; i < indicators.size(); ++i) {
        const qreal x = left + (width + widgetPhaseSegmentGap) * static_cast<qreal>(i);
        segments.push_back({QRectF(x, top, width, height), indicators[i].color, indicators[i].opacity});
    }
    return segments;
}

} // namespace

WidgetDotMatrixLayout layoutWidgetDotMatrix(const WidgetDotMatrixInputs& inputs)
{
    WidgetDotMatrixLayout layout;
    layout.text = displayText(inputs);
    const DotGridLayout grid(inputs.style);
    layout.gridSize = grid.totalSize(layout.text, DigitScaling::uniform());
    layout.size = layout.gridSize;
    layout.backgroundColor = inputs.isTintedMode ? QColor(Qt::transparent) : inputs.theme.backgroundColor;
    layout.dotCornerRadius = inputs.style.dotShape() == DotShape::Rounded ? inputs.style.effectiveDotSize() / 2 : 0;

    const bool textHasColon = layout.text.contains(u':');
    for (const auto& position : grid.positions(layout.text, DigitScaling::uniform())) {
        if (!position.isActive)
            continue;
        if (position.isColonDot && inputs.colonMode == ColonMode::Contextual && !textHasColon)
            continue;
        layout.dots.push_back(
            {static_cast<int>(layout.dots.size()), position, dotColor(inputs, position, textHasColon)});
    }

    if (inputs.phaseIndicators && !inputs.phaseIndicators->empty()) {
        const DotStyle& style = inputs.style;
        const qreal height = std::max(style.dotSize() * scaleFactor(style.weight()) * 0.4, 2.0);
        const qreal top = layout.gridSize.height() + widgetPhaseRowSpacing;
        layout.phaseSegments = phaseRow(*inputs.phaseIndicators, style, layout.gridSize, top, height);
        layout.size.setHeight(top + height);
    }
    return layout;
}
