// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/power/PortalSleepInhibitor.h"

#include "PlatformKit/power/BusSleepInhibition.h"

#include <QDBusObjectPath>
#include <QVariantMap>

namespace platform {
namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
// The portal's flag for suspending.
constexpr uint suspendFlag = 4;

} // namespace

PortalSleepInhibitor::PortalSleepInhibitor(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

void PortalSleepInhibitor::inhibit(const QString& reason, Granted granted)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    // No window of ours to name.
    call << QString() << suspendFlag << QVariantMap{{QStringLiteral("reason"), reason}};
    callSleepService(m_bus, call, m_context, [bus = m_bus, granted = std::move(granted)](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
            return granted(nullptr);
        const auto handle = qvariant_cast<QDBusObjectPath>(reply.arguments().constFirst());
        if (handle.path().isEmpty())
            return granted(nullptr);
        granted(std::make_unique<BusSleepInhibition>(
            bus,
            QDBusMessage::createMethodCall(portalService, handle.path(),
                                           QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close"))));
    });
}

} // namespace platform
