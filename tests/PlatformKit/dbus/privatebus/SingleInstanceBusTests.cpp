// SPDX-License-Identifier: GPL-3.0-or-later
// Single instance on a real session bus: each test runs under its own
// dbus-run-session; the other copy is a helper process.
#include "PlatformKit/dbus/SingleInstance.h"

#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <QProcess>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using platform::SingleInstance;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

const QString serviceName = QStringLiteral("com.morrowfen.KelvaneTest");
const QString objectPath = QStringLiteral("/com/morrowfen/KelvaneTest");
const QString applicationInterface = QStringLiteral("org.freedesktop.Application");

QList<QUrl> urls(std::initializer_list<const char*> texts)
{
    QList<QUrl> list;
    for (const char* text : texts)
        list.append(QUrl(QString::fromUtf8(text)));
    return list;
}

// The other copy of the program.
class Helper {
public:
    explicit Helper(const QStringList& urlArguments,
                    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(KELVANE_SINGLE_INSTANCE_HELPER),
                        QStringList{serviceName, objectPath} + urlArguments);
    }
    ~Helper()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // Waits for a whole line of output (reading it with the event loop, so
    // this process keeps answering calls meanwhile).
    QString nextLine()
    {
        waitUntil([&] { return m_process.canReadLine() || m_process.state() == QProcess::NotRunning; }, 10s);
        return QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    // The exit code once it has finished, -1 if it has not in `timeout`.
    int exitCode(std::chrono::milliseconds timeout = 10s)
    {
        waitUntil([&] { return m_process.state() == QProcess::NotRunning; }, timeout);
        if (m_process.state() != QProcess::NotRunning || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

    void terminate()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};

class SingleInstanceOnBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus";
        instance->setOnOpen([this](const QList<QUrl>& urlsOpened) { opened.append(urlsOpened); });
        instance->setOnActivate([this] { ++activations; });
    }

    // A call from a connection of its own, as another process would make it,
    // answered while this thread's event loop runs.
    QDBusMessage callFromElsewhere(const QString& method, const QVariantList& arguments)
    {
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("other"));
        QDBusMessage call = QDBusMessage::createMethodCall(serviceName, objectPath, applicationInterface, method);
        call.setArguments(arguments);
        QDBusPendingCallWatcher watcher(other.asyncCall(call, 5000));
        waitUntil([&] { return watcher.isFinished(); });
        return watcher.reply();
    }

    std::unique_ptr<SingleInstance> instance = std::make_unique<SingleInstance>(serviceName, objectPath);
    QList<QUrl> opened;
    int activations = 0;
};

TEST_F(SingleInstanceOnBus, TheFirstCopyOwnsTheName)
{
    ASSERT_EQ(instance->claim({}), SingleInstance::Role::Primary);
    QDBusConnection bus = QDBusConnection::sessionBus();
    EXPECT_EQ(bus.interface()->serviceOwner(serviceName).value(), bus.baseService());
}

