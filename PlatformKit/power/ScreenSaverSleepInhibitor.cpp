// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/power/ScreenSaverSleepInhibitor.h"

#include "PlatformKit/power/BusSleepInhibition.h"

namespace platform {
namespace {

const QString screenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString screenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString screenSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");

} // namespace

ScreenSaverSleepInhibitor::ScreenSaverSleepInhibitor(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

void ScreenSaverSleepInhibitor::inhibit(const QString& reason, Granted granted)
{
    QDBusMessage call = QDBusMessage::createMethodCall(screenSaverService, screenSaverPath, screenSaverInterface,
                                                       QStringLiteral("Inhibit"));
    call << QStringLiteral("Kelvane") << reason;
    callSleepService(m_bus, call, m_context, [bus = m_bus, granted = std::move(granted)](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
            return granted(nullptr);
        const QVariant cookie = reply.arguments().constFirst();
        if (cookie.typeId() != QMetaType::UInt)
            return granted(nullptr);
        QDBusMessage release = QDBusMessage::createMethodCall(screenSaverService, screenSaverPath, screenSaverInterface,
                                                              QStringLiteral("UnInhibit"));
        release << cookie.toUInt();
        granted(std::make_unique<BusSleepInhibition>(bus, std::move(release)));
    });
}

} // namespace platform
