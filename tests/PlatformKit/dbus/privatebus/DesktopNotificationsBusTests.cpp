// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop notifications backend against a small notification service of
// our own on this test's private session bus.
#include "PlatformKit/dbus/DesktopNotifications.h"

#include "support/FakeDesktopServices.h"
#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QObject>
#include <QVariantMap>

#include <gtest/gtest.h>

using platform::DesktopNotification;
using platform::FreedesktopNotifications;
using platform::test::waitUntil;

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.Notifications");

struct NotifyCall {
    QString appName;
    uint replacesID;
    QString appIcon;
    QString summary;
    QString body;
    QVariantMap hints;
    int expireTimeout;
};

// Takes Notify calls and numbers the notifications from 1, reusing the
// number of one it is asked to replace.
class FakeNotificationService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    std::vector<NotifyCall> calls;
    uint lastID() const { return m_lastID; }

public slots:
    QStringList GetCapabilities() { return {QStringLiteral("body"), QStringLiteral("sound")}; }
    uint Notify(const QString& appName, uint replacesID, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int expireTimeout)
    {
        calls.push_back({appName, replacesID, appIcon, summary, body, hints, expireTimeout});
        return replacesID != 0 ? replacesID : ++m_lastID;
    }

private:
    uint m_lastID = 0;
};

DesktopNotification notification(const QString& identifier, const QString& title)
{
    return {identifier, title, QStringLiteral("body of ") + title, true, std::chrono::milliseconds(1)};
}

class DesktopNotificationsOnBus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus"; }

    // Whether the backend, asked now, says notifications are allowed.
    bool authorized()
    {
        std::optional<bool> answer;
        backend.checkAuthorization([&](bool value) { answer = value; });
        EXPECT_FALSE(answer) << "answers come later, not inside the call";
        EXPECT_TRUE(waitUntil([&] { return answer.has_value(); }));
        return answer.value_or(false);
    }

    // Posts and waits until the service has answered.
    void post(const DesktopNotification& shown)
    {
        bool done = false;
        backend.post(shown, [&] { done = true; });
        ASSERT_TRUE(waitUntil([&] { return done; }));
    }

    FreedesktopNotifications backend;
};

