// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/views/TimerWidgetView.h"

#include <QWidget>

// The frameless window of one widget, kept on the desktop below other
// windows, on every workspace and out of the taskbar.
class WidgetWindow : public QWidget {
    Q_OBJECT

public:
    explicit WidgetWindow(WidgetFamily family);

    TimerWidgetView& view() { return *m_view; }
    void setFamily(WidgetFamily family);
    // Shows the window and asks the window manager to keep it on the desktop.
    void showOnDesktop();

private:
    TimerWidgetView* m_view;
};
