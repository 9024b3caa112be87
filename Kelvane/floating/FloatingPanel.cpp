// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/floating/FloatingPanel.h"

#include "Kelvane/floating/FloatingDisplayPicture.h"
#include "Kelvane/floating/FloatingDisplayView.h"

#include "PlatformKit/window/WindowHints.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>
#include <QWindow>

FloatingPanel::FloatingPanel(FloatingDisplayView* view)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , m_view(view)
    , m_drag(QApplication::startDragDistance())
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Kelvane"));
    m_view->setParent(this);
}

void FloatingPanel::showAt(const QRect& frame)
{
    setGeometry(frame);
    m_view->setGeometry(QRect(QPoint(0, 0), frame.size()));
    winId(); // the native window, for the hints set before it is mapped
    platform::WindowHints::showOnEveryWorkspace(*windowHandle());
    m_composited = platform::WindowHints::compositorRunning(*windowHandle());
    updateMask();
    show();
    platform::WindowHints::showOnEveryWorkspace(*windowHandle());
}

void FloatingPanel::bringToFront()
{
    raise();
}

void FloatingPanel::resizeEvent(QResizeEvent*)
{
    m_view->setGeometry(rect());
    updateMask();
}

void FloatingPanel::updateMask()
{
    if (m_composited) {
        clearMask();
        return;
    }
    const QRectF card = m_view->cardArea().translated(m_view->pos());
    QPainterPath shape;
    shape.addRoundedRect(card, FloatingDisplayPicture::cornerRadius, FloatingDisplayPicture::cornerRadius);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
}

void FloatingPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_drag.press(event->globalPosition().toPoint());
    event->accept();
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    if (m_drag.moveTo(event->globalPosition().toPoint()) && windowHandle())
        windowHandle()->startSystemMove();
    event->accept();
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag.release();
    event->ignore();
}
