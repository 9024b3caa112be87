// SPDX-License-Identifier: GPL-3.0-or-later
// Without any tray the program shows its strip window at the top of the
// screen, clear of a maximised window's buttons, on every workspace and off
// the taskbar; a right click on it works as on a tray icon, and a strip the
// user dragged elsewhere is there again at the next start.
#include "EndToEndFixture.h"

#include "Kelvane/status/StripPlace.h"

#include <QDir>

using namespace std::chrono_literals;

namespace {

class NoTray : public OnDesktop<TestDesktop::Tray::None> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("import"), QStringLiteral("xprop")}; }

    // The strip's area once the window manager has placed it.
    QRect waitForStrip(QString* window)
    {
        *window = waitForProgramWindow({});
        if (window->isEmpty())
            return {};
        const auto placed = m_screen->waitForStill(*window);
        return placed ? *placed : QRect();
    }
};

TEST_F(NoTray, TheStripShowsAtTheTopOnEveryWorkspaceAndTakesClicks)
{
    // The welcome card is the first start's own case.
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    startProgram();
    QString strip;
    const QRect area = waitForStrip(&strip);
    ASSERT_FALSE(area.isEmpty()) << "no window of the program";
    const QSize screen = m_desktop->screenSize();
    EXPECT_LE(area.width(), screen.width() / 2);
    EXPECT_LE(area.top(), 40) << "not at the top";
    // Where every window manager puts a maximised window's close button.
    EXPECT_FALSE(area.intersects(QRect(screen.width() - 160, 0, 160, 48))) << "over the title bar's buttons";

    const auto properties = m_desktop->run(QStringLiteral("xprop"), {QStringLiteral("-id"), strip});
    ASSERT_TRUE(properties);
    EXPECT_TRUE(properties->contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR"))) << properties->toStdString();
    EXPECT_TRUE(properties->contains(QStringLiteral("_NET_WM_STATE_SKIP_PAGER")));
    EXPECT_TRUE(properties->contains(QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295")))
        << "not on every workspace";

    QDir().mkpath(QStringLiteral(E2E_OUTPUT_DIR));
    m_screen->capture(strip, QStringLiteral(E2E_OUTPUT_DIR "/strip.png"));

    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    ASSERT_TRUE(m_screen->click(area, 3));
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "a right click on the strip did not start the timer";
}

TEST_F(NoTray, ADraggedStripIsWhereItWasLeftAtTheNextStart)
{
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    startProgram();
    QString strip;
    const QRect first = waitForStrip(&strip);
    ASSERT_FALSE(first.isEmpty()) << "no window of the program";

    ASSERT_TRUE(m_screen->drag(first.center(), QPoint(-300, 400)));
    const auto dragged = m_screen->waitForStill(strip);
    ASSERT_TRUE(dragged);
    ASSERT_GT(dragged->top(), first.top() + 200) << "the strip did not follow the drag";
    EXPECT_TRUE(m_screen->programWindows({}).size() == 1) << "the drag opened the popover";

    // The place is kept once the strip rests.
    EXPECT_TRUE(platform::test::waitUntil(
        [&] {
            const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
            return store && store->object(QString::fromLatin1(stripPlaceXKey)).has_value();
        },
        5s))
        << "the strip's place was not stored";
    m_program.reset();
    startProgram();
    QString again;
    const QRect restarted = waitForStrip(&again);
    ASSERT_FALSE(restarted.isEmpty());
    EXPECT_LE((restarted.topLeft() - dragged->topLeft()).manhattanLength(), 4)
        << "the strip came back at the top instead of where it was left";
}

} // namespace
