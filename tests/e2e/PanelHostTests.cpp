// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the tray hosts Linux users have, each started by the test
// as its users run it: the icon shows in the panel, a right click (or, where
// the host shows the item's menu instead, that menu's first entry) starts the
// timer, the icon reads on a light and a dark panel, a left click opens the
// popover at the icon along a top and a bottom panel, and a panel started
// after the program takes the icon from the strip.
#include "EndToEndFixture.h"
#include "PanelHosts.h"
#include "StandingOut.h"

#include <QDir>

#include <iostream>

using namespace std::chrono_literals;
using platform::test::runEventLoop;
using platform::test::waitUntil;
using Edge = PanelHost::Edge;
using Shade = PanelHost::Shade;

namespace {

const char* edgeName(Edge edge)
{
    return edge == Edge::Top ? "top" : "bottom";
}

class OnPanel : public OnDesktop<TestDesktop::Tray::None>, public ::testing::WithParamInterface<PanelHost> {
protected:
    QStringList moreTools() const override { return GetParam().tools + QStringList{QStringLiteral("import")}; }

    void startPanel(Edge edge = Edge::Top, Shade shade = Shade::Dark)
    {
        const QString failure = ::startPanel(*m_desktop, GetParam(), edge, shade);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        m_edge = edge;
    }

    // The panel's widest viewable window.
    QString panelWindow() const
    {
        QString widest;
        int width = 0;
        for (const QString& window :
             m_screen->search({QStringLiteral("--onlyvisible"), QStringLiteral("--class"), GetParam().windowClass})) {
            const auto state = m_screen->state(window);
            if (state && state->viewable && state->geometry.width() > width) {
                width = state->geometry.width();
                widest = window;
            }
        }
        return widest;
    }

    // Where the icon shows in the panel, in root coordinates; empty when it
    // does not within `timeout`. XEmbed icons are the program's own window;
    // a StatusNotifierItem is drawn by the panel, the only thing on it.
    QRect waitForIcon(std::chrono::milliseconds timeout = 15s)
    {
        QRect area;
        waitUntil(
            [&] {
                if (!GetParam().statusNotifier) {
                    const QStringList icons = m_screen->programWindows(GetParam().windowClass);
                    const auto state = icons.isEmpty() ? std::nullopt : m_screen->state(icons.first());
                    area = state && state->viewable ? state->geometry : QRect();
                    return !area.isEmpty();
                }
                m_lastLook = QStringLiteral("not registered with the watcher");
                if (!itemRegisteredWithWatcher(*m_desktop))
                    return false;
                const QString panel = panelWindow();
                const std::optional<WindowState> state = panel.isEmpty() ? std::nullopt : m_screen->state(panel);
                const QRect frame = state ? state->geometry : QRect();
                m_lastLook = QStringLiteral("no panel window");
                if (frame.isEmpty())
                    return false;
                const QRect drawn
                    = StandingOut::area(m_screen->capture(panel, m_desktop->path(QStringLiteral("panel.png"))));
                area = drawn.isEmpty() ? QRect() : drawn.translated(frame.topLeft());
                m_lastLook = QStringLiteral("drawn at %1,%2 %3x%4 in the panel at %5,%6 %7x%8")
                                 .arg(drawn.x())
                                 .arg(drawn.y())
                                 .arg(drawn.width())
                                 .arg(drawn.height())
                                 .arg(frame.x())
                                 .arg(frame.y())
                                 .arg(frame.width())
                                 .arg(frame.height());
                return area.width() >= 8 && area.height() >= 8;
            },
            timeout);
        return area;
    }

    // The icon's contrast against the panel around it, as a user sees it.
    double iconContrast(const QRect& icon, const char* shade)
    {
        const QImage screen = m_screen->capture(QStringLiteral("root"), m_desktop->path(QStringLiteral("screen.png")));
        const QRgb panel = StandingOut::background(screen.copy(icon.adjusted(-3, -3, 3, 3) & screen.rect()));
        const double contrast = StandingOut::contrast(screen, icon, panel);
        std::cout << GetParam().program.toStdString() << ", " << shade << " panel: the icon's contrast " << contrast
                  << ":1\n";
        return contrast;
    }

