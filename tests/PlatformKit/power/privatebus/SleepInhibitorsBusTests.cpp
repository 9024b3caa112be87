// SPDX-License-Identifier: GPL-3.0-or-later
// The three sleep inhibitors against small services of our own on this
// test's private session bus. Most services answer from a thread of their
// own; the hung and slow ones live on the test's thread, which nothing of
// the inhibitors may hold up.
#include "PlatformKit/power/LogindSleepInhibitor.h"
#include "PlatformKit/power/PortalSleepInhibitor.h"
#include "PlatformKit/power/ScreenSaverSleepInhibitor.h"

#include "support/FakeDesktopServices.h"
#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QElapsedTimer>
#include <QThread>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <poll.h>
#include <unistd.h>

using namespace std::chrono_literals;
using platform::test::waitUntil;

namespace {

const QString reason = QStringLiteral("Kelvane: Timer is running");

// Asks `inhibitor` and waits for its answer.
std::unique_ptr<platform::SleepInhibition> inhibitNow(platform::SleepInhibitor& inhibitor)
{
    bool answered = false;
    std::unique_ptr<platform::SleepInhibition> granted;
    inhibitor.inhibit(reason, [&](std::unique_ptr<platform::SleepInhibition> inhibition) {
        granted = std::move(inhibition);
        answered = true;
    });
    EXPECT_TRUE(waitUntil([&] { return answered; }, 10s)) << "no answer";
    return granted;
}

// Releases `inhibition` and waits for the service's answer.
bool releaseNow(platform::SleepInhibition& inhibition)
{
    std::optional<bool> released;
    inhibition.release([&](bool answer) { released = answer; });
    EXPECT_TRUE(waitUntil([&] { return released.has_value(); }, 10s)) << "no answer";
    return released.value_or(false);
}

// What a fake service was asked, readable from the test's thread.
struct Calls {
    void add(QStringList call)
    {
        const std::lock_guard lock(m_mutex);
        m_calls.append(call.join(QLatin1Char(' ')));
    }
    QStringList all() const
    {
        const std::lock_guard lock(m_mutex);
        return m_calls;
    }

private:
    mutable std::mutex m_mutex;
    QStringList m_calls;
};

// A fake built on the test's thread and called on the services' thread. Qt's
// D-Bus hands calls over in code ThreadSanitizer does not see, so the fake's
// fields are published, and read in every call, under a lock it does see.
class FakeService : public QObject {
public:
    [[nodiscard]] std::unique_lock<std::mutex> hold() const { return std::unique_lock(m_mutex); }

private:
    mutable std::mutex m_mutex;
};

// One inhibition request of the portal: closing it ends the inhibition.
class FakePortalRequest final : public FakeService, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    FakePortalRequest(Calls& calls, QString owner, bool refuses)
        : m_calls(calls)
        , m_owner(owner)
        , m_refuses(refuses)
    {
    }

public Q_SLOTS:
    void Close()
    {
        const auto held = hold();
        m_calls.add({QStringLiteral("Close"),
                     message().service() == m_owner ? QStringLiteral("by owner") : QStringLiteral("by stranger")});
        if (m_refuses) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("refused"));
            return;
        }
        connection().unregisterObject(message().path());
        deleteLater();
    }

private:
    Calls& m_calls;
    QString m_owner;
    bool m_refuses;
};

class FakePortal final : public FakeService, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")
public:
    explicit FakePortal(Calls& calls)
        : m_calls(calls)
    {
    }
    std::atomic<bool> refusesClose = false;

public Q_SLOTS:
    QDBusObjectPath Inhibit(const QString& window, uint flags, const QVariantMap& options)
    {
        const auto held = hold();
        m_calls.add({QStringLiteral("Inhibit"), QLatin1Char('[') + window + QLatin1Char(']'), QString::number(flags),
                     options.value(QStringLiteral("reason")).toString()});
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/1/t%1").arg(++m_requests);
        auto* request = new FakePortalRequest(m_calls, message().service(), refusesClose);
        request->setParent(this);
        connection().registerObject(path, request, QDBusConnection::ExportAllSlots);
        return QDBusObjectPath(path);
    }

private:
    Calls& m_calls;
    int m_requests = 0;
};

class FakeScreenSaver final : public FakeService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    explicit FakeScreenSaver(Calls& calls)
        : m_calls(calls)
    {
    }

public Q_SLOTS:
    uint Inhibit(const QString& application, const QString& why)
    {
        const auto held = hold();
        m_calls.add({QStringLiteral("Inhibit"), application, why});
        return 41;
    }
    void UnInhibit(uint cookie)
    {
        const auto held = hold();
        m_calls.add({QStringLiteral("UnInhibit"), QString::number(cookie)});
    }

