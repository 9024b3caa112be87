// SPDX-License-Identifier: GPL-3.0-or-later
// The program in an XEmbed tray host (trayer): its icon shows there, a right
// click and a deep link start and pause the timer, the widget's queued
// commands are performed at once, and a killed program comes back paused.
#include "EndToEndFixture.h"
#include "StandingOut.h"

#include <QDateTime>
#include <QDir>

using namespace std::chrono_literals;
using platform::test::runEventLoop;

namespace {

const QString trayHost = QStringLiteral("trayer");
const QString toggleLink = QStringLiteral("kelvane://timer/toggle");

class TrayHost : public OnDesktop<TestDesktop::Tray::XEmbedHost> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("import")}; }

    // Starts the program and waits for its icon in the tray; its area on screen.
    QRect startWithIcon(const QStringList& arguments = {})
    {
        startProgram(arguments);
        const QString icon = waitForProgramWindow(trayHost);
        if (icon.isEmpty())
            return {};
        m_icon = icon;
        const auto state = m_screen->state(icon);
        return state ? state->geometry : QRect();
    }

    QString m_icon;
};

TEST_F(TrayHost, TheIconShowsInTheTrayAndIsDrawn)
{
    const QRect area = startWithIcon();
    ASSERT_FALSE(area.isEmpty()) << "no icon of the program inside trayer";
    EXPECT_LE(area.width(), 64);
    EXPECT_LE(area.height(), 64);
    // Inside the panel at the top right.
    EXPECT_GE(area.right(), m_desktop->screenSize().width() / 2);
    EXPECT_LE(area.top(), 24);

    // A moment for the first picture to reach the host.
    runEventLoop(500ms);
    QDir().mkpath(QStringLiteral(E2E_OUTPUT_DIR));
    const QImage shot = m_screen->capture(m_icon, QStringLiteral(E2E_OUTPUT_DIR "/tray-icon.png"));
    ASSERT_FALSE(shot.isNull()) << "import could not capture the icon";
    EXPECT_GE(StandingOut::pixels(shot), 8) << "the icon is blank";
}

TEST_F(TrayHost, RightClickStartsTheTimerAndADeepLinkPausesIt)
{
    const QRect area = startWithIcon();
    ASSERT_FALSE(area.isEmpty()) << "no icon of the program inside trayer";
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";

    ASSERT_TRUE(m_screen->click(area, 3));
    ASSERT_TRUE(waitForMode(TimerMode::Running)) << "a right click did not start the timer";

    const auto second = m_desktop->startProgram({toggleLink});
    EXPECT_EQ(second->waitForExit(5s), 0);
    // A wait on the first copy would take seconds; the bound leaves room for a
    // sanitized build on a loaded machine.
    EXPECT_LT(second->exitedAfterMs().value_or(9999), 4000) << "the second copy did not hand over promptly";
    ASSERT_TRUE(waitForMode(TimerMode::Paused)) << "the deep link did not pause the timer";
    const auto paused = m_timer->snapshot();
    ASSERT_TRUE(paused);
    EXPECT_FALSE(paused->endDate);
    EXPECT_GT(paused->remaining, 0);
    EXPECT_LE(paused->remaining, paused->duration);
    EXPECT_TRUE(m_program->isRunning());
}

TEST_F(TrayHost, CommandsQueuedByAnotherProcessArePerformedAtOnce)
{
    ASSERT_FALSE(startWithIcon().isEmpty()) << "no icon of the program inside trayer";
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";

    for (const TimerMode expected : {TimerMode::Running, TimerMode::Paused}) {
        const auto producer
            = m_desktop->start(QStringLiteral(E2E_ENQUEUE_PROGRAM), {m_desktop->storePath(), QStringLiteral("toggle")});
        const auto queuedAt = producer->readLine(5s);
        ASSERT_TRUE(queuedAt) << "the producer wrote no time";
        ASSERT_TRUE(waitForMode(expected, 5s)) << "the queued toggle was not performed";
        const qint64 after = QDateTime::currentMSecsSinceEpoch() - queuedAt->toLongLong();
        // At once, on the other process's signal, not at the next tick a
        // second later; the room between is for a sanitized, loaded build.
        EXPECT_LT(after, 800) << "performed " << after << " ms after it was queued";
        RecordProperty(expected == TimerMode::Running ? "startedAfterMs" : "pausedAfterMs", static_cast<int>(after));
        EXPECT_EQ(producer->waitForExit(5s), 0);
    }
}

TEST_F(TrayHost, AProgramKilledWhileRunningComesBackPausedWithTheTimeLeft)
{
    // Started by the link it was launched with.
    ASSERT_FALSE(startWithIcon({toggleLink}).isEmpty()) << "no icon of the program inside trayer";
    ASSERT_TRUE(waitForMode(TimerMode::Running)) << "the launch link did not start the timer";
    runEventLoop(1500ms);

    m_program->signalGroup(SIGKILL);
    m_program->waitForExit(5s);
    ASSERT_FALSE(m_program->isRunning());
    const auto killed = m_timer->snapshot();
    ASSERT_TRUE(killed && killed->mode == TimerMode::Running && killed->endDate);
    runEventLoop(1000ms);

    const platform::Date restarted = platform::Date::now();
    startProgram();
    ASSERT_TRUE(waitForMode(TimerMode::Paused)) << "the running timer did not come back paused";
    const platform::Date seen = platform::Date::now();
    const auto restored = m_timer->snapshot();
    ASSERT_TRUE(restored);
    // The time left is what the stored end date leaves at the restart.
    EXPECT_LE(restored->remaining, killed->endDate->secondsSince(restarted) + 0.25);
    EXPECT_GE(restored->remaining, killed->endDate->secondsSince(seen) - 0.25);
    EXPECT_LT(restored->remaining, killed->duration - 2);
    EXPECT_EQ(restored->duration, killed->duration);
    EXPECT_EQ(restored->selectedPresetID, killed->selectedPresetID);
    EXPECT_FALSE(restored->endDate);

    // And it stays paused.
    runEventLoop(1200ms);
    EXPECT_EQ(m_timer->mode(), TimerMode::Paused);
    EXPECT_EQ(m_timer->snapshot()->remaining, restored->remaining);
}

} // namespace
