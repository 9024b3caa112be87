#include "PlatformKit/power/ScreenSaverSleepInhibitor.h"

#include "PlatformKit/power/BusSleepInhibition.h"

namespace platform {
namespace {

const QString screenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString screenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString screenSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");

} // namespace

ScreenSaverSleepInhibitor::ScreenSaverSleepInhibitor(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::unique_ptr<SleepInhibition> ScreenSaverSleepInhibitor::inhibit(const QString& reason)
{
    QDBusMessage call = QDBusMessage::createMethodCall(screenSaverService, screenSaverPath, screenSaverInterface,
                                                       QStringLiteral("Inhibit"));
    call << QStringLiteral("Kelvane") << reason;
    const QDBusMessage reply = callSleepService(m_bus, call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return nullptr;
    const QVariant cookie = reply.arguments().constFirst();
    if (cookie.typeId() != QMetaType::UInt)
        return nullptr;
    QDBusMessage release = QDBusMessage::createMethodCall(screenSaverService, screenSaverPath, screenSaverInterface,
                                                          QStringLiteral("UnInhibit"));
    release << cookie.toUInt();
    return std::make_unique<BusSleepInhibition>(m_bus, std::move(release));
}

} // namespace platform
