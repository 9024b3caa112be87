// SPDX-License-Identifier: GPL-3.0-or-later
// A later day: the settings window opened from the popover, each of its pages
// changed once with the pointer and the keys, and what each change does seen
// in the tray icon where it reaches it, elsewhere where it does not.
#include "UserDayFixture.h"

#include "../Kelvane/settingswindow/SettingsWindowRig.h"

#include "Kelvane/settingswindow/SettingsTab.h"
#include "Kelvane/settingswindow/SettingsView.h"
#include "Kelvane/settingswindow/pages/AppearancePage.h"
#include "Kelvane/settingswindow/pages/BehaviorPage.h"
#include "Kelvane/settingswindow/pages/GeneralPage.h"
#include "Kelvane/settingswindow/pickers/ColorSchemePicker.h"
#include "Kelvane/settingswindow/pickers/ColorSwatchCell.h"
#include "Kelvane/settingswindow/pickers/ColorSwatchGrid.h"

#include "PlatformKit/core/RawValueEnum.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

namespace userday {

namespace {

// The program's own settings view laid out here at the size of the window on
// the screen, over a fresh store with the completion the fixture chose: where
// its controls lie, relative to the window's top-left corner.
class LaidOutSettings {
public:
    explicit LaidOutSettings(QSize size)
    {
        m_rig.settings.completionSettings().setDisplayBehavior(CompletionBehavior::PlayAnimation);
        m_view = std::make_unique<SettingsView>(m_rig.parts());
        m_view->resize(size);
        m_view->show();
        QCoreApplication::processEvents();
    }

    SettingsView& view() { return *m_view; }

    void show(SettingsTab tab)
    {
        m_view->setSelectedTab(tab);
        QCoreApplication::processEvents();
    }

    QPoint middleOf(const QWidget* widget) const
    {
        return widget ? widget->mapTo(m_view.get(), widget->rect().center()) : QPoint(-1, -1);
    }

private:
    SettingsWindowRig m_rig;
    std::unique_ptr<SettingsView> m_view;
};

// A lit pixel of a coloured display: bright and saturated, as neither the
// tray's background nor white or grey dots are.
bool isLitIn(QRgb pixel, const QColor& color)
{
    const QColor seen(pixel);
    const int hueApart = std::abs(seen.hsvHue() - color.hsvHue());
    return seen.hsvSaturation() > 100 && seen.value() > 100 && std::min(hueApart, 360 - hueApart) < 25;
}

int pixelsLitIn(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += isLitIn(image.pixel(x, y), color) ? 1 : 0;
    }
    return count;
}

} // namespace

class UserDaySettings : public UserDay {
protected:
    // Opens the popover with a click on the icon and clicks its Settings row;
    // a click the popup had not taken yet is given once more.
    void openSettingsFromThePopover()
    {
        const QPoint row = spotsOfAFreshPopover().settings;
        ASSERT_GE(row.y(), 0) << "no Settings row in the popover";
        ASSERT_TRUE(m_screen->click(m_iconArea, 1));
        const QString popover = waitForWindowOfWidth(260);
        ASSERT_FALSE(popover.isEmpty()) << "a left click opened no popover; " << describeWindows();
        const auto area = m_screen->waitForStill(popover);
        ASSERT_TRUE(area) << "the popover does not settle";
        shoot(QStringLiteral("settings-02-popover"));
        for (int attempt = 0; attempt < 2 && m_window.isEmpty(); ++attempt) {
            ASSERT_TRUE(m_screen->click(QRect(area->topLeft() + row, QSize(1, 1)), 1));
            waitUntil(
                [&] {
                    const QStringList found = m_screen->search(
                        {QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Settings$")});
                    m_window = found.size() == 1 ? found.first() : QString();
                    return !m_window.isEmpty();
                },
                3s);
        }
        ASSERT_FALSE(m_window.isEmpty()) << "the Settings row opened no settings window; " << describeWindows();
        EXPECT_TRUE(waitUntilGone(popover)) << "the popover stayed over the settings window";
        // Placed by the window manager at its first size, then drawn.
        ASSERT_TRUE(waitUntil(
            [&] {
                const auto state = m_screen->state(m_window);
                return state && state->viewable && state->geometry.width() >= SettingsView::smallestSize.width();
            },
            5s));
        const auto placed = m_screen->waitForStill(m_window);
        ASSERT_TRUE(placed) << "the settings window does not settle";
        m_windowArea = *placed;
    }

    QImage captureSettings(const QString& step) const
    {
        return m_screen->capture(m_window, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-window.png").arg(step));
    }

    bool activateSettings() const
    {
        return waitUntil(
            [&] {
                return xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), m_window});
            },
            5s);
    }

