#include "PlatformKit/dbus/DesktopNotifications.h"

#include "PlatformKit/dbus/NotificationServer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

namespace platform {
namespace {

using notificationServer::interfaceName;
using notificationServer::objectPath;
using notificationServer::serviceName;

const QString applicationName = QStringLiteral("Kelvane");
// The freedesktop sound theme's sound for a new message.
const QString defaultSoundName = QStringLiteral("message-new-instant");

// A service being started on demand may take a while; one that never answers
// must not keep a reply pending for ever.
constexpr int callTimeoutMs = 10000;
// Let the service decide how long the notification stays.
constexpr int serverDefaultExpiry = -1;

QDBusMessage notificationsCall(const QString& method)
{
    return QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName, method);
}

} // namespace

FreedesktopNotifications::FreedesktopNotifications() = default;
FreedesktopNotifications::~FreedesktopNotifications() = default;

void FreedesktopNotifications::answerLater(Answer answer, bool value)
{
    QMetaObject::invokeMethod(
        this, [answer = std::move(answer), value] { answer(value); }, Qt::QueuedConnection);
}

void FreedesktopNotifications::checkAuthorization(Answer answer)
{
    if (!answer)
        answer = [](bool) {};
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        answerLater(std::move(answer), false);
        return;
    }
    // Any method will do: what matters is that someone answers it.
    auto* watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(notificationsCall(QStringLiteral("GetCapabilities")), callTimeoutMs),
                                    this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [answer = std::move(answer)](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        answer(!call->isError());
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
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        pending.done();
        return;
    }
    const DesktopNotification& notification = pending.notification;
    Slot& slot = m_slots[notification.identifier];
    slot.inFlight = true;

    QVariantMap hints;
    if (notification.playsDefaultSound)
        hints.insert(QStringLiteral("sound-name"), defaultSoundName);
    QDBusMessage call = notificationsCall(QStringLiteral("Notify"));
    call << applicationName << slot.serverID.value_or(0u) << QString() << notification.title << notification.body
         << QStringList() << hints << serverDefaultExpiry;

    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, identifier = notification.identifier, done = std::move(pending.done)](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<uint> reply = *w;
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

} // namespace platform
