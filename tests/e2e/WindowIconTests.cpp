// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of both programs carries the program's icon for the window
// manager (_NET_WM_ICON), so title bars and task lists do not fall back to a
// generic one: the floating panel, the settings window, the custom-duration
// dialog, the custom-timer editor and the desktop widget.
#include "CustomTimerSpots.h"
#include "EndToEndFixture.h"

#include "Kelvane/popover/PopoverFrame.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

using namespace std::chrono_literals;
using platform::test::waitUntil;

namespace {

namespace Keys = SharedDefaultsKeys;

class WindowIcons : public OnDesktop<TestDesktop::Tray::XEmbedHost> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("xprop")}; }

    void TearDown() override
    {
        m_widget.reset();
        OnDesktop::TearDown();
    }

    // What xprop reads of the window's icon: pictures drawn as text, or "not found".
    QString iconProperty(const QString& window) const
    {
        return m_desktop->run(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_ICON")})
            .value_or(QString());
    }

    bool hasIcon(const QString& window) const { return iconProperty(window).contains(QStringLiteral("Icon (")); }

    // The windows that match `xdotool search --onlyvisible <arguments>` within a while.
    QStringList waitForWindows(const QStringList& arguments) const
    {
        QStringList found;
        waitUntil(
            [&] {
                return !(found = m_screen->search(QStringList{QStringLiteral("--onlyvisible")} + arguments)).isEmpty();
            },
            15s);
        return found;
    }

    // The program's one window outside the tray that is `width` wide, or empty.
    QString waitForWindowOfWidth(int width, std::chrono::milliseconds timeout = 10s) const
    {
        QString found;
        waitUntil(
            [&] {
                for (const QString& window : m_screen->programWindows()) {
                    const auto state = m_screen->state(window);
                    if (state && state->viewable && state->geometry.width() == width
                        && !m_screen->isInside(
                            window, m_screen->search({QStringLiteral("--class"), QStringLiteral("trayer")}))) {
                        found = window;
                        return true;
                    }
                }
                return false;
            },
            timeout);
        return found;
    }

    bool openLink(const QString& link) const { return m_desktop->startProgram({link})->waitForExit(5s) == 0; }

    bool xdotool(const QStringList& arguments) const
    {
        return m_desktop->run(QStringLiteral("xdotool"), arguments).has_value();
    }

    std::unique_ptr<DesktopProcess> m_widget;
};

TEST_F(WindowIcons, EveryWindowOfBothProgramsHasTheProgramsIcon)
{
    {
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        ASSERT_TRUE(store && store->isShared());
        store->setBool(Keys::hasSeenClickHint.name, true);
        store->setBool(Keys::floatingDisplayEnabled.name, true);
    }
    startProgram();
    const QString icon = waitForProgramWindow(QStringLiteral("trayer"));
    ASSERT_FALSE(icon.isEmpty()) << "no icon of the program inside trayer";
    const auto iconState = m_screen->state(icon);
    ASSERT_TRUE(iconState);

    const QString panel = waitForProgramWindow({});
    ASSERT_FALSE(panel.isEmpty()) << "no floating panel";
    EXPECT_TRUE(hasIcon(panel)) << "floating panel: " << iconProperty(panel).toStdString();

    ASSERT_TRUE(openLink(QStringLiteral("kelvane://settings")));
    const QStringList settings = waitForWindows({QStringLiteral("--name"), QStringLiteral("^Settings$")});
    ASSERT_EQ(settings.size(), 1) << "no one window titled Settings";
    EXPECT_TRUE(hasIcon(settings.first())) << "settings window: " << iconProperty(settings.first()).toStdString();

    // A link within a second of the last one is dropped: sent again until it opens the dialog.
    QStringList custom;
    for (int attempt = 0; attempt < 5 && custom.isEmpty(); ++attempt) {
        ASSERT_TRUE(openLink(QStringLiteral("kelvane://custom")));
        custom = waitForWindows({QStringLiteral("--name"), QStringLiteral("^Custom Duration$")});
    }
    ASSERT_EQ(custom.size(), 1) << "the link opened no Custom Duration dialog";
    EXPECT_TRUE(hasIcon(custom.first())) << "custom-duration dialog: " << iconProperty(custom.first()).toStdString();
    // Closed again, so the popover's clicks go to the program's main loop.
    ASSERT_TRUE(waitUntil(
        [&] {
            return xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), custom.first()});
        },
        5s));
    ASSERT_TRUE(m_screen->waitForFocus(custom.first()));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    ASSERT_TRUE(waitUntil([&] {
        return m_screen
            ->search({QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Custom Duration$")})
            .isEmpty();
    })) << "Escape did not close the Custom Duration dialog";

    ASSERT_TRUE(m_screen->click(iconState->geometry, 1));
    const QString popover = waitForWindowOfWidth(PopoverFrame::frameWidth);
    ASSERT_FALSE(popover.isEmpty()) << "a left click opened no popover";
    const auto popoverArea = m_screen->waitForStill(popover);
    ASSERT_TRUE(popoverArea) << "the popover does not settle";
    const CustomTimerPopoverSpots spots = customTimerSpotsOfAPopover({}, {}, false);
    ASSERT_FALSE(spots.addTimer.isEmpty()) << "no + for custom timers in the popover";
    const int editorWidth = spotsOfANewTimerEditor().window.width();
    QString editor;
    ASSERT_TRUE(m_screen->clickUntil(
        popoverArea->topLeft() + spots.addTimer.center(),
        [&] { return !(editor = waitForWindowOfWidth(editorWidth, 0s)).isEmpty(); }, 5s, popover))
        << "the + opened no editor";
    EXPECT_TRUE(hasIcon(editor)) << "custom-timer editor: " << iconProperty(editor).toStdString();

    m_widget = m_desktop->start(QStringLiteral(KELVANE_WIDGET_PROGRAM), {});
    const QStringList widgets = waitForWindows({QStringLiteral("--classname"), QStringLiteral("^kelvane-widget$")});
    ASSERT_FALSE(widgets.isEmpty()) << "the widget program showed no widget";
    for (const QString& widget : widgets)
        EXPECT_TRUE(hasIcon(widget)) << "widget " << widget.toStdString() << ": " << iconProperty(widget).toStdString();
}

} // namespace
