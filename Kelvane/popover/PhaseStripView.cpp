// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PhaseStripView.h"

#include "DotMatrixKit/PhaseStrip.h"

#include "shared-ui/controls/ControlPainting.h"

#include <QPainter>

PhaseStripView::PhaseStripView(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(stripHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PhaseStripView::setIndicators(std::vector<PhaseIndicator> indicators, const QString& accessibleLabel)
{
    m_indicators = std::move(indicators);
    setAccessibleName(accessibleLabel);
    update();
}

void PhaseStripView::paintEvent(QPaintEvent*)
{
    if (m_indicators.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto count = static_cast<qreal>(m_indicators.size());
    const qreal segment = (width() - spacing * (count - 1)) / count;
    qreal x = 0;
    for (const PhaseIndicator& indicator : m_indicators) {
        paintRoundedRect(painter, QRectF(x, 0, segment, height()), 1,
                         faded(indicator.color, phaseOpacity(indicator.state)));
        x += segment + spacing;
    }
}