    // Shows `tab` with the window's own Control-digit key; the page coming up
    // confirms it, and a key a loaded machine lost is pressed once more.
    void showTab(SettingsTab tab, const QString& step)
    {
        const QImage before = captureSettings(step + QStringLiteral("-before"));
        bool shown = false;
        for (int attempt = 0; attempt < 2 && !shown; ++attempt) {
            ASSERT_TRUE(activateSettings()) << "the settings window cannot be activated";
            ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+%1").arg(shortcutDigit(tab))}));
            shown = waitUntil([&] { return captureSettings(step) != before; }, 3s);
        }
        ASSERT_TRUE(shown) << "Ctrl+" << shortcutDigit(tab) << " did not show the " << title(tab).toStdString()
                           << " page";
        m_layout->show(tab);
        // The page's own animations (the appearance preview) run out first.
        runEventLoop(500ms);
    }

    // Clicks `spot` of the window until `done`.
    bool clickUntil(QPoint spot, const std::function<bool()>& done)
    {
        return m_screen->clickUntil(m_windowArea.topLeft() + spot, done, 3s);
    }

    std::optional<QString> storedString(const QString& key) const
    {
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        return store ? store->string(key) : std::nullopt;
    }

    void generalShortcutsTurnedOff();
    void appearanceDigitsInAnotherColor();
    void behaviorCompletionShowsACheckmark();
    void aboutChangesNothing();

    QString m_window;
    QRect m_windowArea;
    std::optional<LaidOutSettings> m_layout;
    // The digit colour chosen on the Appearance page.
    QColor m_digitColor;
};

// No switch of the General page draws into the tray icon. The global
// shortcuts reach it through the timer, though: once they are off,
// Ctrl+Shift+T typed into another program leaves the idle timer, and the
// tray's picture of it, as they were.
void UserDaySettings::generalShortcutsTurnedOff()
{
    const auto shortcutsOn = [&] {
        // Not stored before the first change: on by default.
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        const QString key(SharedDefaultsKeys::globalShortcutsEnabled.name);
        return !store || !store->object(key) ? SharedDefaultsKeys::globalShortcutsEnabled.defaultValue
                                             : store->boolValue(key);
    };
    ASSERT_TRUE(shortcutsOn()) << "the shortcuts are off before the change";
    const QPoint toggle = m_layout->middleOf(m_layout->view().generalPage()->globalShortcutsToggle());
    ASSERT_TRUE(clickUntil(toggle, [&] { return !shortcutsOn(); }))
        << "the click on Global Keyboard Shortcuts did not turn them off";
    captureSettings(QStringLiteral("settings-03-general-shortcuts-off"));
    const QImage before = shoot(QStringLiteral("settings-03-general-shortcuts-off"));

    ASSERT_NO_FATAL_FAILURE(focusAnotherWindow());
    typeIntoOtherWindow(QStringLiteral("ctrl+shift+t"), QStringLiteral("T"));
    // Time for a shortcut that still worked to start the timer.
    runEventLoop(1500ms);
    EXPECT_EQ(m_timer->mode(), TimerMode::Idle) << "Ctrl+Shift+T still started the timer";
    const QImage after = shoot(QStringLiteral("settings-04-general-shortcut-ignored"));
    EXPECT_EQ(after, before) << "the tray changed on Ctrl+Shift+T with the shortcuts off";
    m_recorder.reset();
}

