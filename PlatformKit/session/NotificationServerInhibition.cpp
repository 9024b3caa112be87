#include "PlatformKit/session/NotificationServerInhibition.h"

#include "PlatformKit/dbus/NotificationServer.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QStringList>

namespace platform {
namespace {

using notificationServer::interfaceName;
using notificationServer::objectPath;
using notificationServer::serviceName;
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString inhibitedProperty = QStringLiteral("Inhibited");
constexpr int readTimeoutMs = 5000;

} // namespace

NotificationServerInhibition::NotificationServerInhibition(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    // A server that replaces another is read afresh too.
    auto* watcher = new QDBusServiceWatcher(serviceName, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                if (newOwner.isEmpty())
                    m_inhibited = false;
                else
                    read();
            });
    m_bus.connect(serviceName, objectPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                  SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    read();
}

NotificationServerInhibition::~NotificationServerInhibition()
{
    if (m_bus.isConnected())
        m_bus.disconnect(serviceName, objectPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                         SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
}

void NotificationServerInhibition::read()
{
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName, objectPath, propertiesInterface,
                                                       QStringLiteral("Get"));
    call << interfaceName << inhibitedProperty;
    // Asking must not start a notification server; one that starts later is
    // read when it appears.
    call.setAutoStartService(false);
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call, readTimeoutMs), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusMessage reply = finished->reply();
        // A server without the property never holds notifications back.
        m_inhibited = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                      && qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
    });
}

void NotificationServerInhibition::propertiesChanged(const QString& changedInterface, const QVariantMap& changed,
                                                     const QStringList& invalidated)
{
    if (changedInterface != interfaceName)
        return;
    if (const auto value = changed.constFind(inhibitedProperty); value != changed.constEnd())
        m_inhibited = value->toBool();
    else if (invalidated.contains(inhibitedProperty))
        read();
}

} // namespace platform
