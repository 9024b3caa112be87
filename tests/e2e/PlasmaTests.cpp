// SPDX-License-Identifier: GPL-3.0-or-later
// The program on KDE Plasma 5 on X11, as its users run it: kwin, kded (which
// holds the StatusNotifierWatcher) and plasmashell with its default bottom
// panel and its notification server. Plasma is too big for CI, so these are
// skipped where it is not installed.
#include "NotifyMonitor.h"
#include "PanelHosts.h"
#include "StandingOut.h"
#include "WithServices.h"

#include "TimerCoreKit/color/DisplayColor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iostream>
#include <utility>

using namespace std::chrono_literals;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

class OnPlasma : public WithServices<TestDesktop::Tray::None> {
protected:
    QStringList moreTools() const override
    {
        return {QStringLiteral("plasmashell"),  QStringLiteral("kwin_x11"),
                QStringLiteral("kded5"),        QStringLiteral("kbuildsycoca5"),
                QStringLiteral("import"),       QStringLiteral("xprop"),
                QStringLiteral("dbus-monitor"), QStringLiteral("dbus-update-activation-environment"),
                QStringLiteral("gdbus")};
    }

    void SetUp() override
    {
        // The bus starts Plasma's own services as a session's does, but not
        // dunst, which also offers to be the notification server.
        const QString services = m_services.filePath(QStringLiteral("share/dbus-1/services"));
        QDir().mkpath(services);
        const QDir system(QStringLiteral("/usr/share/dbus-1/services"));
        for (const QString& file : system.entryList({QStringLiteral("org.kde.*.service")}, QDir::Files))
            QFile::link(system.filePath(file), services + QLatin1Char('/') + file);
        // The program's icon and desktop entry as a package installs them:
        // Plasma finds a notification's icon and name through them.
        const QString share = m_services.filePath(QStringLiteral("share"));
        for (const auto& [from, to] :
             {std::pair{QStringLiteral("icons/com.morrowfen.Kelvane.svg"),
                        QStringLiteral("icons/hicolor/scalable/apps/com.morrowfen.Kelvane.svg")},
              std::pair{QStringLiteral("com.morrowfen.Kelvane.desktop"),
                        QStringLiteral("applications/com.morrowfen.Kelvane.desktop")}}) {
            QDir().mkpath(QFileInfo(share + QLatin1Char('/') + to).path());
            QFile::link(QStringLiteral(E2E_PACKAGING_DIR "/") + from, share + QLatin1Char('/') + to);
        }
        m_installed = {QStringLiteral("/usr/bin"), share};
        WithServices::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // A Plasma session's own environment, which its services (and the
        // program) see; software GL, as under Xvfb there is no other.
        m_plasma = m_desktop->environment();
        m_plasma.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
        m_plasma.insert(QStringLiteral("KDE_FULL_SESSION"), QStringLiteral("true"));
        m_plasma.insert(QStringLiteral("KDE_SESSION_VERSION"), QStringLiteral("5"));
        m_plasma.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
        m_plasma.insert(QStringLiteral("LIBGL_ALWAYS_SOFTWARE"), QStringLiteral("1"));
        // kwin manages the windows and plasmashell shows the notifications.
        m_desktop->killService(QStringLiteral("dunst"));
        m_desktop->killService(QStringLiteral("openbox"));
        ASSERT_EQ(runToEnd(QStringLiteral("dbus-update-activation-environment"), {QStringLiteral("--all")}, 20s), 0);
        ASSERT_EQ(runToEnd(QStringLiteral("kbuildsycoca5"), {}, 120s), 0) << "kbuildsycoca5 failed";
        m_kwin = startPiece(QStringLiteral("kwin"), QStringLiteral("kwin_x11"), {QStringLiteral("--replace")});
        ASSERT_TRUE(waitUntil([&] { return m_desktop->busNameOwned(QStringLiteral("org.kde.KWin")); }, 60s))
            << "kwin_x11 did not start";
        m_kded = startPiece(QStringLiteral("kded"), QStringLiteral("kded5"), {});
        ASSERT_TRUE(
            waitUntil([&] { return m_desktop->busNameOwned(QStringLiteral("org.kde.StatusNotifierWatcher")); }, 60s))
            << "kded5 did not start its StatusNotifierWatcher";
    }

