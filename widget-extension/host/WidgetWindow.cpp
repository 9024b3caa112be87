// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/WidgetWindow.h"

#include "widget-extension/provider/KelvaneWidget.h"

#include "PlatformKit/window/WindowHints.h"

#include <QWindow>

WidgetWindow::WidgetWindow(WidgetFamily family)
    : QWidget(nullptr,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus)
    , m_view(new TimerWidgetView(this))
{
    setWindowTitle(QString(KelvaneWidget::configurationDisplayName));
    setAttribute(Qt::WA_TranslucentBackground);
    setFamily(family);
}

void WidgetWindow::setFamily(WidgetFamily family)
{
    m_view->setFamily(family);
    setFixedSize(m_view->size());
}

void WidgetWindow::showOnDesktop()
{
    winId(); // the native window, so its hints are there before it is mapped
    if (QWindow* native = windowHandle())
        platform::WindowHints::keepOnDesktop(*native);
    show();
    if (QWindow* native = windowHandle())
        platform::WindowHints::keepOnDesktop(*native);
}