private:
    Calls& m_calls;
};

// Hands out the write end of a pipe, as logind does its inhibitor: the read
// end sees the end of the file once every copy of the write end is closed.
class FakeLogind final : public FakeService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    FakeLogind(Calls& calls, int writeEnd)
        : m_calls(calls)
        , m_writeEnd(writeEnd)
    {
    }

public Q_SLOTS:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode)
    {
        const auto held = hold();
        m_calls.add({QStringLiteral("Inhibit"), what, who, why, mode});
        QDBusUnixFileDescriptor descriptor(m_writeEnd);
        ::close(m_writeEnd);
        return descriptor;
    }

private:
    Calls& m_calls;
    int m_writeEnd;
};

// Runs fake services on a connection of their own, answering from their own
// thread.
class FakeServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus";
        ASSERT_TRUE(m_connection.isConnected());
        m_thread.start();
    }
    void TearDown() override
    {
        QDBusConnection::disconnectFromBus(m_connection.name());
        m_thread.quit();
        m_thread.wait();
        m_objects.clear();
    }

    template <typename Service>
    Service& serve(const QString& name, const QString& path, std::unique_ptr<Service> service)
    {
        {
            const auto published = service->hold();
        }
        service->moveToThread(&m_thread);
        EXPECT_TRUE(m_connection.registerObject(path, service.get(), QDBusConnection::ExportAllSlots));
        EXPECT_TRUE(m_connection.registerService(name));
        Service& served = *service;
        m_objects.push_back(std::move(service));
        return served;
    }
    // The service leaves the bus, as one that quits or crashes does.
    void drop(const QString& name) { EXPECT_TRUE(m_connection.unregisterService(name)); }

    Calls calls;

private:
    QThread m_thread;
    QDBusConnection m_connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake"));
    std::vector<std::unique_ptr<QObject>> m_objects;
};

// Whether every copy of the pipe's write end is closed, waiting at most
// `timeout` for the last one to go.
bool writeEndClosed(int readEnd, std::chrono::milliseconds timeout)
{
    pollfd waiting{readEnd, POLLIN, 0};
    return ::poll(&waiting, 1, static_cast<int>(timeout.count())) == 1;
}

// A portal on the bus, and the inhibitor holding one inhibition from it.
class PortalInhibitor : public FakeServices {
protected:
    void SetUp() override
    {
        FakeServices::SetUp();
        portal = &serve(QStringLiteral("org.freedesktop.portal.Desktop"),
                        QStringLiteral("/org/freedesktop/portal/desktop"), std::make_unique<FakePortal>(calls));
    }
    void inhibit()
    {
        inhibition = inhibitNow(inhibitor);
        ASSERT_TRUE(inhibition);
    }

    FakePortal* portal = nullptr;
    platform::PortalSleepInhibitor inhibitor;
    std::unique_ptr<platform::SleepInhibition> inhibition;
};

TEST_F(PortalInhibitor, InhibitsSuspendUntilTheRequestIsClosed)
{
    inhibit();
    EXPECT_EQ(calls.all(), QStringList{QStringLiteral("Inhibit [] 4 Kelvane: Timer is running")});
    EXPECT_TRUE(releaseNow(*inhibition));
    EXPECT_EQ(calls.all().value(1), u"Close by owner");
}

TEST_F(PortalInhibitor, RefusedCloseKeepsTheInhibition)
{
    portal->refusesClose = true;
    inhibit();
    EXPECT_FALSE(releaseNow(*inhibition));
}

TEST_F(PortalInhibitor, PortalThatLeftTookItsInhibitionsAlong)
{
    inhibit();
    drop(QStringLiteral("org.freedesktop.portal.Desktop"));
    EXPECT_TRUE(releaseNow(*inhibition));
    EXPECT_EQ(calls.all().size(), 1) << "nothing to close, and no portal started to close it";
}

TEST_F(FakeServices, NoServiceNoInhibition)
{
    // A service of another kind is there; the others are not.
    serve(QStringLiteral("org.example.Other"), QStringLiteral("/"), std::make_unique<FakeScreenSaver>(calls));
    platform::PortalSleepInhibitor portal;
    platform::LogindSleepInhibitor logind(QDBusConnection::sessionBus());
    platform::ScreenSaverSleepInhibitor screenSaver;
    platform::LogindSleepInhibitor unconnected(QDBusConnection(QStringLiteral("not connected")));
    EXPECT_FALSE(inhibitNow(portal));
    EXPECT_FALSE(inhibitNow(logind));
    EXPECT_FALSE(inhibitNow(screenSaver));
    EXPECT_FALSE(inhibitNow(unconnected));
    EXPECT_TRUE(calls.all().isEmpty());
}

