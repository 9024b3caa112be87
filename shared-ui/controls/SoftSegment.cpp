// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SoftSegment.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SoftSegmentedColors.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int labelPixelSize = 12;
constexpr int horizontalPadding = 10;
constexpr int verticalPadding = 4;

} // namespace

SoftSegment::SoftSegment(QWidget* parent)
    : QAbstractButton(parent)
{
    installAccessibleTraits();
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SoftSegment::setSelected(bool selected)
{
    setAccessiblySelected(this, m_selected, selected);
}

QFont SoftSegment::labelFont() const
{
    return pixelFont(font(), labelPixelSize, m_selected ? QFont::DemiBold : QFont::Normal);
}

QSize SoftSegment::sizeHint() const
{
    // Sized for the semibold face, so selecting a segment never widens it.
    const QFontMetrics metrics(pixelFont(font(), labelPixelSize, QFont::DemiBold));
    return {metrics.horizontalAdvance(text()) + 2 * horizontalPadding, metrics.height() + 2 * verticalPadding};
}

QSize SoftSegment::minimumSizeHint() const
{
    return sizeHint();
}

void SoftSegment::paintEvent(QPaintEvent*)
{
    // The control draws the pill behind the selected segment, since its shadow
    // reaches past the segment's own bounds.
    const auto colors = SoftSegmentedColors::forAppearance(appearanceOf(palette()));
    QPainter painter(this);
    const QRectF bounds = rect();
    // A ring only for keyboard focus, as the platform styles do.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        paintRoundedRect(painter, bounds, pillRadius, Qt::transparent, palette().color(QPalette::Highlight), 1);
    painter.setFont(labelFont());
    painter.setPen(m_selected ? colors.selectedLabel : colors.unselectedLabel);
    painter.drawText(bounds.adjusted(horizontalPadding, verticalPadding, -horizontalPadding, -verticalPadding),
                     Qt::AlignCenter | Qt::TextSingleLine, text());
}
