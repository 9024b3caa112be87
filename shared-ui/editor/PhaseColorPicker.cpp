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
    : QAbstractButton(parent), scaleAnimation_(new QVariantAnimation(this)), popover_(new PhaseColorPopover(this))
{
    installAccessibleTraits();
    // Room around the swatch for it to grow under the pointer.
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::TabFocus);
    setToolTip(u"Phase color"_s);
    setAccessibleDescription(u"Tap to choose a different color"_s);
    setSelection(0);

    scaleAnimation_->setDuration(hoverAnimationMilliseconds);
    scaleAnimation_->setEasingCurve(QEasingCurve::OutCubic);
    connect(scaleAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        scale_ = value.toReal();
        update();
    });

    connect(this, &QAbstractButton::clicked, this, &PhaseColorPicker::togglePopover);
    connect(popover_, &PhaseColorPopover::picked, this, [this](int index) {
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
    selection_ = paletteIndex;
    setAccessibleName(phaseColorSwatchLabel(paletteIndex));
    popover_->setSelection(paletteIndex);
    update();
}

bool PhaseColorPicker::isShowingPopover() const
{
    return popover_->isVisible();
}

void PhaseColorPicker::togglePopover()
{
    if (isShowingPopover())
        popover_->close();
    else
        popover_->popUpBelow(*this);
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
    if (hovering_ == hovering)
        return;
    hovering_ = hovering;
    scaleAnimation_->stop();
    scaleAnimation_->setStartValue(scale_);
    scaleAnimation_->setEndValue(hovering_ ? hoverScale : 1.0);
    scaleAnimation_->start();
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
    const auto side = swatchSide * scale_;
    QRectF circle(0, 0, side, side);
    circle.moveCenter(QRectF(rect()).center());
    paintRoundedRect(painter, circle, side / 2, CustomTimerPalette::color(selection_),
                     tertiaryLabelColor(palette()), borderWidth);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        paintRoundedRect(painter, circle.adjusted(-1.5, -1.5, 1.5, 1.5), side / 2 + 1.5, Qt::transparent,
                         palette().color(QPalette::Highlight), 1);
}