TEST_F(FakeServices, ScreenSaverCookieIsHandedBack)
{
    serve(QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
          std::make_unique<FakeScreenSaver>(calls));
    platform::ScreenSaverSleepInhibitor inhibitor;
    auto inhibition = inhibitNow(inhibitor);
    ASSERT_TRUE(inhibition);
    EXPECT_TRUE(releaseNow(*inhibition));
    EXPECT_EQ(
        calls.all(),
        (QStringList{QStringLiteral("Inhibit Kelvane Kelvane: Timer is running"), QStringLiteral("UnInhibit 41")}));
}

TEST_F(FakeServices, LogindIdleInhibitorIsHeldUntilReleased)
{
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    serve(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
          std::make_unique<FakeLogind>(calls, pipeEnds[1]));
    // logind lives on the system bus; here it is this test's bus.
    platform::LogindSleepInhibitor inhibitor(QDBusConnection::sessionBus());
    auto inhibition = inhibitNow(inhibitor);
    ASSERT_TRUE(inhibition);
    EXPECT_EQ(calls.all(), QStringList{QStringLiteral("Inhibit idle Kelvane Kelvane: Timer is running block")});
    // Long enough for the service's own copies to be gone.
    EXPECT_FALSE(writeEndClosed(pipeEnds[0], 200ms)) << "the inhibitor's descriptor is held";

    EXPECT_TRUE(releaseNow(*inhibition));
    EXPECT_TRUE(writeEndClosed(pipeEnds[0], 2s)) << "releasing closes it";
    ::close(pipeEnds[0]);
}

// Hung services on the test's own thread, on a connection of their own.
class HungServices : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_connection.isConnected());
        for (platform::test::FakeDesktopService* service :
             std::initializer_list<platform::test::FakeDesktopService*>{&portal, &logind, &screenSaver})
            service->hold({QStringLiteral("Inhibit")});
        ASSERT_TRUE(platform::test::serve(m_connection, portal));
        ASSERT_TRUE(platform::test::serve(m_connection, logind));
        ASSERT_TRUE(platform::test::serve(m_connection, screenSaver));
    }
    void TearDown() override { QDBusConnection::disconnectFromBus(m_connection.name()); }

    platform::test::FakePortalInhibit portal;
    platform::test::FakeLogind logind;
    platform::test::FakeScreenSaver screenSaver;

private:
    QDBusConnection m_connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("hung"));
};

TEST_F(HungServices, NoInhibitorWaitsAndALateGrantStillArrives)
{
    platform::PortalSleepInhibitor portalInhibitor;
    platform::LogindSleepInhibitor logindInhibitor(QDBusConnection::sessionBus());
    platform::ScreenSaverSleepInhibitor screenSaverInhibitor;
    struct Case {
        platform::SleepInhibitor& inhibitor;
        platform::test::FakeDesktopService& service;
    };
    const Case cases[] = {{portalInhibitor, portal}, {logindInhibitor, logind}, {screenSaverInhibitor, screenSaver}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inhibitor.name().toStdString());
        bool answered = false;
        std::unique_ptr<platform::SleepInhibition> granted;
        QElapsedTimer call;
        call.start();
        c.inhibitor.inhibit(reason, [&](std::unique_ptr<platform::SleepInhibition> got) {
            granted = std::move(got);
            answered = true;
        });
        // A blocking call would take the whole timeout, seconds.
        EXPECT_LT(call.elapsed(), 500) << "the caller waited for the service";
        ASSERT_TRUE(waitUntil([&] { return c.service.heldCount() == 1; }, 10s));
        EXPECT_FALSE(answered);

        c.service.answerHeld();
        ASSERT_TRUE(waitUntil([&] { return answered; }, 10s));
        EXPECT_TRUE(granted) << "the late grant was dropped";
    }
}

TEST_F(HungServices, AnInhibitorGoneBeforeTheAnswerIsNotCalled)
{
    bool answered = false;
    {
        platform::PortalSleepInhibitor inhibitor;
        inhibitor.inhibit(reason, [&](auto) { answered = true; });
        ASSERT_TRUE(waitUntil([&] { return portal.heldCount() == 1; }, 10s));
    }
    portal.answerHeld();
    platform::test::runEventLoop(200ms);
    EXPECT_FALSE(answered);
}

} // namespace

#include "SleepInhibitorsBusTests.moc"