    // Writes what the panel shows to the screens folder.
    void shoot(const QString& name)
    {
        QDir().mkpath(QStringLiteral(E2E_OUTPUT_DIR "/hosts"));
        const QString panel = panelWindow();
        if (!panel.isEmpty())
            m_screen->capture(panel, QStringLiteral(E2E_OUTPUT_DIR "/hosts/%1-%2.png").arg(GetParam().program, name));
    }

    QStringList topLevelWindows() const
    {
        return m_screen->search({QStringLiteral("--onlyvisible"), QStringLiteral("--maxdepth"), QStringLiteral("1"),
                                 QStringLiteral("--name"), QString()});
    }

    QString waitForHint()
    {
        return waitForOwnWindow(*m_screen, isClickHint,
                                m_screen->search({QStringLiteral("--class"), GetParam().windowClass}), 10s);
    }
    QString waitForPopover()
    {
        return waitForOwnWindow(
            *m_screen, [](const QRect& area) { return !isClickHint(area); },
            m_screen->search({QStringLiteral("--class"), GetParam().windowClass}), 10s);
    }

    // A right click on the icon; where the host shows the item's menu, its
    // first entry.
    void rightClick(const QRect& icon)
    {
        const QStringList before = topLevelWindows();
        ASSERT_TRUE(m_screen->click(icon, 3));
        if (!GetParam().statusNotifier)
            return;
        // The host's menu is a window of its own.
        const bool menuShown = waitUntil(
            [&] {
                for (const QString& window : topLevelWindows()) {
                    if (!before.contains(window))
                        return true;
                }
                return false;
            },
            5s);
        ASSERT_TRUE(menuShown) << "no menu on a right click";
        runEventLoop(300ms);
        ASSERT_TRUE(m_desktop->run(QStringLiteral("xdotool"),
                                   {QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")}));
    }

    // A light panel along `edge` and the program on a fresh store: the welcome
    // card comes up, and the clicks must go past it. Sets `icon`; the card.
    QString startOnAFreshStore(Edge edge, QRect& icon)
    {
        startPanel(edge, Shade::Light);
        if (::testing::Test::HasFatalFailure())
            return {};
        startProgram();
        const QString hint = waitForHint();
        EXPECT_FALSE(hint.isEmpty()) << "no welcome card on the first start";
        icon = waitForIcon();
        EXPECT_FALSE(icon.isEmpty()) << "no icon in " << GetParam().program.toStdString() << ": "
                                     << m_lastLook.toStdString();
        return hint;
    }

    // The popover at `placed` opened next to the icon, on the screen side of the panel.
    void expectAtTheIcon(const QRect& placed, const QRect& icon) const
    {
        const QSize screen = m_desktop->screenSize();
        SCOPED_TRACE(QStringLiteral("icon at %1, popover at %2").arg(areaText(icon), areaText(placed)).toStdString());
        // An icon at the screen's edge: the popover keeps a margin off the edge.
        EXPECT_LE(placed.left(), std::max(icon.center().x(), 16)) << "the popover is not above or below the icon";
        EXPECT_GE(placed.right(), icon.center().x()) << "the popover is not above or below the icon";
        if (m_edge == Edge::Top)
            EXPECT_LE(placed.top(), panelHeight + 40) << "the popover is far from a top panel";
        else
            EXPECT_GE(placed.bottom(), screen.height() - panelHeight - 40) << "the popover is far from a bottom panel";
    }

    Edge m_edge = Edge::Top;
    // What the last look for a panel-drawn icon saw.
    QString m_lastLook;
};

TEST_P(OnPanel, TheIconShowsAndTheFirstRightClickStartsTheTimer)
{
    QRect icon;
    startOnAFreshStore(Edge::Top, icon);
    ASSERT_FALSE(icon.isEmpty());
    EXPECT_LE(icon.height(), panelHeight);
    EXPECT_LE(icon.top(), panelHeight) << "not in the panel at the top";
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    shoot(QStringLiteral("light"));
    EXPECT_GE(iconContrast(icon, "light"), 3.0) << "the icon does not read on a light panel";

    rightClick(icon);
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "the first right click did not start the timer";
}

TEST_P(OnPanel, ALeftClickOpensThePopoverAtTheIcon)
{
    // The welcome card is the first start's, and out of the way here.
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    for (const Edge edge : {Edge::Top, Edge::Bottom}) {
        SCOPED_TRACE(edgeName(edge));
        if (edge == Edge::Bottom) {
            m_program.reset();
            m_desktop->killService(QStringLiteral("panel"));
            m_desktop->killService(QStringLiteral("xfconfd"));
        }
        ASSERT_NO_FATAL_FAILURE(startPanel(edge, Shade::Dark));
        startProgram();
        const QRect icon = waitForIcon();
        ASSERT_FALSE(icon.isEmpty()) << "no icon in " << GetParam().program.toStdString() << ": "
                                     << m_lastLook.toStdString();
        shoot(QStringLiteral("dark-%1").arg(QLatin1String(edgeName(edge))));
        EXPECT_GE(iconContrast(icon, "dark"), 3.0) << "the icon does not read on a dark panel";

        ASSERT_TRUE(m_screen->click(icon, 1));
        const QString popover = waitForPopover();
        ASSERT_FALSE(popover.isEmpty()) << "no popover on a left click";
        const auto placed = m_screen->waitForStill(popover);
        ASSERT_TRUE(placed);
        ASSERT_NO_FATAL_FAILURE(expectAtTheIcon(*placed, icon));
    }
}

TEST_P(OnPanel, OnAFreshStoreTheFirstLeftClickOpensThePopoverAtTheIcon)
{
    QRect icon;
    const QString hint = startOnAFreshStore(Edge::Bottom, icon);
    ASSERT_FALSE(icon.isEmpty());
    // The card shows by the icon, above the bottom panel.
    const auto card = m_screen->waitForStill(hint);
    ASSERT_TRUE(card);
    EXPECT_GE(card->bottom(), m_desktop->screenSize().height() - panelHeight - 40)
        << "the welcome card is far from the icon";

    ASSERT_TRUE(m_screen->click(icon, 1));
    const QString popover = waitForPopover();
    ASSERT_FALSE(popover.isEmpty()) << "the first left click opened no popover";
    const auto placed = m_screen->waitForStill(popover);
    ASSERT_TRUE(placed);
    ASSERT_NO_FATAL_FAILURE(expectAtTheIcon(*placed, icon));
}

TEST_P(OnPanel, APanelStartedAfterTheProgramTakesTheIcon)
{
    // The welcome card is the first start's own case.
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    startProgram();
    const QString strip = waitForProgramWindow({});
    ASSERT_FALSE(strip.isEmpty()) << "no strip without a tray";
    // As at login, where the panel comes up a little after the program.
    runEventLoop(3s);
    ASSERT_NO_FATAL_FAILURE(startPanel());
    const QRect icon = waitForIcon();
    ASSERT_FALSE(icon.isEmpty()) << "the icon did not move into the panel started later";
    EXPECT_TRUE(waitForHidden(*m_screen, strip, 5s)) << "the strip stayed beside the icon";

    ASSERT_TRUE(waitForMode(TimerMode::Idle));
    rightClick(icon);
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "the icon in the late panel does not take the right click";
}

TEST_P(OnPanel, APanelThatQuitsGivesThePictureBackToTheStrip)
{
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    ASSERT_NO_FATAL_FAILURE(startPanel());
    startProgram();
    ASSERT_FALSE(waitForIcon().isEmpty()) << "the icon did not show in the panel";

    m_desktop->killService(QStringLiteral("panel"));
    // The strip: the program's one top-level window that shows (an XEmbed
    // icon the panel held may come back to the root window, unmapped).
    QString strip;
    waitUntil(
        [&] {
            for (const QString& window : m_screen->programWindows({})) {
                if (const auto state = m_screen->state(window); state && state->viewable) {
                    strip = window;
                    return true;
                }
            }
            return false;
        },
        15s);
    ASSERT_FALSE(strip.isEmpty()) << "no strip after the panel quit";
    ASSERT_TRUE(waitForMode(TimerMode::Idle));
    const auto placed = m_screen->waitForStill(strip);
    ASSERT_TRUE(placed);
    ASSERT_TRUE(m_screen->click(*placed, 3));
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "the strip does not take the right click";
}

std::string hostName(const ::testing::TestParamInfo<PanelHost>& info)
{
    std::string name = info.param.program.toStdString();
    std::erase(name, '-');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Hosts, OnPanel, ::testing::ValuesIn(panelHosts()), hostName);

} // namespace
