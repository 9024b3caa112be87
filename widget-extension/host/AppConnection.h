// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

// How the widget program reaches the app besides the shared store: bringing
// it forward and handing it links.
class AppConnection {
public:
    virtual ~AppConnection() = default;
    virtual void activate() = 0;
    virtual void open(const QUrl& url) = 0;
};
