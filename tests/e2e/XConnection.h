// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A plain X connection to the test's display, for what the command-line tools
// cannot tell: who owns a selection, whether the root has a property.

#include <QSize>
#include <QString>

struct xcb_connection_t;

class XConnection {
public:
    explicit XConnection(const QString& display);
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool isConnected() const;
    // Whether a client owns the selection `name` (a tray host owns
    // _NET_SYSTEM_TRAY_S0 once it takes icons).
    bool hasSelectionOwner(const char* name) const;
    // Whether the root window has the property `name` (a window manager sets
    // _NET_SUPPORTING_WM_CHECK once it manages windows).
    bool rootHasProperty(const char* name) const;
    QSize screenSize() const;

private:
    unsigned atom(const char* name) const;

    xcb_connection_t* m_connection = nullptr;
    int m_screen = 0;
};