    void TearDown() override
    {
        if (HasFailure() && m_desktop) {
            for (const char* piece : {"kwin", "kded", "plasmashell"}) {
                QFile log(m_desktop->path(QStringLiteral("logs/%1.log").arg(QLatin1String(piece))));
                if (log.open(QIODevice::ReadOnly))
                    std::cerr << "--- " << piece << "'s log, its end ---\n"
                              << log.readAll().right(3000).toStdString() << "\n";
            }
        }
        m_program.reset();
        m_shell.reset();
        m_kded.reset();
        m_kwin.reset();
        WithServices::TearDown();
    }

    std::unique_ptr<DesktopProcess> startPiece(const QString& name, const QString& program,
                                               const QStringList& arguments) const
    {
        return std::make_unique<DesktopProcess>(program, arguments, m_plasma,
                                                m_desktop->path(QStringLiteral("logs/%1.log").arg(name)));
    }

    std::optional<int> runToEnd(const QString& program, const QStringList& arguments,
                                std::chrono::milliseconds timeout) const
    {
        return startPiece(program, program, arguments)->waitForExit(timeout);
    }

    // Starts plasmashell and waits for its panel and its tray host.
    void startShell()
    {
        m_shell = startPiece(QStringLiteral("plasmashell"), QStringLiteral("plasmashell"), {});
        const QString host = QStringLiteral("org.kde.StatusNotifierHost-%1").arg(m_shell->pid());
        ASSERT_TRUE(waitUntil([&] { return m_desktop->busNameOwned(host); }, 120s))
            << "plasmashell did not take the tray";
        ASSERT_TRUE(waitUntil([&] { return !(m_panel = panelWindow()).isEmpty(); }, 60s)) << "no panel";
    }

    // The panel: plasmashell's window along the whole bottom edge.
    QString panelWindow() const
    {
        const QSize screen = m_desktop->screenSize();
        for (const QString& window : m_screen->search(
                 {QStringLiteral("--onlyvisible"), QStringLiteral("--class"), QStringLiteral("plasmashell")})) {
            const auto state = m_screen->state(window);
            if (state && state->viewable && state->geometry.width() == screen.width()
                && state->geometry.bottom() == screen.height() - 1 && state->geometry.height() < screen.height() / 4)
                return window;
        }
        return {};
    }
    QRect panelArea() const
    {
        const auto state = m_screen->state(m_panel);
        return state ? state->geometry : QRect();
    }

    // The program's icon in the panel's tray, in root coordinates: on Breeze's
    // light panel the default picture's white digits are the only pixels of
    // the tray lighter than the panel. Empty when it does not show in time.
    QRect waitForIcon(std::chrono::milliseconds timeout = 30s)
    {
        QRect icon;
        waitUntil(
            [&] {
                if (!itemRegisteredWithWatcher(*m_desktop))
                    return false;
                const QRect panel = panelArea();
                // From the screen, as the translucent panel shows over the desktop.
                m_panelShot = m_screen->capture(QStringLiteral("root"), m_desktop->path(QStringLiteral("screen.png")))
                                  .copy(panel);
                if (panel.isEmpty() || m_panelShot.isNull())
                    return false;
                m_panelColor = StandingOut::background(m_panelShot);
                const double behind = StandingOut::luminance(m_panelColor);
                QRect lit;
                // The tray is at the right; the task manager's icons are at the left.
                for (int y = 0; y < m_panelShot.height(); ++y)
                    for (int x = m_panelShot.width() / 2; x < m_panelShot.width(); ++x)
                        if (StandingOut::luminance(m_panelShot.pixel(x, y)) > behind + 0.2)
                            lit |= QRect(x, y, 1, 1);
                if (lit.width() < 4 || lit.height() < 4)
                    return false;
                // The rim lies to the right of and below the lit pixels.
                m_iconInPanel = lit.adjusted(0, 0, 2, 2) & m_panelShot.rect();
                icon = m_iconInPanel.translated(panel.topLeft());
                return true;
            },
            timeout);
        return icon;
    }

    double iconContrast() const { return StandingOut::contrast(m_panelShot, m_iconInPanel, m_panelColor); }

    void shoot(const QString& name) const
    {
        QDir().mkpath(QStringLiteral(E2E_OUTPUT_DIR "/plasma"));
        m_desktop->run(QStringLiteral("import"),
                       {QStringLiteral("-window"), QStringLiteral("root"),
                        QStringLiteral(E2E_OUTPUT_DIR "/plasma/%1.png").arg(name)});
    }

