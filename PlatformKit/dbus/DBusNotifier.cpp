// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/dbus/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>

namespace platform {
namespace {

// The signal every notification travels as. A D-Bus member name cannot hold
// the dots of a notification name, so the name is the signal's one argument.
const QString objectPath = QStringLiteral("/com/morrowfen/kelvane");
const QString interfaceName = QStringLiteral("com.morrowfen.kelvane.Notifications");
const QString memberName = QStringLiteral("Posted");
const QString signature = QStringLiteral("s");

// How long `post` waits for the bus to confirm it has taken the signal.
constexpr int flushTimeoutMs = 1000;

// The receiver of one observation, living on the observing thread: D-Bus
// signals reach it as queued events of that thread.
class Observation final : public QObject {
    Q_OBJECT
public:
    Observation(QString name, std::function<void()> handler)
        : m_name(std::move(name))
        , m_handler(std::move(handler))
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        // Any sender; the bus itself drops other names (arg0 match).
        m_connected = bus.connect(QString(), objectPath, interfaceName, memberName, QStringList{m_name}, signature,
                                  this, SLOT(onPosted(QString)));
    }

    ~Observation() override
    {
        if (m_connected) {
            QDBusConnection::sessionBus().disconnect(QString(), objectPath, interfaceName, memberName,
                                                     QStringList{m_name}, signature, this, SLOT(onPosted(QString)));
        }
    }

private slots:
    void onPosted(const QString& name)
    {
        if (name == m_name && m_handler)
            m_handler();
    }

private:
    const QString m_name;
    const std::function<void()> m_handler;
    bool m_connected = false;
};

} // namespace

void DBusNotifier::post(const QString& name)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(objectPath, interfaceName, memberName);
    signal << name;
    if (!bus.send(signal))
        return;
    // The signal leaves from Qt's D-Bus thread some time later, and a process
    // that exits right after posting would lose it. A round trip to the bus
    // on the same connection returns only once the signal has gone out before
    // it.
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    bus.call(ping, QDBus::Block, flushTimeoutMs);
}

ObservationToken DBusNotifier::observe(const QString& name, std::function<void()> handler)
{
    return std::make_unique<Observation>(name, std::move(handler));
}

} // namespace platform

#include "DBusNotifier.moc"
