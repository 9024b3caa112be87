// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/BezellessStepperButton.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SymbolPainter.h"

#include <QPainter>

namespace {

constexpr qreal backdropRadius = 4;
constexpr int symbolPixelSize = 11;

} // namespace

BezellessStepperButton::BezellessStepperButton(const QString& systemName, const QString& helpText,
                                               const QString& accessibilityLabelText, QWidget* parent)
    : QAbstractButton(parent)
    , m_systemName(systemName)
{
    installAccessibleTraits();
    setFixedSize(side, side);
    // Tab reaches it, as every control, but a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setToolTip(helpText);
    setAccessibleName(accessibilityLabelText);
}

void BezellessStepperButton::setDisabled(bool isDisabled)
{
    setEnabled(!isDisabled);
    update();
}

void BezellessStepperButton::enterEvent(QEnterEvent* event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BezellessStepperButton::leaveEvent(QEvent* event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void BezellessStepperButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setOpacity(drawnOpacity());
    if (isHovering())
        paintRoundedRect(painter, rect(), backdropRadius, faded(primaryLabelColor(palette()), 0.08));
    paintSymbol(painter, m_systemName, rect(), symbolPixelSize, secondaryLabelColor(palette()));
}
