// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/host/AppConnection.h"

#include <QString>

#include <functional>

// The app's org.freedesktop.Application interface on the session bus, which
// D-Bus activation answers by starting the installed app. Without a bus name
// to call, activation starts the installed program and a link goes to the
// desktop's handler of the kelvane scheme. Calls never block.
class DBusAppConnection final : public AppConnection {
public:
    struct Fallbacks {
        std::function<void()> startProgram;
        std::function<void(const QUrl&)> openUrl;
    };

    DBusAppConnection(QString serviceName, QString objectPath, Fallbacks fallbacks);

    void activate() override;
    void open(const QUrl& url) override;

private:
    void call(const QString& method, const QVariantList& arguments, std::function<void()> fallback) const;

    QString m_serviceName;
    QString m_objectPath;
    Fallbacks m_fallbacks;
};
