// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseColorPicker.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/editor/PhaseColorNames.h"
#include "shared-ui/editor/PhaseColorPopover.h"

#include "TimerCoreKit/color/CustomTimerPalette.h"

#include <QPainter>
#include <QVariantAnimation>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int hoverAnimationMilliseconds = 150;
constexpr qreal borderWidth = 0.5;

} // namespace

PhaseColorPicker::PhaseColorPicker(QWidget* parent)
    : QAbstractButton(parent)
    , m_scaleAnimation(new QVariantAnimation(this))
    , m_popover(new PhaseColorPopover(this))
{
    installAccessibleTraits();
    // Room around the swatch for it to grow under the pointer.
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::TabFocus);
    setToolTip(u"Phase color"_s);
    setAccessibleDescription(u"Tap to choose a different color"_s);
    setSelection(0);

    m_scaleAnimation->setDuration(hoverAnimationMilliseconds);
    m_scaleAnimation->setEasingCurve(QEasingCurve::OutCubic);
    connect(m_scaleAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_scale = value.toReal();
        update();
    });

    connect(this, &QAbstractButton::clicked, this, &PhaseColorPicker::togglePopover);
    connect(m_popover, &PhaseColorPopover::picked, this, [this](int index) {
        setSelection(index);
        emit colorPicked(index);
    });
}

QSize PhaseColorPicker::sizeHint() const
{
    const int side = static_cast<int>(std::ceil(swatchSide * hoverScale)) + 2;
    return {side, side};
}

void PhaseColorPicker::setSelection(int paletteIndex)
{
    m_selection = paletteIndex;
    setAccessibleName(phaseColorSwatchLabel(paletteIndex));
    m_popover->setSelection(paletteIndex);
    update();
}

bool PhaseColorPicker::isShowingPopover() const
{
    return m_popover->isVisible();
}

void PhaseColorPicker::togglePopover()
{
    if (isShowingPopover())
        m_popover->close();
    else
        m_popover->popUpBelow(*this);
}

QRect PhaseColorPicker::swatchRect() const
{
    QRect swatch(0, 0, swatchSide, swatchSide);
    swatch.moveCenter(rect().center());
    return swatch;
}

bool PhaseColorPicker::hitButton(const QPoint& pos) const
{
    return swatchRect().contains(pos);
}

void PhaseColorPicker::setHovering(bool hovering)
{
    if (m_hovering == hovering)
        return;
    m_hovering = hovering;
    m_scaleAnimation->stop();
    m_scaleAnimation->setStartValue(m_scale);
    m_scaleAnimation->setEndValue(m_hovering ? hoverScale : 1.0);
    m_scaleAnimation->start();
}

void PhaseColorPicker::enterEvent(QEnterEvent* event)
{
    setHovering(true);
    QAbstractButton::enterEvent(event);
}

void PhaseColorPicker::leaveEvent(QEvent* event)
{
    setHovering(false);
    QAbstractButton::leaveEvent(event);
}

void PhaseColorPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto side = swatchSide * m_scale;
    QRectF circle(0, 0, side, side);
    circle.moveCenter(QRectF(rect()).center());
    paintRoundedRect(painter, circle, side / 2, CustomTimerPalette::color(m_selection), tertiaryLabelColor(palette()),
                     borderWidth);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        paintRoundedRect(painter, circle.adjusted(-1.5, -1.5, 1.5, 1.5), side / 2 + 1.5, Qt::transparent,
                         palette().color(QPalette::Highlight), 1);
}
