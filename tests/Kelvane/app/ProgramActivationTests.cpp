// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop starting the program through D-Bus activation: a bus of the
// test's own, whose service directory holds the program's service file, starts
// kelvane when a link is sent to its name, and the link's call is answered.
#include "support/Files.h"
#include "support/PrivateBusConfig.h"
#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

using namespace std::chrono_literals;
using platform::test::waitUntil;
using platform::test::writeFile;

namespace {

const QString busName = QStringLiteral("com.morrowfen.Kelvane");

class ActivationBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString services = m_dir.filePath(QStringLiteral("services"));
        ASSERT_TRUE(QDir().mkpath(services));
        m_address = QStringLiteral("unix:path=") + m_dir.filePath(QStringLiteral("bus"));
        ASSERT_TRUE(writeFile(services + QStringLiteral("/com.morrowfen.Kelvane.service"),
                              QStringLiteral("[D-BUS Service]\nName=com.morrowfen.Kelvane\nExec=%1\n")
                                  .arg(QStringLiteral(KELVANE_PROGRAM))
                                  .toUtf8()));
        const QString config = m_dir.filePath(QStringLiteral("session.conf"));
        ASSERT_TRUE(writeFile(config, platform::test::privateBusConfig(m_address, services).toUtf8()));
        // What the bus starts inherits its environment: this test's private
        // directories, and the bus itself as the session bus.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        m_daemon.setProcessEnvironment(environment);
        m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon.start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        ASSERT_TRUE(m_daemon.waitForStarted(10000));
        ASSERT_TRUE(waitUntil([&] { return m_daemon.canReadLine(); }, 10s)) << "the bus did not start";
        m_bus
            = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(m_address, QStringLiteral("activation")));
        ASSERT_TRUE(m_bus->isConnected());
    }

    void TearDown() override
    {
        // The program the bus started: end it by its process id.
        if (m_bus && m_bus->isConnected()) {
            const QDBusReply<uint> pid = m_bus->interface()->servicePid(busName);
            if (pid.isValid() && pid.value() > 0)
                ::kill(static_cast<pid_t>(pid.value()), SIGTERM);
        }
        m_bus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("activation"));
        m_daemon.terminate();
        m_daemon.waitForFinished(5000);
    }

    QTemporaryDir m_dir;
    QString m_address;
    QProcess m_daemon;
    std::unique_ptr<QDBusConnection> m_bus;
};

TEST_F(ActivationBus, ALinkSentToTheNameStartsTheProgramAndIsAnswered)
{
    ASSERT_FALSE(m_bus->interface()->isServiceRegistered(busName).value());
    QDBusMessage open
        = QDBusMessage::createMethodCall(busName, QStringLiteral("/com/morrowfen/Kelvane"),
                                         QStringLiteral("org.freedesktop.Application"), QStringLiteral("Open"));
    open << QStringList{QStringLiteral("kelvane://timer/toggle")} << QVariantMap();
    QDBusPendingCallWatcher watcher(m_bus->asyncCall(open, 20000));
    ASSERT_TRUE(waitUntil([&] { return watcher.isFinished(); }, 25s));
    const QDBusMessage reply = watcher.reply();
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(m_bus->interface()->isServiceRegistered(busName).value());
}

} // namespace