TEST_F(SingleInstanceOnBus, ASecondCopyWithUrlsHandsThemOverAndExits)
{
    ASSERT_EQ(instance->claim({}), SingleInstance::Role::Primary);
    QElapsedTimer elapsed;
    elapsed.start();
    Helper second({QStringLiteral("kelvane://timer/toggle"), QStringLiteral("kelvane://timer/preset?id=a%20b")});
    EXPECT_EQ(second.nextLine(), QStringLiteral("forwarded"));
    EXPECT_EQ(second.exitCode(), 0);
    // Starting a process and a bus round trip; generous for slow builds.
    EXPECT_LT(elapsed.elapsed(), 3000);
    ASSERT_TRUE(waitUntil([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, urls({"kelvane://timer/toggle", "kelvane://timer/preset?id=a%20b"}));
    EXPECT_EQ(activations, 0);
}

TEST_F(SingleInstanceOnBus, ASecondCopyWithoutUrlsActivatesTheFirst)
{
    ASSERT_EQ(instance->claim({}), SingleInstance::Role::Primary);
    Helper second({});
    EXPECT_EQ(second.nextLine(), QStringLiteral("forwarded"));
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_TRUE(waitUntil([&] { return activations == 1; }));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(SingleInstanceOnBus, ThisCopyForwardsToAnOwnerElsewhereAndTakesOverWhenItQuits)
{
    Helper first({});
    ASSERT_EQ(first.nextLine(), QStringLiteral("primary"));

    EXPECT_EQ(instance->claim(urls({"kelvane://open"})), SingleInstance::Role::Forwarded);
    EXPECT_EQ(first.nextLine(), QStringLiteral("open kelvane://open"));
    EXPECT_EQ(instance->claim({}), SingleInstance::Role::Forwarded);
    EXPECT_EQ(first.nextLine(), QStringLiteral("activate"));

    first.terminate();
    // The bus frees the name of a process that is gone.
    ASSERT_TRUE(waitUntil([] { return !QDBusConnection::sessionBus().interface()->isServiceRegistered(serviceName); }));
    EXPECT_EQ(instance->claim({}), SingleInstance::Role::Primary);
}

// A copy started where there is no bus (a terminal without a session) runs on
// the same store: the desktop's copy must not start beside it.
TEST_F(SingleInstanceOnBus, ACopyWithoutTheBusKeepsTheDesktopsCopyFromStarting)
{
    QProcessEnvironment noBus = QProcessEnvironment::systemEnvironment();
    noBus.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    Helper first({}, noBus);
    ASSERT_EQ(first.nextLine(), QStringLiteral("alone"));

    EXPECT_EQ(instance->claim(urls({"kelvane://open"})), SingleInstance::Role::Unreachable);
    EXPECT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered(serviceName).value())
        << "the name stayed taken";

    // A lock whose holder died is no one's.
    first.terminate();
    EXPECT_EQ(instance->claim({}), SingleInstance::Role::Primary);
}

TEST_F(SingleInstanceOnBus, DestroyingTheOwnerGivesTheNameBack)
{
    ASSERT_EQ(instance->claim({}), SingleInstance::Role::Primary);
    instance.reset();
    Helper next({});
    EXPECT_EQ(next.nextLine(), QStringLiteral("primary"));
}

TEST_F(SingleInstanceOnBus, TakesTheInterfaceCallsAsTheDesktopSendsThem)
{
    ASSERT_EQ(instance->claim({}), SingleInstance::Role::Primary);

    // Open(as uris, a{sv} platform_data)
    const QVariantMap platformData{{QStringLiteral("desktop-startup-id"), QStringLiteral("x")}};
    QDBusMessage reply
        = callFromElsewhere(QStringLiteral("Open"),
                            {QStringList{QStringLiteral("kelvane://settings"), QStringLiteral("not a url"),
                                         QStringLiteral("kelvane://timer:notaport/reset")},
                             platformData});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_TRUE(waitUntil([&] { return !opened.isEmpty(); }));
    // Malformed links are dropped at the door.
    EXPECT_EQ(opened, QList{QUrl(QStringLiteral("kelvane://settings"))});

    // Activate(a{sv} platform_data)
    reply = callFromElsewhere(QStringLiteral("Activate"), {platformData});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_TRUE(waitUntil([&] { return activations == 1; }));

    // ActivateAction(s action_name, av parameter, a{sv} platform_data): no
    // actions to run, but the call is answered.
    reply = callFromElsewhere(QStringLiteral("ActivateAction"), {QStringLiteral("quit"), QVariantList{}, platformData});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    runEventLoop(50ms);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(SingleInstanceOnBus, OneCallCarriesABoundedNumberOfLinks)
{
    ASSERT_EQ(instance->claim({}), SingleInstance::Role::Primary);
    QStringList many;
    for (int i = 0; i < 10 * SingleInstance::maxLinksPerCall; ++i)
        many.append(QStringLiteral("kelvane://timer/preset?id=%1").arg(i));
    const QDBusMessage reply = callFromElsewhere(QStringLiteral("Open"), {many, QVariantMap()});
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_TRUE(waitUntil([&] { return !opened.isEmpty(); }));
    runEventLoop(50ms);
    ASSERT_EQ(opened.size(), SingleInstance::maxLinksPerCall);
    EXPECT_EQ(opened.first(), QUrl(many.first()));
}

TEST_F(SingleInstanceOnBus, ACallerHasItsAnswerBeforeTheLinkIsPerformed)
{
    ASSERT_EQ(instance->claim({}), SingleInstance::Role::Primary);
    // A link that opens a modal dialog keeps the event loop inside the
    // handler; the other copy must not wait for the user meanwhile.
    Helper second({QStringLiteral("kelvane://custom")});
    QString secondSaid;
    int secondExit = -1;
    instance->setOnOpen([&](const QList<QUrl>&) {
        secondSaid = second.nextLine();
        secondExit = second.exitCode();
    });
    ASSERT_TRUE(waitUntil([&] { return secondExit != -1; }, 10s));
    EXPECT_EQ(secondSaid, QStringLiteral("forwarded"));
    EXPECT_EQ(secondExit, 0);
}

} // namespace
