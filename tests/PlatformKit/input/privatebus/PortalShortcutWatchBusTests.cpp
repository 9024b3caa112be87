// SPDX-License-Identifier: GPL-3.0-or-later
// The portal watch against a small GlobalShortcuts portal of our own on this
// test's private session bus.
#include "PlatformKit/input/PortalShortcutWatch.h"

#include "support/WaitUntil.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>

#include <gtest/gtest.h>

using platform::KeyModifier;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// Answers CreateSession and BindShortcuts through Request objects the way
// the portal does, records what was bound, and sends Activated on demand.
class FakeGlobalShortcutsPortal final : public QDBusVirtualObject {
public:
    QString session;
    QList<std::pair<QString, QString>> bound; // id, preferred trigger
    QStringList closed;

    explicit FakeGlobalShortcutsPortal(const QDBusConnection& bus)
        : m_bus(bus)
    {
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        if (message.member() == QLatin1String("CreateSession")) {
            const auto options = qdbus_cast<QVariantMap>(message.arguments().at(0));
            session = portalPath + "/session/" + sender + "/" + options.value("session_handle_token").toString();
            respond(message, connection, sender, options, {{QStringLiteral("session_handle"), session}});
            return true;
        }
        if (message.member() == QLatin1String("BindShortcuts")) {
            const auto shortcuts = message.arguments().at(1).value<QDBusArgument>();
            shortcuts.beginArray();
            while (!shortcuts.atEnd()) {
                QString id;
                QVariantMap properties;
                shortcuts.beginStructure();
                shortcuts >> id >> properties;
                shortcuts.endStructure();
                bound.append({id, properties.value(QStringLiteral("preferred_trigger")).toString()});
            }
            shortcuts.endArray();
            respond(message, connection, sender, qdbus_cast<QVariantMap>(message.arguments().at(3)), {});
            return true;
        }
        if (message.member() == QLatin1String("Close")) {
            closed.append(message.path());
            connection.send(message.createReply());
            return true;
        }
        return false;
    }

    void activate(const QString& sessionPath, const QString& id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(portalPath, shortcutsInterface, QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(sessionPath)) << id << qulonglong(0) << QVariantMap();
        m_bus.send(signal);
    }

private:
    static void respond(const QDBusMessage& message, const QDBusConnection& connection, const QString& sender,
                        const QVariantMap& options, const QVariantMap& results)
    {
        const QString request = portalPath + "/request/" + sender + "/" + options.value("handle_token").toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response
            = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"), "Response");
        response << 0u << results;
        connection.send(response);
    }

    QDBusConnection m_bus;
};

const QList<platform::Shortcut> shortcuts{
    {QStringLiteral("toggle"), QStringLiteral("Toggle"), KeyModifier::Control | KeyModifier::Shift, U't'},
    {QStringLiteral("reset"), QStringLiteral("Reset"), KeyModifier::Control | KeyModifier::Shift, U'r'},
};

class PortalShortcutsOnBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus";
        ASSERT_TRUE(m_portalBus.isConnected());
        ASSERT_TRUE(m_portalBus.registerVirtualObject(portalPath, &portal, QDBusConnection::SubPath));
        ASSERT_TRUE(m_portalBus.registerService(portalService));
    }

    void TearDown() override
    {
        m_portalBus.unregisterObject(portalPath, QDBusConnection::UnregisterTree);
        QDBusConnection::disconnectFromBus(m_portalBus.name());
    }

    QDBusConnection m_portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-portal");
    FakeGlobalShortcutsPortal portal{m_portalBus};
};

TEST_F(PortalShortcutsOnBus, BindsBothShortcutsWithTheirPreferredTriggers)
{
    platform::PortalShortcutWatch watch(QDBusConnection::sessionBus(), shortcuts, [](const QString&) {});
    ASSERT_TRUE(waitUntil([&] { return watch.isBound(); }));
    EXPECT_EQ(portal.bound,
              (QList<std::pair<QString, QString>>{{"toggle", "CTRL+SHIFT+T"}, {"reset", "CTRL+SHIFT+R"}}));
}

TEST_F(PortalShortcutsOnBus, ActivationsOfItsOwnSessionAreReported)
{
    QStringList activated;
    platform::PortalShortcutWatch watch(QDBusConnection::sessionBus(), shortcuts,
                                        [&](const QString& id) { activated.append(id); });
    ASSERT_TRUE(waitUntil([&] { return watch.isBound(); }));

    portal.activate(portalPath + "/session/someone_else/1", QStringLiteral("toggle"));
    portal.activate(portal.session, QStringLiteral("unknown"));
    portal.activate(portal.session, QStringLiteral("reset"));
    portal.activate(portal.session, QStringLiteral("toggle"));
    ASSERT_TRUE(waitUntil([&] { return activated.size() >= 2; }));
    runEventLoop(std::chrono::milliseconds(50));
    EXPECT_EQ(activated, (QStringList{"reset", "toggle"}));
}

TEST_F(PortalShortcutsOnBus, GoingAwayClosesTheSession)
{
    auto watch = std::make_unique<platform::PortalShortcutWatch>(QDBusConnection::sessionBus(), shortcuts,
                                                                 [](const QString&) {});
    ASSERT_TRUE(waitUntil([&] { return watch->isBound(); }));
    watch.reset();
    EXPECT_TRUE(waitUntil([&] { return portal.closed == QStringList{portal.session}; }));
}

TEST(PortalShortcutsWithoutPortal, StaySilent)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus";
    platform::PortalShortcutWatch watch(QDBusConnection::sessionBus(), shortcuts, [](const QString&) {});
    runEventLoop(std::chrono::milliseconds(200));
    EXPECT_FALSE(watch.isBound());
}

} // namespace
