// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseDeleteButton.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SymbolPainter.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int symbolPixelSize = 13;

} // namespace

PhaseDeleteButton::PhaseDeleteButton(QWidget* parent)
    : QAbstractButton(parent)
{
    installAccessibleTraits();
    setFixedSize(side, side);
    // Tab reaches it, as every control, but a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setToolTip(u"Delete phase"_s);
    setAccessibleName(u"Delete phase"_s);
}

void PhaseDeleteButton::setCanDelete(bool canDelete)
{
    if (canDelete == isEnabled())
        return;
    setEnabled(canDelete);
    QAccessible::State changed;
    changed.invisible = true;
    announceAccessibleStateChange(this, changed);
    update();
}

void PhaseDeleteButton::setRowHovered(bool hovered)
{
    m_rowHovered = hovered;
    update();
}

void PhaseDeleteButton::paintEvent(QPaintEvent*)
{
    if (drawnOpacity() <= 0)
        return;
    QPainter painter(this);
    painter.setOpacity(drawnOpacity());
    paintSymbol(painter, u"trash", rect(), symbolPixelSize, secondaryLabelColor(palette()));
}
