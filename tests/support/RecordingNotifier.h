// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/dbus/CrossProcessNotifier.h"

#include <QHash>
#include <QPointer>
#include <QStringList>

#include <memory>

// Records posts instead of sending them anywhere, and hands a test's own
// deliveries to whoever observes the name.
class RecordingNotifier final : public platform::CrossProcessNotifier {
public:
    void post(const QString& name) override { posted.append(name); }
    platform::ObservationToken observe(const QString& name, std::function<void()> handler) override
    {
        auto token = std::make_unique<QObject>();
        m_observers.insert(name, {QPointer<QObject>(token.get()), std::move(handler)});
        return token;
    }

    // Runs the handlers still observing `name`; returns how many ran.
    int deliver(const QString& name) const
    {
        int count = 0;
        for (auto it = m_observers.constFind(name); it != m_observers.cend() && it.key() == name; ++it) {
            if (it->token) {
                it->handler();
                ++count;
            }
        }
        return count;
    }

    QStringList posted;

private:
    struct Observer {
        QPointer<QObject> token;
        std::function<void()> handler;
    };
    QMultiHash<QString, Observer> m_observers;
};
