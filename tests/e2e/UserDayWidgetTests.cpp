// SPDX-License-Identifier: GPL-3.0-or-later
// A later day: the user turns the widget into the medium one from its own
// menu and tries every button of it, each confirmed by what it does in the
// program.
#include "UserDayFixture.h"

#include "widget-extension/host/WidgetPlacement.h"
#include "widget-extension/views/TimerWidgetLayout.h"

#include <algorithm>
#include <functional>

namespace userday {
namespace {

// Where the medium widget's controls lie, laid out as the widget lays them out.
TimerWidgetLayout mediumLayout()
{
    TimerWidgetEntry entry;
    entry.timerState = WidgetTimerState::idle();
    return layoutTimerWidget(entry, WidgetFamily::Medium);
}

const SelectPresetIntent* presetOf(const WidgetControl& control)
{
    const auto* intent = std::get_if<WidgetIntent>(&control.action);
    return intent ? std::get_if<SelectPresetIntent>(intent) : nullptr;
}

} // namespace

class UserDayWidget : public UserDay {
protected:
    // The visible windows of the widget program.
    QStringList widgetWindows() const
    {
        return m_screen->search(
            {QStringLiteral("--onlyvisible"), QStringLiteral("--classname"), QStringLiteral("^kelvane-widget$")});
    }

    void startWidgetProgram()
    {
        m_widget = m_desktop->start(QStringLiteral(KELVANE_WIDGET_PROGRAM), {});
        QStringList found;
        waitUntil([&] { return !(found = widgetWindows()).isEmpty(); }, 15s);
        ASSERT_EQ(found.size(), 1) << "not one widget window";
        m_window = found.first();
        ASSERT_TRUE(m_screen->waitForStill(m_window));
    }

    std::optional<QRect> widgetArea() const
    {
        const auto state = m_screen->state(m_window);
        return state && state->viewable ? std::optional(state->geometry) : std::nullopt;
    }

