// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// Whether a popup that the focus left (`newFocus`, null when it went to
// another program) is to close: when it goes to another window of the
// program that is not one of the popup's own (its menus), or, once the popup
// itself had it, anywhere else.
bool popupLosesFocusFor(const QWindow* popup, const QWindow* newFocus, bool popupHadFocus);

// Closes a popup window the way a transient popup closes, where the window
// system does not do it: on Wayland a popup without a parent surface is a
// plain window that an outside click does not close, and a card that takes no
// pointer grab sees no outside click either. Parented to the popup.
class PopupDismissal final : public QObject {
public:
    explicit PopupDismissal(QWidget& popup);

    // Whether popups of this session need it: on Wayland.
    static bool neededForPopups();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusMoved(QWindow* focus);

    QPointer<QWidget> m_popup;
    bool m_hadFocus = false;
};
