// SPDX-License-Identifier: GPL-3.0-or-later
// The program against the desktop services it talks to: with every one of
// them hung, links still act at once; against dunst, every completion is a
// notification the server shows, replacing one only while it is on screen.
#include "EndToEndFixture.h"
#include "NotifyMonitor.h"
#include "WithServices.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

using namespace std::chrono_literals;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

class HungDesktopServices : public WithServices<TestDesktop::Tray::XEmbedHost> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("gdbus")}; }

    void SetUp() override
    {
        WithServices::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // Fakes in dunst's place and the inhibitors', taking every call and
        // answering none.
        m_desktop->killService(QStringLiteral("dunst"));
        m_services = m_desktop->start(QStringLiteral(E2E_FAKE_SERVICES_PROGRAM),
                                      {QStringLiteral("Inhibit"), QStringLiteral("UnInhibit"),
                                       QStringLiteral("GetCapabilities"), QStringLiteral("Notify")});
        ASSERT_EQ(m_services->readLine(10s), QStringLiteral("ready")) << "the fake services did not start";
    }
    void TearDown() override
    {
        m_services.reset();
        WithServices::TearDown();
    }

    std::unique_ptr<DesktopProcess> m_services;
};

TEST_F(HungDesktopServices, LinksActAtOnceWhileEveryServiceHangs)
{
    ASSERT_TRUE(seed(3600));
    ASSERT_TRUE(startAndWait());
    // Each start asks the inhibitors, each stop releases what they granted;
    // the reset also ends a countdown whose completion would notify.
    struct Step {
        const char* link;
        TimerMode mode;
    };
    const Step steps[] = {
        {"kelvane://timer/start", TimerMode::Running}, {"kelvane://timer/pause", TimerMode::Paused},
        {"kelvane://timer/start", TimerMode::Running}, {"kelvane://timer/reset", TimerMode::Idle},
        {"kelvane://timer/start", TimerMode::Running}, {"kelvane://timer/pause", TimerMode::Paused},
    };
    qint64 slowest = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.link);
        waitPastLinkGate();
        QElapsedTimer acted;
        acted.start();
        ASSERT_TRUE(sendLink(QString::fromLatin1(step.link)));
        ASSERT_TRUE(waitForMode(step.mode, 15s)) << "the link never acted";
        slowest = std::max(slowest, acted.elapsed());
    }
    RecordProperty("slowest_link_ms", static_cast<int>(slowest));
    // A program that waited for a hung service took seconds (its calls'
    // timeout); the bound leaves room for a loaded machine.
    EXPECT_LT(slowest, 1000) << "a link waited for a hung service";
}

class CompletionNotifications : public WithServices<TestDesktop::Tray::XEmbedHost> {
protected:
    QStringList moreTools() const override
    {
        return {QStringLiteral("gdbus"), QStringLiteral("dunstctl"), QStringLiteral("dbus-monitor")};
    }

    void SetUp() override
    {
        WithServices::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // Notifications stay until closed, so "still on screen" does not
        // depend on how fast the machine is.
        m_desktop->killService(QStringLiteral("dunst"));
        const QString configDir = m_desktop->path(QStringLiteral("config/dunst"));
        QDir().mkpath(configDir);
        QFile config(configDir + QStringLiteral("/dunstrc"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("[urgency_low]\ntimeout = 0\n[urgency_normal]\ntimeout = 0\n[urgency_critical]\ntimeout = 0\n");
        config.close();
        ASSERT_TRUE(m_desktop->startNotificationServer()) << m_desktop->failure().toStdString();
        m_monitor = std::make_unique<NotifyMonitor>(*m_desktop);
        ASSERT_TRUE(m_monitor->start()) << "dbus-monitor did not listen";
        ASSERT_TRUE(m_desktop->run(QStringLiteral("dunstctl"), {QStringLiteral("close-all")}));
        ASSERT_TRUE(waitUntil([&] { return displayed() == 0; }, 10s));
    }
    void TearDown() override
    {
        m_monitor.reset();
        WithServices::TearDown();
    }

    int displayed()
    {
        const auto count
            = m_desktop->run(QStringLiteral("dunstctl"), {QStringLiteral("count"), QStringLiteral("displayed")});
        return count ? count->trimmed().toInt() : -1;
    }

    std::unique_ptr<NotifyMonitor> m_monitor;
};

TEST_F(CompletionNotifications, EachCompletionIsShownAndOneStillOnScreenIsReplaced)
{
    ASSERT_TRUE(seed(1));
    ASSERT_TRUE(startAndWait());

    ASSERT_TRUE(complete());
    ASSERT_TRUE(m_monitor->waitForNotifies(1));
    ASSERT_TRUE(waitUntil([&] { return displayed() == 1; }, 10s)) << "the first completion was not shown";

    // The first is still on screen: the second takes its place.
    ASSERT_TRUE(complete());
    ASSERT_TRUE(m_monitor->waitForNotifies(2));
    runEventLoop(300ms);
    EXPECT_EQ(displayed(), 1) << "stacked rather than replaced";

    // Closed, as a click or an expiry does: the next is a new one.
    ASSERT_TRUE(m_desktop->run(QStringLiteral("dunstctl"), {QStringLiteral("close-all")}));
    ASSERT_TRUE(waitUntil([&] { return displayed() == 0; }, 10s));
    // The closing signal reaches the program long before the next end.
    ASSERT_TRUE(complete());
    ASSERT_TRUE(m_monitor->waitForNotifies(3));
    EXPECT_TRUE(waitUntil([&] { return displayed() == 1; }, 10s)) << "the completion after the close was not shown";

    const std::vector<SeenNotify>& seen = m_monitor->seen();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].replacesId, 0u);
    EXPECT_NE(seen[1].replacesId, 0u) << "the one on screen was not replaced";
    EXPECT_EQ(seen[2].replacesId, 0u) << "a closed notification was replaced, which some servers file unseen";
    for (const SeenNotify& notify : seen) {
        EXPECT_EQ(notify.appIcon, u"com.morrowfen.Kelvane");
        EXPECT_EQ(notify.desktopEntry, u"com.morrowfen.Kelvane");
    }
}

} // namespace