    QString waitForHint() const { return waitForOwnWindow(*m_screen, isClickHint, {}, 15s); }
    QString waitForPopover() const
    {
        return waitForOwnWindow(
            *m_screen, [](const QRect& area) { return !isClickHint(area); }, {}, 15s);
    }

    // The popover (or the card) at `placed` is above the icon, near the bottom panel.
    void expectAboveTheIcon(const QRect& placed, const QRect& icon, const char* what) const
    {
        SCOPED_TRACE(QStringLiteral("%1 at %2, icon at %3")
                         .arg(QLatin1String(what), areaText(placed), areaText(icon))
                         .toStdString());
        EXPECT_LE(placed.left(), icon.center().x()) << "not above the icon";
        EXPECT_GE(placed.right(), icon.center().x()) << "not above the icon";
        EXPECT_LE(placed.bottom(), panelArea().top()) << "over the panel";
        EXPECT_GE(placed.bottom(), panelArea().top() - 40) << "far from the panel";
    }

    // The strip: the program's one top-level window that shows, hint seen.
    QString waitForStrip(std::chrono::milliseconds timeout = 15s) const
    {
        return waitForOwnWindow(
            *m_screen, [](const QRect&) { return true; }, {}, timeout);
    }

    QTemporaryDir m_services;
    // plasmashell's viewable windows that are neither its panel nor its
    // desktop: its notification popups, where no pointer rests on the panel.
    QStringList shellPopups() const
    {
        QStringList popups;
        const int screenWidth = m_desktop->screenSize().width();
        for (const QString& window : m_screen->search(
                 {QStringLiteral("--onlyvisible"), QStringLiteral("--class"), QStringLiteral("plasmashell")})) {
            const auto state = m_screen->state(window);
            if (window != m_panel && state && state->viewable && state->geometry.width() < screenWidth / 2
                && state->geometry.height() > 20)
                popups << window;
        }
        return popups;
    }

    QProcessEnvironment m_plasma;
    std::unique_ptr<DesktopProcess> m_kwin;
    std::unique_ptr<DesktopProcess> m_kded;
    std::unique_ptr<DesktopProcess> m_shell;
    QString m_panel;
    QImage m_panelShot;
    QRgb m_panelColor = 0;
    QRect m_iconInPanel;
};

TEST_F(OnPlasma, TheIconShowsInThePanelsTrayReadsAndTakesBothClicks)
{
    ASSERT_NO_FATAL_FAILURE(startShell());
    startProgram({}, m_plasma);
    const QString hint = waitForHint();
    ASSERT_FALSE(hint.isEmpty()) << "no welcome card on the first start";
    const QRect icon = waitForIcon();
    ASSERT_FALSE(icon.isEmpty()) << "the icon did not show in the panel's tray";
    EXPECT_TRUE(panelArea().contains(icon));
    shoot(QStringLiteral("tray"));

    // The default picture (white digits on nothing) on Breeze's light panel.
    const double contrast = iconContrast();
    RecordProperty("light_panel_contrast", QString::number(contrast, 'f', 2).toStdString());
    std::cout << "contrast on the panel (#" << QString::number(m_panelColor & 0xffffff, 16).toStdString()
              << "), the digits and their rim " << m_iconInPanel.width() << "x" << m_iconInPanel.height()
              << " px: " << contrast << ":1\n";
    EXPECT_GE(contrast, 3.0);

    // The welcome card shows by the icon; the first right click goes past it.
    const auto card = m_screen->waitForStill(hint);
    ASSERT_TRUE(card);
    expectAboveTheIcon(*card, icon, "the welcome card");
    ASSERT_TRUE(waitForMode(TimerMode::Idle));
    ASSERT_TRUE(m_screen->click(icon, 3));
    EXPECT_TRUE(waitForMode(TimerMode::Running, 10s)) << "the first right click did not start the timer";
    ASSERT_TRUE(m_screen->click(icon, 3));
    EXPECT_TRUE(waitForMode(TimerMode::Paused, 10s)) << "a right click did not pause the timer";

    ASSERT_TRUE(m_screen->click(icon, 1));
    const QString popover = waitForPopover();
    ASSERT_FALSE(popover.isEmpty()) << "no popover on a left click";
    const auto placed = m_screen->waitForStill(popover);
    ASSERT_TRUE(placed);
    expectAboveTheIcon(*placed, icon, "the popover");
    shoot(QStringLiteral("popover"));
}