    // The widget window alone, beside the screenshots of `step`.
    QImage captureWidget(const QString& step) const
    {
        return m_screen->capture(m_window, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-window.png").arg(step));
    }

    // The widget's right-click menu, keyed as a user would: the sizes follow
    // the preset submenu. A menu the machine was too slow for is tried again.
    void chooseMediumFromTheMenu()
    {
        const QSize medium = widgetSize(WidgetFamily::Medium).toSize();
        for (int attempt = 0; attempt < 3; ++attempt) {
            const auto area = widgetArea();
            ASSERT_TRUE(area);
            ASSERT_TRUE(m_screen->click(*area, 3));
            QString menu;
            waitUntil(
                [&] {
                    for (const QString& window : widgetWindows()) {
                        if (window != m_window)
                            menu = window;
                    }
                    return !menu.isEmpty();
                },
                5s);
            if (menu.isEmpty())
                continue;
            // Drawn and holding the keyboard before it is keyed.
            runEventLoop(500ms);
            shoot(QStringLiteral("widget-01-menu"));
            ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("150"),
                                 QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                                 QStringLiteral("Return")}));
            if (waitUntil([&] { return widgetArea() && widgetArea()->size() == medium; }, 5s))
                return;
            // A menu left open would take the next right click.
            if (m_screen->state(menu) && m_screen->state(menu)->viewable)
                xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
            waitUntilGone(menu);
        }
        FAIL() << "the menu did not make the widget " << medium.width() << " px wide";
    }

    // Clicks `spot` of the widget (its own coordinates) until `done`.
    bool clickUntil(QPointF spot, const std::function<bool()>& done, std::chrono::milliseconds timeout = 5s)
    {
        const auto area = widgetArea();
        return area && m_screen->clickUntil(area->topLeft() + spot.toPoint(), done, timeout);
    }

    QStringList windowsTitled(const QString& title) const
    {
        return m_screen->search(
            {QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
    }

    bool titleShown(const QString& title) const { return !windowsTitled(title).isEmpty(); }

    // The one visible window titled `title`, once shown.
    QString waitForTitle(const QString& title, std::chrono::milliseconds timeout = 10s)
    {
        QStringList found;
        waitUntil([&] { return !(found = windowsTitled(title)).isEmpty(); }, timeout);
        return found.size() == 1 ? found.first() : QString();
    }

    // Gives `window` the keyboard and presses `chord` in it.
    bool keyInto(const QString& window, const QString& chord)
    {
        return waitUntil(
                   [&] {
                       return xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
                   },
                   5s)
            && xdotool({QStringLiteral("key"), chord});
    }

    void presetButtonsStartTheirPresets(const TimerWidgetLayout& layout);
    void settingsAndCustomButtonsOpenTheirWindows(const TimerWidgetLayout& layout);
    void theTimeToggles(const TimerWidgetLayout& layout);

    QString m_window;
};

void UserDayWidget::presetButtonsStartTheirPresets(const TimerWidgetLayout& layout)
{
    int tried = 0;
    for (const WidgetControl& control : layout.quickColumn) {
        const SelectPresetIntent* intent = presetOf(control);
        if (!intent)
            continue;
        ++tried;
        const TimerPresetEntity& preset = intent->preset;
        const QString step
            = QStringLiteral("widget-%1-preset-%2").arg(tried + 2, 2, 10, QLatin1Char('0')).arg(control.label);
        const QImage trayBefore
            = m_screen->capture(m_icon, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-tray-before.png").arg(step));
        const bool started = clickUntil(control.rect.center(), [&] {
            const auto stored = m_timer->snapshot();
            return stored && stored->mode == TimerMode::Running && stored->selectedPresetID == preset.id
                && stored->duration == preset.durationMinutes * 60;
        });
        const auto stored = m_timer->snapshot();
        ASSERT_TRUE(started) << "the " << control.label.toStdString() << " button did not start "
                             << preset.id.toStdString() << "; stored: "
                             << (stored ? stored->selectedPresetID.value_or(QString()).toStdString() : "none") << ", "
                             << (stored ? stored->duration : -1) << " s";
        EXPECT_TRUE(waitUntil(
            [&] {
                const QImage now
                    = m_screen->capture(m_icon, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-tray-after.png").arg(step));
                return !now.isNull() && !trayBefore.isNull() && now != trayBefore;
            },
            3s))
            << "the tray shows the same after the " << control.label.toStdString() << " button";
        // The widget redrawn with the preset chosen.
        runEventLoop(700ms);
        captureWidget(step);
        shoot(step);
    }
    EXPECT_EQ(tried, 4) << "not the four preset buttons";
}

void UserDayWidget::settingsAndCustomButtonsOpenTheirWindows(const TimerWidgetLayout& layout)
{
    const auto custom = std::find_if(layout.quickColumn.begin(), layout.quickColumn.end(),
                                     [](const WidgetControl& c) { return c.kind == WidgetControl::Kind::CustomLink; });
    const auto settings
        = std::find_if(layout.quickColumn.begin(), layout.quickColumn.end(),
                       [](const WidgetControl& c) { return c.kind == WidgetControl::Kind::SettingsLink; });
    ASSERT_NE(custom, layout.quickColumn.end());
    ASSERT_NE(settings, layout.quickColumn.end());

    const QString customTitle = QStringLiteral("Custom Duration");
    ASSERT_TRUE(clickUntil(
        custom->rect.center(), [&] { return titleShown(customTitle); }, 10s))
        << "the Custom button opened no Custom Duration dialog; " << describeWindows();
    const QString dialog = waitForTitle(customTitle);
    ASSERT_FALSE(dialog.isEmpty()) << "not one Custom Duration dialog";
    ASSERT_TRUE(m_screen->waitForStill(dialog));
    shoot(QStringLiteral("widget-07-custom-duration"));
    ASSERT_TRUE(keyInto(dialog, QStringLiteral("Escape")));
    ASSERT_TRUE(waitUntilGone(dialog)) << "Escape did not close the Custom Duration dialog";
    EXPECT_EQ(m_timer->mode(), TimerMode::Running) << "closing the dialog unasked changed the timer";

    const QString settingsTitle = QStringLiteral("Settings");
    ASSERT_TRUE(clickUntil(
        settings->rect.center(), [&] { return titleShown(settingsTitle); }, 10s))
        << "the settings button opened no Settings window; " << describeWindows();
    const QString window = waitForTitle(settingsTitle);
    ASSERT_FALSE(window.isEmpty()) << "not one Settings window";
    ASSERT_TRUE(programWindowsOutsideTray().contains(window)) << "the Settings window is not the program's";
    ASSERT_TRUE(m_screen->waitForStill(window));
    runEventLoop(500ms);
    shoot(QStringLiteral("widget-08-settings"));
    // Closed through the window manager, as its title bar's button does; the
    // window stands over the widget otherwise.
    ASSERT_TRUE(keyInto(window, QStringLiteral("alt+F4")));
    ASSERT_TRUE(waitUntilGone(window)) << "the Settings window did not close";
}

void UserDayWidget::theTimeToggles(const TimerWidgetLayout& layout)
{
    // A toggle is not clicked twice: the second would undo the first.
    const auto clickTime = [&] {
        const auto area = widgetArea();
        return area && m_screen->click(QRect(area->topLeft() + layout.timeArea.center().toPoint(), QSize(1, 1)), 1);
    };
    ASSERT_TRUE(clickTime());
    ASSERT_TRUE(waitForMode(TimerMode::Paused, 5s)) << "a click on the time did not pause";
    runEventLoop(700ms);
    captureWidget(QStringLiteral("widget-09-paused"));
    shoot(QStringLiteral("widget-09-paused"));
    ASSERT_TRUE(clickTime());
    ASSERT_TRUE(waitForMode(TimerMode::Running, 5s)) << "a second click on the time did not resume";
    runEventLoop(700ms);
    captureWidget(QStringLiteral("widget-10-resumed"));
    shoot(QStringLiteral("widget-10-resumed"));
}

TEST_F(UserDayWidget, TheMediumWidgetsButtonsTried)
{
    ASSERT_NO_FATAL_FAILURE(startOnALaterDay());
    ASSERT_NO_FATAL_FAILURE(startWidgetProgram());
    runEventLoop(500ms);
    captureWidget(QStringLiteral("widget-00-small"));

    ASSERT_NO_FATAL_FAILURE(chooseMediumFromTheMenu());
    const auto placed = m_screen->waitForStill(m_window);
    ASSERT_TRUE(placed);
    EXPECT_TRUE(QRect(QPoint(0, 0), m_desktop->screenSize()).contains(*placed))
        << "the medium widget does not fit the screen: " << placed->x() << "," << placed->y();
    runEventLoop(500ms);
    captureWidget(QStringLiteral("widget-02-medium"));
    shoot(QStringLiteral("widget-02-medium"));
    const auto saved = WidgetPlacement::load(m_desktop->path(QStringLiteral("config/kelvane-widget/widgets.json")));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved.front().family, WidgetFamily::Medium) << "the size chosen is not remembered";

    const TimerWidgetLayout layout = mediumLayout();
    ASSERT_EQ(layout.quickColumn.size(), 6u);
    ASSERT_NO_FATAL_FAILURE(presetButtonsStartTheirPresets(layout));
    ASSERT_NO_FATAL_FAILURE(settingsAndCustomButtonsOpenTheirWindows(layout));
    ASSERT_NO_FATAL_FAILURE(theTimeToggles(layout));
}

} // namespace userday
