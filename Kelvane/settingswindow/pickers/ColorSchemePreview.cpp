// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorSchemePreview.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/DesignTokens.h"

#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qreal borderWidth = 0.5;

} // namespace

ColorSchemePreview::ColorSchemePreview(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(previewHeight);
}

DotMatrixInputs ColorSchemePreview::inputs(const DisplayColor& resolved, const QList<QColor>& palette)
{
    DotMatrixInputs inputs;
    inputs.time = 1500;
    inputs.style = DotStyle::defaultStyle();
    inputs.colonMode = ColonMode::Always;
    inputs.theme = DotTheme{resolved.dotColor(), resolved.backgroundColor()};
    inputs.displayOverride = u"25:00"_s;
    inputs.timeFormat = TimeFormat::Standard;
    inputs.showLeadingZero = false;
    inputs.digitScaling = DigitScaling::uniform();
    inputs.backgroundCornerRadius = CornerRadius::md;
    inputs.drawsOwnBackground = true;
    inputs.showDimmedOffCells = false;
    inputs.dotColorPalette.assign(palette.cbegin(), palette.cend());
    return inputs;
}

void ColorSchemePreview::setColors(const DisplayColor& resolved, const QList<QColor>& palette)
{
    m_inputs = inputs(resolved, palette);
    update();
}

QRectF ColorSchemePreview::displayRect() const
{
    const QSizeF natural = DotMatrixRules::layout(m_inputs).size;
    return QRectF(QPointF((width() - natural.width()) / 2, (height() - natural.height()) / 2), natural);
}

QSize ColorSchemePreview::sizeHint() const
{
    return QSize(qCeil(DotMatrixRules::layout(m_inputs).size.width()), previewHeight);
}

void ColorSchemePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF display = displayRect();
    // The display keeps its own size; the frame's height crops its padding,
    // rounded like the frame.
    QPainterPath clip;
    clip.addRoundedRect(QRectF(display.left(), 0, display.width(), height()), CornerRadius::md, CornerRadius::md);
    painter.save();
    painter.setClipPath(clip);
    painter.translate(display.topLeft());
    DotMatrixPainter::paint(painter, m_inputs, DotMatrixState{});
    painter.restore();

    const qreal inset = borderWidth / 2;
    painter.setPen(QPen(faded(primaryLabelColor(palette()), 0.15), borderWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), CornerRadius::md - inset,
                            CornerRadius::md - inset);
}
