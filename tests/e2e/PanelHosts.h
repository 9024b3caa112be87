// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tray hosts Linux users have, each started on a test desktop as its
// users run it: one panel along the top or the bottom edge, light or dark,
// holding only its tray.

#include "ScreenProbe.h"
#include "TestDesktop.h"

#include "Kelvane/status/ClickHintView.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <ostream>

struct PanelHost {
    enum class Edge { Top, Bottom };
    enum class Shade { Light, Dark };

    QString program;
    // Items go on the bus (StatusNotifierItem) rather than into an XEmbed socket.
    bool statusNotifier = false;
    // The panel's window class, as xdotool searches it.
    QString windowClass;
    // The programs it needs besides the desktop's.
    QStringList tools;
    // Writes its settings and starts it; empty, or what failed.
    QString (*start)(TestDesktop& desktop, Edge edge, Shade shade) = nullptr;
};

// For test names and failures: the host's program.
inline void PrintTo(const PanelHost& host, std::ostream* out)
{
    *out << host.program.toStdString();
}

// xfce4-panel, lxqt-panel, tint2, lxpanel and trayer.
const QList<PanelHost>& panelHosts();

// Starts `host` on `desktop` and waits until it takes tray items; empty once
// it does, otherwise what failed.
QString startPanel(TestDesktop& desktop, const PanelHost& host, PanelHost::Edge edge, PanelHost::Shade shade);

// The panel's height: every host is given the same.
inline constexpr int panelHeight = 30;

// Whether an item is registered with the StatusNotifierWatcher on the desktop's bus.
bool itemRegisteredWithWatcher(const TestDesktop& desktop);

// A viewable window of the program outside the windows in `hosts` whose area
// passes `wanted`, within `timeout`; empty when none shows.
QString waitForOwnWindow(const ScreenProbe& screen, const std::function<bool(const QRect&)>& wanted,
                         const QStringList& hosts, std::chrono::milliseconds timeout);

// Until `window` is gone or no longer shows; false when it still shows after `timeout`.
bool waitForHidden(const ScreenProbe& screen, const QString& window, std::chrono::milliseconds timeout);

// "x,y wxh", for failures.
inline QString areaText(const QRect& area)
{
    return QStringLiteral("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}

// The welcome card, by its width; the popover is any other window of the program.
inline bool isClickHint(const QRect& area)
{
    return area.width() == ClickHintView::cardWidth;
}
