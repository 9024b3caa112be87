// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorSwatchCell.h"

#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/DesignTokens.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal hairline = 0.5;
constexpr qreal ringWidth = 2;

} // namespace

void paintSwatchChrome(QPainter& painter, const QRectF& swatch, bool isSelected, const QPalette& palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Inside the edge, so a swatch of any colour keeps a visible outline.
    const QRectF inner = swatch.adjusted(hairline / 2, hairline / 2, -hairline / 2, -hairline / 2);
    painter.setPen(QPen(faded(primaryLabelColor(palette), 0.15), hairline));
    painter.drawRoundedRect(inner, CornerRadius::sm - hairline / 2, CornerRadius::sm - hairline / 2);
    if (isSelected) {
        // Centred on the edge, half of it outside the swatch.
        painter.setPen(QPen(palette.color(QPalette::Highlight), ringWidth));
        painter.drawRoundedRect(swatch, CornerRadius::sm, CornerRadius::sm);
    }
    painter.restore();
}

ColorSwatchCell::ColorSwatchCell(const QColor& fill, const QString& accessibleLabel, QWidget* parent)
    : QAbstractButton(parent)
    , m_fill(fill)
{
    installAccessibleTraits();
    setAccessibleName(accessibleLabel);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

void ColorSwatchCell::setFill(const QColor& fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void ColorSwatchCell::setSelected(bool selected)
{
    setAccessiblySelected(this, m_selected, selected);
}

QRectF ColorSwatchCell::swatchRect() const
{
    return QRectF(ringRoom, ringRoom, ColorSchemeRules::swatchSide, ColorSchemeRules::swatchSide);
}

QSize ColorSwatchCell::sizeHint() const
{
    return QSize(ColorSchemeRules::swatchSide + 2 * ringRoom, ColorSchemeRules::swatchSide + 2 * ringRoom);
}

void ColorSwatchCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRoundedRect(painter, swatchRect(), CornerRadius::sm, m_fill);
    paintSwatchChrome(painter, swatchRect(), m_selected, palette());
}
