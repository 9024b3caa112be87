// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverButton.h"

#include "Kelvane/popover/PopoverColors.h"

#include "shared-ui/controls/ControlPainting.h"

#include <QKeyEvent>
#include <QPainter>

PopoverButton::PopoverButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void PopoverButton::setHovered(bool hovered)
{
    m_hovered = hovered;
    update();
}

void PopoverButton::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void PopoverButton::leaveEvent(QEvent* event)
{
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void PopoverButton::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PopoverButton::paintFocusRing(QPainter& painter, qreal radius) const
{
    if (hasFocus())
        paintRoundedRect(painter, QRectF(rect()).adjusted(1, 1, -1, -1), radius, Qt::transparent,
                         PopoverColors::accent(palette()), 1.5);
}
