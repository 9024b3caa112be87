// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/dbus/DesktopNotifications.h"

#include "PlatformKit/core/Logging.h"
#include "PlatformKit/dbus/NotificationServer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <limits>

namespace platform {
namespace {

using notificationServer::interfaceName;
using notificationServer::objectPath;
using notificationServer::serviceName;

const QString applicationName = QStringLiteral("Kelvane");
// The themed icon and the desktop file the server shows the program by.
const QString applicationID = QStringLiteral("com.morrowfen.Kelvane");
// The freedesktop sound theme's sound for a new message.
const QString defaultSoundName = QStringLiteral("message-new-instant");

// A notification waits for its server however long it takes: the server has
// it, and a reply that comes at last still tells what it replaces.
constexpr int notifyTimeoutMs = std::numeric_limits<int>::max();
// Let the service decide how long the notification stays.
constexpr int serverDefaultExpiry = -1;

// Whether an error to a question means nobody is there to show anything; a
// service that took too long, or does not know the question, is there.
bool nobodyThere(const QDBusError& error)
{
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::Disconnected:
    case QDBusError::AccessDenied:
        return true;
    default:
        return error.name() == QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner");
    }
}

QDBusMessage notificationsCall(const QString& method)
{
    return QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method);
}

} // namespace

FreedesktopNotifications::FreedesktopNotifications(QDBusConnection bus, std::chrono::milliseconds patience)
    : m_bus(std::move(bus))
    , m_patience(patience)
{
    if (m_bus.isConnected())
        m_bus.connect(serviceName, objectPath, interfaceName, QStringLiteral("NotificationClosed"), this,
                      SLOT(closed(uint, uint)));
}

FreedesktopNotifications::~FreedesktopNotifications()
{
    if (m_bus.isConnected())
        m_bus.disconnect(serviceName, objectPath, interfaceName, QStringLiteral("NotificationClosed"), this,
                         SLOT(closed(uint, uint)));
}

void FreedesktopNotifications::answerLater(Answer answer, bool value)
{
    QMetaObject::invokeMethod(
        this, [answer = std::move(answer), value] { answer(value); }, Qt::QueuedConnection);
}

void FreedesktopNotifications::checkAuthorization(Answer answer)
{
    if (!answer)
        answer = [](bool) {};
    if (!m_bus.isConnected()) {
        answerLater(std::move(answer), false);
        return;
    }
    // Any method will do: what matters is that someone is there.
    auto* watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(notificationsCall(QStringLiteral("GetCapabilities")), static_cast<int>(m_patience.count())),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [answer = std::move(answer)](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                if (call->isError() && !nobodyThere(call->error()))
                    qCDebug(lcNotify) << "the notification server is slow to answer:" << call->error().message();
                answer(!call->isError() || !nobodyThere(call->error()));
            });
}

void FreedesktopNotifications::requestAuthorization(Answer answer)
{
    // Nothing to grant: asking is finding out whether the service is there.
    checkAuthorization(std::move(answer));
}

void FreedesktopNotifications::post(const DesktopNotification& notification, std::function<void()> done)
{
    Pending pending{notification, done ? std::move(done) : [] {}};
    if (notification.delay.count() <= 0) {
        // Still later, as promised, never inside the call.
        QMetaObject::invokeMethod(
            this, [this, pending = std::move(pending)]() mutable { send(std::move(pending)); }, Qt::QueuedConnection);
        return;
    }
    QTimer::singleShot(notification.delay, this,
                       [this, pending = std::move(pending)]() mutable { send(std::move(pending)); });
}

void FreedesktopNotifications::send(Pending pending)
{
    Slot& slot = m_slots[pending.notification.identifier];
    if (slot.inFlight) {
        slot.waiting.push_back(std::move(pending));
        return;
    }
    sendNow(std::move(pending));
}

void FreedesktopNotifications::sendNow(Pending pending)
{
    if (!m_bus.isConnected()) {
        pending.done();
        return;
    }
    const DesktopNotification& notification = pending.notification;
    Slot& slot = m_slots[notification.identifier];
    slot.inFlight = true;

    QVariantMap hints{{QStringLiteral("desktop-entry"), applicationID}};
    if (notification.playsDefaultSound)
        hints.insert(QStringLiteral("sound-name"), defaultSoundName);
    QDBusMessage call = notificationsCall(QStringLiteral("Notify"));
    call << applicationName << slot.serverID.value_or(0u) << applicationID << notification.title << notification.body
         << QStringList() << hints << serverDefaultExpiry;

    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, notifyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, identifier = notification.identifier, done = std::move(pending.done)](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
                if (reply.isError())
                    qCDebug(lcNotify) << "the notification server did not take a notification:"
                                      << reply.error().message();
                replied(identifier, reply.isValid() ? std::optional<uint>(reply.value()) : std::nullopt);
                done();
            });
}

void FreedesktopNotifications::replied(const QString& identifier, std::optional<uint> serverID)
{
    Slot& slot = m_slots[identifier];
    slot.inFlight = false;
    if (serverID)
        slot.serverID = serverID;
    if (slot.waiting.empty())
        return;
    Pending next = std::move(slot.waiting.front());
    slot.waiting.pop_front();
    sendNow(std::move(next));
}

void FreedesktopNotifications::closed(uint serverID, uint)
{
    // Replacing a notification the server no longer shows would, on some
    // servers, file the new one away unseen.
    for (auto& [identifier, slot] : m_slots) {
        if (slot.serverID == serverID)
            slot.serverID.reset();
    }
}

} // namespace platform
