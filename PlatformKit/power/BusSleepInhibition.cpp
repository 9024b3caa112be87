// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/power/BusSleepInhibition.h"

#include <QDBusPendingCallWatcher>

namespace platform {

void callSleepService(const QDBusConnection& bus, const QDBusMessage& call, QObject& context,
                      std::function<void(const QDBusMessage& reply)> answered)
{
    // Without a connection Qt's pending call never finishes.
    if (!bus.isConnected()) {
        QMetaObject::invokeMethod(
            &context,
            [answered = std::move(answered)] {
                answered(QDBusMessage::createError(QDBusError::Disconnected, QStringLiteral("not connected")));
            },
            Qt::QueuedConnection);
        return;
    }
    auto* watcher
        = new QDBusPendingCallWatcher(bus.asyncCall(call, static_cast<int>(sleepInhibitorCallTimeout.count())));
    // The watcher goes with its answer even when nobody is left to hear it.
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, &context,
        [answered = std::move(answered)](QDBusPendingCallWatcher* finished) { answered(finished->reply()); });
}

BusSleepInhibition::BusSleepInhibition(QDBusConnection bus, QDBusMessage releaseCall)
    : m_bus(std::move(bus))
    , m_releaseCall(std::move(releaseCall))
{
}

void BusSleepInhibition::release(Released released)
{
    // Never start a service just to release what it no longer holds.
    QDBusMessage call = m_releaseCall;
    call.setAutoStartService(false);
    callSleepService(m_bus, call, m_context, [released = std::move(released)](const QDBusMessage& reply) {
        const QString error = reply.errorName();
        released(reply.type() != QDBusMessage::ErrorMessage
                 || error == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner")
                 || error == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"));
    });
}

} // namespace platform
