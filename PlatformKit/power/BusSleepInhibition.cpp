#include "PlatformKit/power/BusSleepInhibition.h"

namespace platform {

QDBusMessage callSleepService(QDBusConnection& bus, const QDBusMessage& call)
{
    return bus.call(call, QDBus::Block, static_cast<int>(sleepInhibitorCallTimeout.count()));
}

BusSleepInhibition::BusSleepInhibition(QDBusConnection bus, QDBusMessage releaseCall)
    : m_bus(std::move(bus)), m_releaseCall(std::move(releaseCall))
{
}

bool BusSleepInhibition::release()
{
    // Never start a service just to release what it no longer holds.
    QDBusMessage call = m_releaseCall;
    call.setAutoStartService(false);
    const QDBusMessage reply = callSleepService(m_bus, call);
    if (reply.type() != QDBusMessage::ErrorMessage)
        return true;
    const QString error = reply.errorName();
    return error == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner")
           || error == QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown");
}

} // namespace platform
