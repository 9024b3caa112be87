// SPDX-License-Identifier: GPL-3.0-or-later
// The program against the desktop services it talks to: with every one of
// them hung, links still act at once; against dunst, every completion is a
// notification the server shows, replacing one only while it is on screen.
#include "EndToEndFixture.h"

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

const QString serviceName = QStringLiteral("com.morrowfen.Kelvane");

TimerStateSnapshot pausedCountdown(double seconds)
{
    TimerStateSnapshot snapshot;
    snapshot.mode = TimerMode::Paused;
    snapshot.duration = seconds;
    snapshot.remaining = seconds;
    return snapshot;
}

template <TestDesktop::Tray tray>
class WithServices : public OnDesktop<tray> {
protected:
    using Base = OnDesktop<tray>;

    // A paused countdown of `seconds`, announced with a notification, with
    // the computer kept awake while it runs.
    bool seed(double seconds, bool preventsSleep = true)
    {
        const QString path = Base::m_desktop->storePath();
        if (!StoredTimer::seed(path, pausedCountdown(seconds)))
            return false;
        const auto settings = platform::UserDefaults::openFile(path);
        settings->setBool(SharedDefaultsKeys::completionShowNotification, true);
        settings->setBool(SharedDefaultsKeys::preventSleep, preventsSleep);
        return true;
    }

    // Starts the program, with the test's bus standing for the system bus
    // too, and waits until it owns its name.
    bool startAndWait()
    {
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), Base::m_desktop->busAddress());
        Base::startProgram({}, extra);
        return waitUntil(
            [this] { return Base::m_desktop->bus().interface()->isServiceRegistered(serviceName).value(); }, 15s);
    }

    // Hands `link` to the running program as a second copy would.
    // The program drops a link that comes within a second of the last one it
    // took: the next is sent past that.
    void waitPastLinkGate()
    {
        constexpr qint64 gateMs = 1100;
        if (m_lastLink.isValid() && m_lastLink.elapsed() < gateMs)
            platform::test::runEventLoop(std::chrono::milliseconds(gateMs - m_lastLink.elapsed()));
    }

    bool sendLink(const QString& link)
    {
        waitPastLinkGate();
        const bool sent
            = Base::m_desktop
                  ->run(QStringLiteral("gdbus"),
                        {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"), serviceName,
                         QStringLiteral("--object-path"), QStringLiteral("/com/morrowfen/Kelvane"),
                         QStringLiteral("--method"), QStringLiteral("org.freedesktop.Application.Open"),
                         QStringLiteral("['%1']").arg(link), QStringLiteral("{}")})
                  .has_value();
        // The gate runs from when the program took the link, which is before
        // its answer came back, not from when the call left: on a loaded
        // machine the two are apart.
        m_lastLink.start();
        return sent;
    }

    QElapsedTimer m_lastLink;
};

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