TEST_F(OnPlasma, StartedBeforeThePanelTheIconMovesIntoItsTrayAndBack)
{
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    // As at login: kded and its watcher are up, the panel not yet.
    startProgram({}, m_plasma);
    const QString strip = waitForStrip();
    ASSERT_FALSE(strip.isEmpty()) << "no strip while the panel is not up";

    ASSERT_NO_FATAL_FAILURE(startShell());
    const QRect icon = waitForIcon();
    ASSERT_FALSE(icon.isEmpty()) << "the icon did not move into the panel's tray";
    EXPECT_TRUE(waitForHidden(*m_screen, strip, 10s)) << "the strip stayed beside the icon";
    ASSERT_TRUE(waitForMode(TimerMode::Idle));
    ASSERT_TRUE(m_screen->click(icon, 3));
    EXPECT_TRUE(waitForMode(TimerMode::Running, 10s)) << "the icon in the late tray does not take the right click";

    // plasmashell quits; kded's watcher stays.
    m_shell.reset();
    const QString back = waitForStrip(20s);
    ASSERT_FALSE(back.isEmpty()) << "no strip after the panel quit";
    const auto placed = m_screen->waitForStill(back);
    ASSERT_TRUE(placed);
    ASSERT_TRUE(m_screen->click(*placed, 3));
    EXPECT_TRUE(waitForMode(TimerMode::Paused, 10s)) << "the strip does not take the right click";
}

TEST_F(OnPlasma, EveryCompletionPopsUpWithTheProgramsIcon)
{
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    ASSERT_TRUE(seed(1));
    ASSERT_NO_FATAL_FAILURE(startShell());
    NotifyMonitor monitor(*m_desktop);
    ASSERT_TRUE(monitor.start()) << "dbus-monitor did not listen";
    ASSERT_TRUE(waitUntil([&] { return shellPopups().isEmpty(); }, 30s)) << "the probe's popup stayed";
    ASSERT_TRUE(startAndWait(m_plasma));

    // Plasma files a replaced notification that has expired into its history
    // without a popup: each completion of a run must pop up.
    for (const int completion : {1, 2}) {
        SCOPED_TRACE(completion);
        ASSERT_TRUE(complete());
        ASSERT_TRUE(monitor.waitForNotifies(completion));
        EXPECT_TRUE(waitUntil([&] { return !shellPopups().isEmpty(); }, 20s)) << "no popup for the completion";
        shoot(QStringLiteral("notification-%1").arg(completion));
        // It expires on its own, as an unattended popup does.
        ASSERT_TRUE(monitor.waitForClosed(completion, 60s)) << "the popup never closed";
        ASSERT_TRUE(waitUntil([&] { return shellPopups().isEmpty(); }, 20s));
    }
    const std::vector<SeenNotify>& seen = monitor.seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].replacesId, 0u) << "an expired notification was replaced";
    for (const SeenNotify& notify : seen) {
        EXPECT_EQ(notify.appIcon, u"com.morrowfen.Kelvane");
        EXPECT_EQ(notify.desktopEntry, u"com.morrowfen.Kelvane");
    }
}

TEST_F(OnPlasma, TheSettingsWindowCarriesTheProgramsIcon)
{
    ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath()));
    ASSERT_NO_FATAL_FAILURE(startShell());
    ASSERT_TRUE(startAndWait(m_plasma));
    ASSERT_TRUE(sendLink(QStringLiteral("kelvane://settings")));
    QStringList found;
    ASSERT_TRUE(waitUntil(
        [&] {
            return !(found = m_screen->search(
                         {QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Settings$")}))
                        .isEmpty();
        },
        20s))
        << "no settings window";
    const auto icon = m_desktop->run(QStringLiteral("xprop"),
                                     {QStringLiteral("-id"), found.first(), QStringLiteral("_NET_WM_ICON")});
    ASSERT_TRUE(icon);
    EXPECT_TRUE(icon->contains(QStringLiteral("Icon ("))) << "no _NET_WM_ICON on the settings window";
    // The task manager shows it: the screenshot is for the eye.
    ASSERT_TRUE(m_screen->waitForStill(found.first()));
    shoot(QStringLiteral("settings"));
}

} // namespace
