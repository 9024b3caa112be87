// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/views/TimerWidgetView.h"

#include "widget-extension/views/TimerWidgetPainter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TimerWidgetView::TimerWidgetView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(sizeHint());
}

void TimerWidgetView::setEntry(TimerWidgetEntry entry)
{
    m_entry = std::move(entry);
    update();
}

void TimerWidgetView::setFamily(WidgetFamily family)
{
    m_family = family;
    setFixedSize(sizeHint());
    update();
}

void TimerWidgetView::setRenderingMode(WidgetRenderingMode mode)
{
    m_renderingMode = mode;
    update();
}

QSize TimerWidgetView::sizeHint() const
{
    const QSizeF size = widgetSize(m_family);
    return {static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))};
}

void TimerWidgetView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TimerWidgetPainter::paint(painter, m_entry, m_family, m_renderingMode);
}

void TimerWidgetView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressedAt = event->globalPosition().toPoint();
    m_dragging = false;
}

void TimerWidgetView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressedAt)
        return;
    const QPoint offset = event->globalPosition().toPoint() - *m_pressedAt;
    if (!m_dragging && offset.manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragging = true;
    if (m_onDrag)
        m_onDrag(offset);
}

void TimerWidgetView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressedAt)
        return QWidget::mouseReleaseEvent(event);
    const bool dragged = m_dragging;
    m_pressedAt.reset();
    m_dragging = false;
    if (dragged) {
        if (m_onDragEnd)
            m_onDragEnd();
        return;
    }
    if (m_onAction)
        m_onAction(actionAt(layoutTimerWidget(m_entry, m_family), event->position()));
}

void TimerWidgetView::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_onContextMenu)
        m_onContextMenu(event->globalPos());
}