// The digit colour reaches the tray icon at once: its lit dots turn to the
// chosen colour.
void UserDaySettings::appearanceDigitsInAnotherColor()
{
    ASSERT_NO_FATAL_FAILURE(showTab(SettingsTab::Appearance, QStringLiteral("settings-05-appearance")));
    auto* page = qobject_cast<AppearancePage*>(m_layout->view().appearancePage());
    ASSERT_TRUE(page);

    // The colours sit at the end of the page: scrolled there with the wheel,
    // as far as it goes, and the laid-out page likewise.
    const QPoint scrollArea = m_layout->middleOf(page->scrollArea());
    ASSERT_TRUE(m_screen->click(QRect(m_windowArea.topLeft() + scrollArea, QSize(1, 1)), 5));
    QImage scrolled = captureSettings(QStringLiteral("settings-06-appearance-scrolled"));
    bool atTheEnd = false;
    for (int round = 0; round < 20 && !atTheEnd; ++round) {
        ASSERT_TRUE(xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("5"),
                             QStringLiteral("--delay"), QStringLiteral("30"), QStringLiteral("5")}));
        runEventLoop(200ms);
        const QImage now = captureSettings(QStringLiteral("settings-06-appearance-scrolled"));
        atTheEnd = now == scrolled;
        scrolled = now;
    }
    ASSERT_TRUE(atTheEnd) << "the Appearance page does not stop scrolling";
    QScrollBar* bar = page->scrollArea()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();

    // The most saturated preset: far from the white and grey of the default look.
    const QList<ColorSwatchCell*>& cells = page->colorSchemePicker()->digitGrid()->presetCells();
    ASSERT_FALSE(cells.isEmpty()) << "no preset digit colours";
    ColorSwatchCell* chosen = nullptr;
    for (ColorSwatchCell* cell : cells) {
        if (!cell->isSelected() && (!chosen || cell->fill().hsvSaturation() > chosen->fill().hsvSaturation()))
            chosen = cell;
    }
    ASSERT_TRUE(chosen && chosen->fill().hsvSaturation() > 150) << "no saturated preset colour";
    m_digitColor = chosen->fill();
    const QPoint swatch = m_layout->middleOf(chosen);
    ASSERT_LT(swatch.y(), m_windowArea.height()) << "the swatch lies below the window";

    const QImage before = shoot(QStringLiteral("settings-06-appearance-before"));
    ASSERT_LT(pixelsLitIn(before, m_digitColor), 3) << "the tray shows the colour before it is chosen";
    QImage after;
    ASSERT_TRUE(clickUntil(swatch,
                           [&] {
                               after = m_screen->capture(
                                   m_icon,
                                   QStringLiteral(USERDAY_SCREENSHOT_DIR "/settings-07-appearance-colour-tray.png"));
                               return pixelsLitIn(after, m_digitColor) >= 10;
                           }))
        << "the tray's dots did not take the colour " << m_digitColor.name().toStdString() << " of the clicked swatch";
    captureSettings(QStringLiteral("settings-07-appearance-colour"));
    shoot(QStringLiteral("settings-07-appearance-colour"));
    EXPECT_NE(after, before);
}

// The completion's look reaches the tray when a countdown ends: a still
// checkmark where the animation the day began with played.
void UserDaySettings::behaviorCompletionShowsACheckmark()
{
    ASSERT_NO_FATAL_FAILURE(showTab(SettingsTab::Behavior, QStringLiteral("settings-08-behavior")));
    QAbstractButton* checkmark = m_layout->view().behaviorPage()->completionBehaviorGroup()->button(
        static_cast<int>(CompletionBehavior::ShowCheckmark));
    ASSERT_TRUE(checkmark);
    const QString stored = platform::rawValue(CompletionBehavior::ShowCheckmark);
    ASSERT_TRUE(clickUntil(m_layout->middleOf(checkmark), [&] {
        return storedString(SharedDefaultsKeys::completionDisplayBehavior.name) == stored;
    })) << "the click on Show Checkmark did not choose it";
    captureSettings(QStringLiteral("settings-09-behavior-checkmark"));

    ASSERT_NO_FATAL_FAILURE(startOneMinuteCustomCountdown());
    const QImage running = shoot(QStringLiteral("settings-10-behavior-minute-running"));
    ASSERT_TRUE(waitForMode(TimerMode::Completed, 75s)) << "the minute did not complete";
    // Drawn once the completion is shown.
    runEventLoop(1s);
    EXPECT_FALSE(trayIconMoves(QStringLiteral("settings-11-behavior-completed"), 3s))
        << "the tray moves at the end: an animation, not a checkmark";
    const QImage completed = shoot(QStringLiteral("settings-11-behavior-completed"));
    EXPECT_NE(completed, running) << "the tray shows no change at the end";
    EXPECT_GE(pixelsLitIn(completed, m_digitColor), 3) << "the checkmark is not in the chosen colour";
}

// The About page holds no setting at all: showing it leaves the tray as it was.
void UserDaySettings::aboutChangesNothing()
{
    const QImage before = shoot(QStringLiteral("settings-12-about-before"));
    ASSERT_NO_FATAL_FAILURE(showTab(SettingsTab::About, QStringLiteral("settings-12-about")));
    EXPECT_EQ(shoot(QStringLiteral("settings-13-about")), before) << "showing the About page changed the tray";
}

TEST_F(UserDaySettings, EachPageChangedOnceShowsInTheTray)
{
    ASSERT_NO_FATAL_FAILURE(startOnALaterDay());
    shoot(QStringLiteral("settings-01-idle"));
    ASSERT_NO_FATAL_FAILURE(openSettingsFromThePopover());
    m_layout.emplace(m_windowArea.size());
    ASSERT_NO_FATAL_FAILURE(generalShortcutsTurnedOff());
    ASSERT_NO_FATAL_FAILURE(appearanceDigitsInAnotherColor());
    ASSERT_NO_FATAL_FAILURE(behaviorCompletionShowsACheckmark());
    ASSERT_NO_FATAL_FAILURE(aboutChangesNothing());
}

} // namespace userday
