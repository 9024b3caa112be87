// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/floating/FloatingPanel.h"

#include "Kelvane/floating/FloatingDisplayPicture.h"
#include "Kelvane/floating/FloatingDisplayView.h"

#include "PlatformKit/window/WindowHints.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
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

bool FloatingPanel::mustAskCompositorToMove()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void FloatingPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint at = QCursor::pos();
    m_drag.press(at);
    m_grabOffset = at - pos();
    event->accept();
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    // The pointer's place on the screen, asked of the server: while the panel
    // moves, an event's global position is reckoned from where the panel was.
    const QPoint at = QCursor::pos();
    if (m_following) {
        move(at - m_grabOffset);
    } else if (m_drag.moveTo(at)) {
        // On X11 the panel follows the pointer itself: Qt hands the window
        // manager the start of a move begun from a motion event in the
        // window's own coordinates, so openbox carried the panel the wrong way.
        // Wayland lets only the compositor move a window.
        m_following = !mustAskCompositorToMove();
        if (m_following)
            move(at - m_grabOffset);
        else if (windowHandle())
            windowHandle()->startSystemMove();
    }
    event->accept();
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag.release();
    m_following = false;
    event->ignore();
}
