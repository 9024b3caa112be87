// SPDX-License-Identifier: GPL-3.0-or-later
// Do-not-disturb as a notification server of our own on this test's private
// session bus announces it.
#include "PlatformKit/session/NotificationServerInhibition.h"

#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");

class FakeServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    Q_PROPERTY(bool Inhibited READ inhibited)
public:
    bool inhibited() const { return isInhibited; }
    bool isInhibited = false;
};

// dunst, which tells it only by a property of its own interface.
class FakeDunst final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.dunstproject.cmd0")
    Q_PROPERTY(bool paused READ paused)
public:
    bool paused() const { return isPaused; }
    bool isPaused = false;
};

// A server without the property, as most are.
class PlainServer final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public Q_SLOTS:
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
};

class NotificationServerOnBus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus"; }
    void TearDown() override { QDBusConnection::disconnectFromBus(connection.name()); }

    void start(QObject& served)
    {
        ASSERT_TRUE(connection.registerObject(objectPath, &served,
                                              QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(connection.registerService(serviceName));
    }
    void leave() { ASSERT_TRUE(connection.unregisterService(serviceName)); }

    // The server's change signal, with the new value or only its name.
    void announce(const QVariantMap& changed, const QStringList& invalidated = {},
                  const QString& interface = QStringLiteral("org.freedesktop.Notifications"))
    {
        QDBusMessage signal = QDBusMessage::createSignal(objectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                         QStringLiteral("PropertiesChanged"));
        signal << interface << changed << invalidated;
        ASSERT_TRUE(connection.send(signal));
    }

    FakeServer server;
    QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake"));
};

TEST_F(NotificationServerOnBus, ReadsThePropertyAtStart)
{
    server.isInhibited = true;
    start(server);
    platform::NotificationServerInhibition inhibition;
    EXPECT_TRUE(waitUntil([&] { return inhibition.isOn(); }));
}

TEST_F(NotificationServerOnBus, FollowsTheChangeSignal)
{
    start(server);
    platform::NotificationServerInhibition inhibition;
    runEventLoop(100ms);
    ASSERT_FALSE(inhibition.isOn());

    announce({{QStringLiteral("Inhibited"), true}});
    EXPECT_TRUE(waitUntil([&] { return inhibition.isOn(); }));
    announce({{QStringLiteral("Inhibited"), false}});
    EXPECT_TRUE(waitUntil([&] { return !inhibition.isOn(); }));

    // Only the name: the value is read again.
    server.isInhibited = true;
    announce({}, {QStringLiteral("Inhibited")});
    EXPECT_TRUE(waitUntil([&] { return inhibition.isOn(); }));
}

TEST_F(NotificationServerOnBus, ServerThatComesAndGoes)
{
    platform::NotificationServerInhibition inhibition;
    runEventLoop(100ms);
    EXPECT_FALSE(inhibition.isOn()) << "no server";

    server.isInhibited = true;
    start(server);
    EXPECT_TRUE(waitUntil([&] { return inhibition.isOn(); })) << "read when it appears";
    leave();
    EXPECT_TRUE(waitUntil([&] { return !inhibition.isOn(); })) << "off once it has left";
}

TEST_F(NotificationServerOnBus, DunstPausedCounts)
{
    FakeDunst dunst;
    dunst.isPaused = true;
    start(dunst);
    platform::NotificationServerInhibition inhibition;
    EXPECT_TRUE(waitUntil([&] { return inhibition.isOn(); })) << "read at start";

    const QString dunstInterface = QStringLiteral("org.dunstproject.cmd0");
    announce({{QStringLiteral("paused"), false}}, {}, dunstInterface);
    EXPECT_TRUE(waitUntil([&] { return !inhibition.isOn(); }));
    // The standard interface's name alone is not dunst's property.
    announce({{QStringLiteral("paused"), true}});
    runEventLoop(100ms);
    EXPECT_FALSE(inhibition.isOn());
    announce({{QStringLiteral("paused"), true}}, {}, dunstInterface);
    EXPECT_TRUE(waitUntil([&] { return inhibition.isOn(); }));
}

TEST_F(NotificationServerOnBus, ServerWithoutThePropertyNeverInhibits)
{
    PlainServer plain;
    start(plain);
    platform::NotificationServerInhibition inhibition;
    runEventLoop(200ms);
    EXPECT_FALSE(inhibition.isOn());
}

} // namespace

#include "NotificationServerInhibitionBusTests.moc"
