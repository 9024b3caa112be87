// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopupDismissal.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

bool popupLosesFocusFor(const QWindow* popup, const QWindow* newFocus, bool popupHadFocus)
{
    if (!newFocus)
        return popupHadFocus;
    for (const QWindow* window = newFocus; window; window = window->transientParent()) {
        if (window == popup)
            return false;
    }
    return true;
}

PopupDismissal::PopupDismissal(QWidget& popup)
    : QObject(&popup)
    , m_popup(&popup)
{
    popup.installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &PopupDismissal::focusMoved);
}

bool PopupDismissal::eventFilter(QObject* watched, QEvent* event)
{
    // Each showing starts without the focus.
    if (watched == m_popup && event->type() == QEvent::Show)
        m_hadFocus = false;
    return QObject::eventFilter(watched, event);
}

bool PopupDismissal::neededForPopups()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void PopupDismissal::focusMoved(QWindow* focus)
{
    if (!m_popup || !m_popup->isVisible()) {
        m_hadFocus = false;
        return;
    }
    const QWindow* popup = m_popup->windowHandle();
    if (popup && focus == popup) {
        m_hadFocus = true;
        return;
    }
    if (popupLosesFocusFor(popup, focus, m_hadFocus)) {
        m_hadFocus = false;
        m_popup->hide();
    }
}
