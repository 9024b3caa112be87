// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseColorChoice.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/editor/PhaseColorNames.h"

#include "TimerCoreKit/color/CustomTimerPalette.h"

#include <QPainter>

namespace {

constexpr qreal ringWidth = 2;

} // namespace

PhaseColorChoice::PhaseColorChoice(int paletteIndex, QWidget* parent)
    : QAbstractButton(parent)
    , m_paletteIndex(paletteIndex)
{
    installAccessibleTraits();
    setFixedSize(side, side);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(phaseColorChoiceLabel(m_paletteIndex));
}

void PhaseColorChoice::setSelected(bool selected)
{
    setAccessiblySelected(this, m_selected, selected);
}

bool PhaseColorChoice::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void PhaseColorChoice::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF circle = rect();
    const auto radius = circle.width() / 2;
    paintRoundedRect(painter, circle, radius, CustomTimerPalette::color(m_paletteIndex),
                     m_selected ? primaryLabelColor(palette()) : QColor(Qt::transparent), ringWidth);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        paintRoundedRect(painter, circle, radius, Qt::transparent, palette().color(QPalette::Highlight), 1);
}
