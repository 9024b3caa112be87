// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/input/PortalShortcutWatch.h"

#include "PlatformKit/core/Logging.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// One entry of BindShortcuts' a(sa{sv}).
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

QString uniqueToken()
{
    static int counter = 0;
    return QStringLiteral("kelvane%1").arg(++counter);
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

namespace platform {

PortalShortcutWatch::PortalShortcutWatch(const QDBusConnection& bus, QList<Shortcut> shortcuts,
                                         ShortcutActivated onActivated)
    : m_bus(bus)
    , m_shortcuts(std::move(shortcuts))
    , m_onActivated(std::move(onActivated))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    if (!m_bus.isConnected())
        return;
    m_bus.connect(portalService, portalPath, shortcutsInterface, QStringLiteral("Activated"), this,
                  SLOT(activated(QDBusMessage)));
    request(QStringLiteral("CreateSession"), {QVariantMap{{QStringLiteral("session_handle_token"), uniqueToken()}}},
            SLOT(sessionCreated(uint, QVariantMap)));
}

PortalShortcutWatch::~PortalShortcutWatch()
{
    if (m_session.isEmpty())
        return;
    m_bus.asyncCall(QDBusMessage::createMethodCall(
        portalService, m_session, QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")));
}

void PortalShortcutWatch::request(const QString& method, QVariantList arguments, const char* slot)
{
    // The portal names the Request object after the sender and the token;
    // listen before calling so that a quick answer is not lost.
    const QString token = uniqueToken();
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    m_pendingRequest = QStringLiteral("%1/request/%2/%3").arg(portalPath, sender, token);
    listenForResponse(m_pendingRequest, slot);

    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, shortcutsInterface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, slot](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *finished;
        if (reply.isError()) {
            qCWarning(lcInput).noquote() << "no global shortcuts: the desktop portal did not take them:"
                                         << reply.error().message();
            return;
        }
        // An older portal may pick another path than the one predicted.
        if (reply.value().path() != m_pendingRequest) {
            m_pendingRequest = reply.value().path();
            listenForResponse(m_pendingRequest, slot);
        }
    });
}

void PortalShortcutWatch::listenForResponse(const QString& path, const char* slot)
{
    m_bus.connect(portalService, path, requestInterface, QStringLiteral("Response"), this, slot);
}

void PortalShortcutWatch::sessionCreated(uint response, const QVariantMap& results)
{
    if (response != 0) {
        refused(response);
        return;
    }
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    // A string by the portal's documentation; some send an object path.
    m_session = handle.metaType() == QMetaType::fromType<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                                            : handle.toString();
    if (m_session.isEmpty()) {
        qCWarning(lcInput) << "no global shortcuts: the desktop portal named no session";
        return;
    }

    QList<PortalShortcut> entries;
    for (const Shortcut& shortcut : m_shortcuts) {
        entries.append({shortcut.id,
                        {{QStringLiteral("description"), shortcut.description},
                         {QStringLiteral("preferred_trigger"), triggerText(shortcut)}}});
    }
    request(QStringLiteral("BindShortcuts"),
            {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(entries), QString(), QVariantMap()},
            SLOT(shortcutsBound(uint, QVariantMap)));
}

void PortalShortcutWatch::shortcutsBound(uint response, const QVariantMap&)
{
    if (response != 0) {
        refused(response);
        return;
    }
    qCWarning(lcInput) << "global shortcuts through the desktop portal";
    m_bound = true;
    Q_EMIT bound();
}

void PortalShortcutWatch::refused(uint response)
{
    // 1: the user said no; 2: the portal ended it otherwise.
    qCWarning(lcInput) << "no global shortcuts: the desktop portal refused them"
                       << (response == 1 ? "(cancelled by the user)" : "(ended by the portal)");
}

void PortalShortcutWatch::activated(const QDBusMessage& message)
{
    // (o session_handle, s shortcut_id, t timestamp, a{sv} options)
    const QVariantList arguments = message.arguments();
    if (m_session.isEmpty() || arguments.size() < 2 || arguments.at(0).value<QDBusObjectPath>().path() != m_session)
        return;
    const QString id = arguments.at(1).toString();
    for (const Shortcut& shortcut : m_shortcuts) {
        if (shortcut.id == id) {
            m_onActivated(id);
            return;
        }
    }
}

} // namespace platform
