// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayView.h"

#include "shared-ui/looks/AdaptiveFill.h"
#include "shared-ui/looks/DisplayRendererFactory.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QPainter>

#include <cmath>

namespace {

QSize ceiled(QSizeF size)
{
    return {platform::saturatingCast<int>(std::ceil(size.width())),
            platform::saturatingCast<int>(std::ceil(size.height()))};
}

} // namespace

DisplayView::DisplayView(platform::Clock clock, QWidget* parent)
    : QWidget(parent)
    , m_clock(clock ? std::move(clock) : &platform::Date::now)
    , m_lookChanges(
          m_clock, [this] { return isVisible(); },
          [this](platform::Date now) {
              return DisplayRendererFactory::renderer(m_type, m_settings)->nextLookChange(m_frame, m_state, now);
          },
          [this] { update(); }, this)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DisplayView::setDisplay(DisplayType type, DisplayFrame frame, DisplayLookSettings settings)
{
    const QSize before = sizeHint();
    // Another look's state means nothing to this one.
    if (type != m_type)
        m_state = {};
    m_type = type;
    m_frame = std::move(frame);
    m_settings = std::move(settings);
    // The look sees the change now, so a card that should flip starts at once.
    DisplayRendererFactory::renderer(m_type, m_settings)->advance(m_state, m_frame, m_clock());
    if (sizeHint() != before)
        updateGeometry();
    update();
    m_lookChanges.reschedule();
}

void DisplayView::setAdaptiveFill(bool adaptiveFill)
{
    if (adaptiveFill == m_adaptiveFill)
        return;
    m_adaptiveFill = adaptiveFill;
    const auto policy = adaptiveFill ? QSizePolicy::Expanding : QSizePolicy::Fixed;
    setSizePolicy(policy, policy);
    updateGeometry();
    update();
}

QSizeF DisplayView::naturalSize() const
{
    return DisplayRendererFactory::renderer(m_type, m_settings)->naturalSize(m_frame);
}

QTransform DisplayView::contentTransform(QSizeF widgetSize) const
{
    const QSizeF natural = naturalSize();
    const qreal scale = m_adaptiveFill ? AdaptiveFill::scale(natural, widgetSize) : 1.0;
    QTransform transform;
    transform.translate(widgetSize.width() / 2, widgetSize.height() / 2);
    transform.scale(scale, scale);
    transform.translate(-natural.width() / 2, -natural.height() / 2);
    return transform;
}

QSize DisplayView::sizeHint() const
{
    return ceiled(naturalSize());
}

QSize DisplayView::minimumSizeHint() const
{
    return m_adaptiveFill ? QSize(0, 0) : sizeHint();
}

void DisplayView::paintEvent(QPaintEvent*)
{
    const auto renderer = DisplayRendererFactory::renderer(m_type, m_settings);
    renderer->advance(m_state, m_frame, m_clock());
    QPainter painter(this);
    painter.setTransform(contentTransform(size()));
    renderer->paint(painter, m_frame, m_state);
}

void DisplayView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_lookChanges.reschedule();
}

void DisplayView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_lookChanges.stop();
}
