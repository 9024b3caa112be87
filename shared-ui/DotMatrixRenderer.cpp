#include "shared-ui/DotMatrixRenderer.h"

#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/DotMatrixView.h"

DotMatrixRenderer::DotMatrixRenderer(std::optional<QColor> phaseTintColor, DigitScaling digitScaling,
                                     std::optional<MulticolorPalette> palette)
    : m_phaseTintColor(std::move(phaseTintColor)), m_digitScaling(digitScaling), m_palette(std::move(palette))
{
}

DotMatrixInputs DotMatrixRenderer::inputs(const DisplayFrame& frame) const
{
    const DisplayStyleConfig& style = frame.style;
    DotMatrixInputs inputs;
    inputs.time = frame.time;
    inputs.style = DotStyle(dotSize(frame.scale), style.dotWeight, style.dotShape);
    inputs.colonMode = style.colonMode;
    inputs.theme = DotTheme{frame.color.dotColor(), frame.color.backgroundColor()};
    inputs.blinkDisplay = frame.blinkDisplay;
    inputs.displayOverride = frame.displayOverride;
    inputs.timeFormat = frame.timeFormat;
    inputs.showLeadingZero = frame.showLeadingZero;
    inputs.referenceTime = frame.referenceTime;
    inputs.digitScaling = m_digitScaling;
    // Bloom off means no glow layer at all, not a layer of radius 0.
    if (style.bloomEnabled)
        inputs.glowRadius = glowRadius(frame.scale);
    inputs.phaseTintColor = m_phaseTintColor;
    inputs.backgroundCornerRadius = style.backgroundCornerRadius(frame.scale);
    inputs.drawsOwnBackground = false;
    inputs.showDimmedOffCells = style.showDimmedOffCells;
    if (m_palette && !m_phaseTintColor) {
        const QList<QColor> colors = m_palette->colors();
        inputs.dotColorPalette.assign(colors.begin(), colors.end());
    }
    return inputs;
}

QSizeF DotMatrixRenderer::naturalSize(const DisplayFrame& frame) const
{
    return DotMatrixRules::layout(inputs(frame)).size;
}

void DotMatrixRenderer::advance(DisplayLookState& state, const DisplayFrame& frame, platform::Date now) const
{
    const DotMatrixState look = DotMatrixRules::state(inputs(frame), now);
    state.colonOpacity = look.colonOpacity;
    state.displayOpacity = look.displayOpacity;
}

void DotMatrixRenderer::paint(QPainter& painter, const DisplayFrame& frame, const DisplayLookState& state) const
{
    DotMatrixView::paint(painter, inputs(frame), DotMatrixState{state.colonOpacity, state.displayOpacity});
}

std::optional<platform::Date> DotMatrixRenderer::nextLookChange(const DisplayFrame& frame, const DisplayLookState&,
                                                                platform::Date now) const
{
    return DotMatrixRules::nextLookChange(inputs(frame), now);
}
