// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/session/NotificationServerInhibition.h"

#include "PlatformKit/core/Logging.h"
#include "PlatformKit/dbus/NotificationServer.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace platform {
namespace {

using notificationServer::objectPath;
using notificationServer::serviceName;
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
constexpr int readTimeoutMs = 5000;

// Where a server tells that it holds notifications back: the standard
// property, and dunst's own, which is all dunst 1.9 has.
struct HoldFlag {
    QLatin1StringView interface;
    QLatin1StringView property;
};
const HoldFlag holdFlags[] = {
    {QLatin1StringView("org.freedesktop.Notifications"), QLatin1StringView("Inhibited")},
    {QLatin1StringView("org.dunstproject.cmd0"), QLatin1StringView("paused")},
};
static_assert(std::size(holdFlags) == 2, "one held flag per property");

} // namespace

NotificationServerInhibition::NotificationServerInhibition(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    // A server that replaces another is read afresh too.
    auto* watcher = new QDBusServiceWatcher(serviceName, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (newOwner.isEmpty())
                    m_held = {};
                else
                    readAll();
            });
    m_bus.connect(serviceName, objectPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                  SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    readAll();
}

NotificationServerInhibition::~NotificationServerInhibition()
{
    if (m_bus.isConnected())
        m_bus.disconnect(serviceName, objectPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                         SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
}

bool NotificationServerInhibition::isOn() const
{
    return std::find(m_held.begin(), m_held.end(), true) != m_held.end();
}

void NotificationServerInhibition::readAll()
{
    for (std::size_t flag = 0; flag < m_held.size(); ++flag)
        read(flag);
}

void NotificationServerInhibition::read(std::size_t flag)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(serviceName, objectPath, propertiesInterface, QStringLiteral("Get"));
    call << QString(holdFlags[flag].interface) << QString(holdFlags[flag].property);
    // Asking must not start a notification server; one that starts later is
    // read when it appears.
    call.setAutoStartService(false);
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call, readTimeoutMs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, flag](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusMessage reply = finished->reply();
        const bool offered = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty();
        if (offered && !m_told) {
            m_told = true;
            qCWarning(lcSession).noquote() << "following do-not-disturb through the notification server's"
                                           << holdFlags[flag].interface << holdFlags[flag].property;
        }
        // A server without the property never holds notifications back.
        m_held[flag] = offered && qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
    });
}

void NotificationServerInhibition::propertiesChanged(const QString& changedInterface, const QVariantMap& changed,
                                                     const QStringList& invalidated)
{
    for (std::size_t flag = 0; flag < m_held.size(); ++flag) {
        const HoldFlag& hold = holdFlags[flag];
        if (changedInterface != hold.interface)
            continue;
        if (const auto value = changed.constFind(QString(hold.property)); value != changed.constEnd())
            m_held[flag] = value->toBool();
        else if (invalidated.contains(QString(hold.property)))
            read(flag);
    }
}

} // namespace platform