// One Notify the server received, as dbus-monitor printed it.
struct SeenNotify {
    uint replacesId = 0;
    QString appIcon;
    QString desktopEntry;
};

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
        m_monitor = m_desktop->start(QStringLiteral("dbus-monitor"),
                                     {QStringLiteral("--address"), m_desktop->busAddress(),
                                      QStringLiteral("type='method_call',interface='org.freedesktop.Notifications',"
                                                     "member='Notify'")});
        // Listening once it prints a notification of the test's own; that
        // one is then closed and forgotten.
        const auto deadline = std::chrono::steady_clock::now() + 15s;
        while (m_seen.empty() && std::chrono::steady_clock::now() < deadline) {
            QDBusMessage probe = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
                QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
            probe << QStringLiteral("test") << 0u << QString() << QStringLiteral("probe") << QString() << QStringList()
                  << QVariantMap() << -1;
            m_desktop->bus().call(probe);
            readMonitor(500ms);
        }
        ASSERT_FALSE(m_seen.empty()) << "dbus-monitor did not listen";
        m_seen.clear();
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

    // Reads what dbus-monitor printed until `count` Notify calls are seen.
    bool waitForNotifies(std::size_t count)
    {
        const auto deadline = std::chrono::steady_clock::now() + 15s;
        while (m_seen.size() < count && std::chrono::steady_clock::now() < deadline)
            readMonitor(100ms);
        // The rest of the last call's lines.
        readMonitor(200ms);
        return m_seen.size() >= count;
    }

    // Reads dbus-monitor's lines for about `wait`, parsing the Notify calls.
    void readMonitor(std::chrono::milliseconds wait)
    {
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (std::chrono::steady_clock::now() < deadline) {
            const auto line = m_monitor->readLine(20ms);
            if (!line)
                continue;
            if (line->contains(QLatin1String("member=Notify"))) {
                m_seen.emplace_back();
                m_field = 0;
                continue;
            }
            if (m_seen.empty())
                continue;
            SeenNotify& seen = m_seen.back();
            const QString text = line->section(QLatin1Char('"'), 1, 1);
            ++m_field;
            if (m_field == 2)
                seen.replacesId = line->section(QLatin1Char(' '), -1).toUInt();
            else if (m_field == 3)
                seen.appIcon = text;
            if (m_lastString == QLatin1String("desktop-entry") && line->contains(QLatin1String("variant")))
                seen.desktopEntry = text;
            m_lastString = text;
        }
    }

    // Runs the one-second countdown from its start to its end.
    bool complete()
    {
        if (m_timer->mode() == TimerMode::Completed) {
            if (!sendLink(QStringLiteral("kelvane://timer/reset")) || !waitForMode(TimerMode::Idle))
                return false;
        }
        return sendLink(QStringLiteral("kelvane://timer/start")) && waitForMode(TimerMode::Completed, 15s);
    }

    std::unique_ptr<DesktopProcess> m_monitor;
    std::vector<SeenNotify> m_seen;
    int m_field = 0;
    QString m_lastString;
};

TEST_F(CompletionNotifications, EachCompletionIsShownAndOneStillOnScreenIsReplaced)
{
    ASSERT_TRUE(seed(1));
    ASSERT_TRUE(startAndWait());

    ASSERT_TRUE(complete());
    ASSERT_TRUE(waitForNotifies(1));
    ASSERT_TRUE(waitUntil([&] { return displayed() == 1; }, 10s)) << "the first completion was not shown";

    // The first is still on screen: the second takes its place.
    ASSERT_TRUE(complete());
    ASSERT_TRUE(waitForNotifies(2));
    runEventLoop(300ms);
    EXPECT_EQ(displayed(), 1) << "stacked rather than replaced";

    // Closed, as a click or an expiry does: the next is a new one.
    ASSERT_TRUE(m_desktop->run(QStringLiteral("dunstctl"), {QStringLiteral("close-all")}));
    ASSERT_TRUE(waitUntil([&] { return displayed() == 0; }, 10s));
    // The closing signal reaches the program long before the next end.
    ASSERT_TRUE(complete());
    ASSERT_TRUE(waitForNotifies(3));
    EXPECT_TRUE(waitUntil([&] { return displayed() == 1; }, 10s)) << "the completion after the close was not shown";

    ASSERT_EQ(m_seen.size(), 3u);
    EXPECT_EQ(m_seen[0].replacesId, 0u);
    EXPECT_NE(m_seen[1].replacesId, 0u) << "the one on screen was not replaced";
    EXPECT_EQ(m_seen[2].replacesId, 0u) << "a closed notification was replaced, which some servers file unseen";
    for (const SeenNotify& seen : m_seen) {
        EXPECT_EQ(seen.appIcon, u"com.morrowfen.Kelvane");
        EXPECT_EQ(seen.desktopEntry, u"com.morrowfen.Kelvane");
    }
}

} // namespace
