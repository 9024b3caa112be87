// SPDX-License-Identifier: GPL-3.0-or-later
// The widget program's calls to the program on a real session bus: each test
// runs under its own dbus-run-session, the program played by an object on a
// second connection.
#include "widget-extension/host/DBusAppConnection.h"

#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

const QString serviceName = QStringLiteral("com.morrowfen.KelvaneWidgetTest");
const QString objectPath = QStringLiteral("/com/morrowfen/KelvaneWidgetTest");

class FakeApplication : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public slots:
    void Activate(const QVariantMap&) { ++activations; }
    void Open(const QStringList& uris, const QVariantMap&) { opened += uris; }

public:
    int activations = 0;
    QStringList opened;
};

class AppConnectionOnBus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()); }

    void TearDown() override
    {
        if (m_owner) {
            m_owner->unregisterObject(objectPath);
            m_owner->unregisterService(serviceName);
            QDBusConnection::disconnectFromBus(m_owner->name());
        }
    }

    // The program running: its name taken on a connection of its own.
    void runProgram()
    {
        m_owner = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("program"));
        ASSERT_TRUE(m_owner->registerObject(objectPath, &m_app, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(m_owner->registerService(serviceName));
    }

    DBusAppConnection connection()
    {
        return DBusAppConnection(serviceName, objectPath,
                                 {[this] { ++m_started; }, [this](const QUrl& url) { m_handedToDesktop << url; }});
    }

    FakeApplication m_app;
    std::optional<QDBusConnection> m_owner;
    int m_started = 0;
    QList<QUrl> m_handedToDesktop;
};

TEST_F(AppConnectionOnBus, ARunningProgramIsActivatedAndGetsTheLinks)
{
    runProgram();
    DBusAppConnection app = connection();
    app.activate();
    app.open(QUrl(QStringLiteral("kelvane://settings")));
    EXPECT_TRUE(waitUntil([&] { return m_app.activations == 1 && m_app.opened.size() == 1; }, 5s));
    EXPECT_EQ(m_app.opened, QStringList{QStringLiteral("kelvane://settings")});
    runEventLoop(100ms);
    EXPECT_EQ(m_started, 0);
    EXPECT_TRUE(m_handedToDesktop.isEmpty());
}

TEST_F(AppConnectionOnBus, WithoutTheProgramItIsStartedAndLinksGoToTheDesktop)
{
    DBusAppConnection app = connection();
    app.activate();
    app.open(QUrl(QStringLiteral("kelvane://custom")));
    EXPECT_TRUE(waitUntil([&] { return m_started == 1 && m_handedToDesktop.size() == 1; }, 5s));
    EXPECT_EQ(m_handedToDesktop.value(0), QUrl(QStringLiteral("kelvane://custom")));
}

} // namespace

#include "DBusAppConnectionBusTests.moc"
