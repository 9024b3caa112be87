// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotMatrixView.h"

#include "DotMatrixKit/DotMatrixAccessibility.h"
#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QPainter>

#include <cmath>

namespace {

QSize gridSize(const DotMatrixInputs& inputs)
{
    const QSizeF size = DotMatrixRules::layout(inputs).size;
    return {platform::saturatingCast<int>(std::ceil(size.width())),
            platform::saturatingCast<int>(std::ceil(size.height()))};
}

} // namespace

DotMatrixView::DotMatrixView(DotMatrixInputs inputs, platform::Clock clock, QWidget* parent)
    : QWidget(parent)
    , m_inputs(std::move(inputs))
    , m_clock(clock ? std::move(clock) : &platform::Date::now)
    , m_lookChanges(
          m_clock, [this] { return isVisible(); },
          [this](platform::Date now) { return DotMatrixRules::nextLookChange(m_inputs, now); }, [this] { update(); },
          this)
{
    installDotMatrixAccessibility();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(DotMatrixRules::accessibleLabel(m_inputs));
}

void DotMatrixView::setInputs(DotMatrixInputs inputs)
{
    const bool resized = gridSize(inputs) != gridSize(m_inputs);
    m_inputs = std::move(inputs);
    setAccessibleName(DotMatrixRules::accessibleLabel(m_inputs));
    if (resized)
        updateGeometry();
    update();
    m_lookChanges.reschedule();
}

DotMatrixState DotMatrixView::currentState() const
{
    return DotMatrixRules::state(m_inputs, m_clock());
}

QSize DotMatrixView::sizeHint() const
{
    return gridSize(m_inputs);
}

void DotMatrixView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The grid never stretches: a larger widget shows it centred.
    const QSizeF grid = DotMatrixRules::layout(m_inputs).size;
    painter.translate((width() - grid.width()) / 2, (height() - grid.height()) / 2);
    DotMatrixPainter::paint(painter, m_inputs, currentState());
}

void DotMatrixView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_lookChanges.reschedule();
}

void DotMatrixView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_lookChanges.stop();
}