class NotificationServiceOnBus : public DesktopNotificationsOnBus {
protected:
    void SetUp() override
    {
        DesktopNotificationsOnBus::SetUp();
        // A connection of its own, so calls really travel through the bus.
        ASSERT_TRUE(connection.isConnected());
        ASSERT_TRUE(connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                              QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(connection.registerService(serviceName));
    }
    void TearDown() override { QDBusConnection::disconnectFromBus(connection.name()); }

    FakeNotificationService service;
    QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake"));
};

TEST_F(NotificationServiceOnBus, AnsweringServiceAuthorizes)
{
    EXPECT_TRUE(authorized());
    bool granted = false;
    backend.requestAuthorization([&](bool value) { granted = value; });
    ASSERT_TRUE(waitUntil([&] { return granted; }));
}

TEST_F(NotificationServiceOnBus, PostsTitleBodyAndSound)
{
    post(notification(QStringLiteral("a"), QStringLiteral("Timer Completed")));
    ASSERT_EQ(service.calls.size(), 1u);
    const auto& call = service.calls.front();
    EXPECT_EQ(call.appName, u"Kelvane");
    EXPECT_EQ(call.appIcon, u"com.morrowfen.Kelvane");
    EXPECT_EQ(call.hints.value(QStringLiteral("desktop-entry")).toString(), u"com.morrowfen.Kelvane");
    EXPECT_EQ(call.replacesID, 0u);
    EXPECT_EQ(call.summary, u"Timer Completed");
    EXPECT_EQ(call.body, u"body of Timer Completed");
    EXPECT_EQ(call.hints.value(QStringLiteral("sound-name")).toString(), u"message-new-instant");
    EXPECT_EQ(call.expireTimeout, -1);

    auto quiet = notification(QStringLiteral("b"), QStringLiteral("quiet"));
    quiet.playsDefaultSound = false;
    post(quiet);
    ASSERT_EQ(service.calls.size(), 2u);
    EXPECT_FALSE(service.calls[1].hints.contains(QStringLiteral("sound-name")));
}

TEST_F(NotificationServiceOnBus, SameIdentifierReplacesEvenInQuickSuccession)
{
    int done = 0;
    // Both leave before the first reply is back: the second must still know
    // which notification it replaces.
    for (int i = 0; i < 3; ++i)
        backend.post(notification(QStringLiteral("done"), QString::number(i)), [&] { ++done; });
    ASSERT_TRUE(waitUntil([&] { return done == 3; }));
    post(notification(QStringLiteral("other"), QStringLiteral("other")));

    ASSERT_EQ(service.calls.size(), 4u);
    EXPECT_EQ(service.calls[0].replacesID, 0u);
    EXPECT_EQ(service.calls[1].replacesID, 1u);
    EXPECT_EQ(service.calls[2].replacesID, 1u);
    EXPECT_EQ(service.calls[2].summary, u"2");
    EXPECT_EQ(service.calls[3].replacesID, 0u) << "another identifier is another notification";
}

TEST_F(NotificationServiceOnBus, ReplacesOnlyANotificationStillShown)
{
    struct Case {
        const char* label;
        // Closed by the server between the two posts: the first, another, none.
        std::optional<bool> closesTheFirst;
        bool replaces;
    };
    const Case cases[] = {
        {"still shown", std::nullopt, true},
        {"closed", true, false},
        {"another one closed", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FreedesktopNotifications fresh;
        service.calls.clear();
        const auto postOne = [&] {
            bool done = false;
            fresh.post(notification(QStringLiteral("done"), QStringLiteral("done")), [&] { done = true; });
            return waitUntil([&] { return done; });
        };
        ASSERT_TRUE(postOne());
        const uint first = service.lastID();
        if (c.closesTheFirst) {
            QDBusMessage closed = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                             serviceName, QStringLiteral("NotificationClosed"));
            closed << (*c.closesTheFirst ? first : first + 100) << 1u;
            ASSERT_TRUE(connection.send(closed));
            // A question sent after the signal is answered after it arrives.
            ASSERT_TRUE(authorized());
        }
        ASSERT_TRUE(postOne());
        ASSERT_EQ(service.calls.size(), 2u);
        EXPECT_EQ(service.calls[1].replacesID, c.replaces ? first : 0u);
    }
}

TEST_F(NotificationServiceOnBus, NothingArrivesAfterTheBackendIsGone)
{
    bool done = false;
    {
        FreedesktopNotifications shortLived;
        shortLived.post(notification(QStringLiteral("x"), QStringLiteral("x")), [&] { done = true; });
        shortLived.checkAuthorization([&](bool) { done = true; });
    }
    platform::test::runEventLoop(std::chrono::milliseconds(100));
    EXPECT_FALSE(done);
}

TEST_F(DesktopNotificationsOnBus, NoServiceMeansNotAuthorizedAndNothingShown)
{
    const auto* bus = QDBusConnection::sessionBus().interface();
    if (bus->activatableServiceNames().value().contains(serviceName))
        GTEST_SKIP() << "this machine starts a notification service on demand";
    ASSERT_FALSE(bus->isServiceRegistered(serviceName).value());

    EXPECT_FALSE(authorized());
    post(notification(QStringLiteral("a"), QStringLiteral("lost")));
}

// A server that takes its time over the question whether it is there, or
// never answers it: it is there, so what it is sent still goes out.
class SlowNotificationServer : public DesktopNotificationsOnBus {
protected:
    void SetUp() override
    {
        DesktopNotificationsOnBus::SetUp();
        ASSERT_TRUE(connection.isConnected());
        server.hold({QStringLiteral("GetCapabilities")});
        ASSERT_TRUE(platform::test::serve(connection, server));
    }
    void TearDown() override { QDBusConnection::disconnectFromBus(connection.name()); }

    platform::test::FakeNotificationServer server;
    QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("slow"));
};

TEST_F(SlowNotificationServer, ALateAnswerOrNoneStillAuthorizesAndTheNotificationGoesOut)
{
    struct Case {
        const char* label;
        std::chrono::milliseconds patience;
        bool answersLate;
    };
    const Case cases[] = {
        {"answers after a while", std::chrono::milliseconds(20000), true},
        {"never answers", std::chrono::milliseconds(300), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FreedesktopNotifications slowBackend(QDBusConnection::sessionBus(), c.patience);
        std::optional<bool> answer;
        slowBackend.checkAuthorization([&](bool value) { answer = value; });
        const int held = server.heldCount();
        ASSERT_TRUE(waitUntil([&] { return server.heldCount() > held || answer.has_value(); }));
        if (c.answersLate) {
            platform::test::runEventLoop(std::chrono::milliseconds(300));
            EXPECT_FALSE(answer) << "answered before the server did";
            server.answerHeld();
        }
        ASSERT_TRUE(waitUntil([&] { return answer.has_value(); }, std::chrono::seconds(10)));
        EXPECT_EQ(answer, true) << "a slow server counted as none";

        const std::size_t received = server.received().size();
        bool done = false;
        slowBackend.post(notification(QStringLiteral("late"), QStringLiteral("Timer Completed")), [&] { done = true; });
        ASSERT_TRUE(waitUntil([&] { return done; }));
        EXPECT_EQ(server.received().size(), received + 1);
    }
}

} // namespace

#include "DesktopNotificationsBusTests.moc"
