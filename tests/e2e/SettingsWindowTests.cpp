// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window opened by a link: "Floating Display" turned on with a
// click is stored at once, and the floating panel, where the program has one,
// comes up; the window asks to be closed and resized, never minimised or
// maximised.
#include "EndToEndFixture.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iostream>

using namespace std::chrono_literals;

namespace {

// A switch's frame or mark: darker than the card and the window behind it.
bool isSwitchInk(QRgb pixel)
{
    return qGray(pixel) < 215;
}

// The vertical runs of the window's image where a switch's frame shows: dark
// pixels in a column band near the right edge, where the General page has its
// switches and nothing else. Top to bottom, each as a rectangle in the image.
QList<QRect> switchesIn(const QImage& image)
{
    // Inside the cards' right edge, clear of their outline.
    const int left = image.width() - 60;
    const int right = image.width() - 25;
    QList<QRect> found;
    int runStart = -1;
    for (int y = 0; y <= image.height(); ++y) {
        bool dark = false;
        for (int x = left; y < image.height() && x < right && !dark; ++x)
            dark = isSwitchInk(image.pixel(x, y));
        if (dark && runStart < 0)
            runStart = y;
        if (!dark && runStart >= 0) {
            // A switch is some 10 to 30 pixels high; lines and frames are thinner.
            if (const int height = y - runStart; height >= 10 && height <= 30)
                found.append(QRect(left, runStart, right - left, height));
            runStart = -1;
        }
    }
    return found;
}

// The left and right ends of the dark pixels in `band` of `image`: the switch itself.
QRect narrowed(const QImage& image, const QRect& band)
{
    int minX = band.right(), maxX = band.left();
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            if (isSwitchInk(image.pixel(x, y))) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
        }
    }
    return QRect(QPoint(minX, band.top()), QPoint(maxX, band.bottom()));
}

bool storedFloatingDisplay(const QString& storePath)
{
    if (!QFileInfo::exists(storePath))
        return false;
    const auto store = platform::UserDefaults::openFile(storePath);
    return store && store->boolValue(SharedDefaultsKeys::floatingDisplayEnabled);
}

class SettingsLink : public OnDesktop<TestDesktop::Tray::None> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("import"), QStringLiteral("xprop")}; }

    // The program started on the settings link, and the windows titled
    // Settings it shows.
    QStringList openSettings()
    {
        startProgram({QStringLiteral("kelvane://settings")});
        QStringList settingsWindows;
        platform::test::waitUntil(
            [&] {
                settingsWindows = m_screen->search(
                    {QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Settings$")});
                return !settingsWindows.isEmpty();
            },
            15s);
        return settingsWindows;
    }
};

TEST_F(SettingsLink, FloatingDisplayTurnedOnWithAClick)
{
    const QStringList settingsWindows = openSettings();
    ASSERT_EQ(settingsWindows.size(), 1) << "no one window titled Settings";
    const QString window = settingsWindows.first();
    const QStringList before = m_screen->programWindows();
    ASSERT_TRUE(before.contains(window)) << "the Settings window is not the program's";

    // Placed by the window manager, then drawn.
    std::optional<WindowState> state;
    platform::test::waitUntil(
        [&] {
            state = m_screen->state(window);
            return state && state->viewable && state->geometry.width() >= 700;
        },
        5s);
    ASSERT_TRUE(state && state->viewable);
    EXPECT_GE(state->geometry.width(), 700);
    EXPECT_GE(state->geometry.height(), 600);

    QDir().mkpath(QStringLiteral(E2E_OUTPUT_DIR));
    QList<QRect> switches;
    QImage shown;
    platform::test::waitUntil(
        [&] {
            shown = m_screen->capture(window, QStringLiteral(E2E_OUTPUT_DIR "/settings-general.png"));
            switches = shown.isNull() ? QList<QRect>() : switchesIn(shown);
            return switches.size() >= 3;
        },
        5s);
    // Launch at Login, Floating Display, Global Keyboard Shortcuts.
    ASSERT_GE(switches.size(), 3) << "the General page's switches were not found; see settings-general.png";
    ASSERT_FALSE(storedFloatingDisplay(m_desktop->storePath()));

    const QRect floating = narrowed(shown, switches[1]).translated(state->geometry.topLeft());
    ASSERT_TRUE(m_screen->click(floating, 1));
    EXPECT_TRUE(platform::test::waitUntil([&] { return storedFloatingDisplay(m_desktop->storePath()); }, 5s))
        << "the click did not store the floating display turned on";

    // The panel is a new window of the program; a build without one shows none.
    QStringList added;
    platform::test::waitUntil(
        [&] {
            added.clear();
            for (const QString& found : m_screen->programWindows()) {
                if (!before.contains(found))
                    added << found;
            }
            return !added.isEmpty();
        },
        5s);
    if (added.isEmpty())
        std::cout << "note: no floating panel window appeared (none in this build)\n";
    for (const QString& panel : added) {
        const auto panelState = m_screen->state(panel);
        EXPECT_TRUE(panelState && panelState->viewable) << "the floating panel is not viewable";
    }
    const auto still = m_screen->state(window);
    EXPECT_TRUE(still && still->viewable) << "the settings window went away";
}

TEST_F(SettingsLink, AsksTheWindowManagerForCloseAndResizeButNeitherMinimiseNorMaximise)
{
    const QStringList settingsWindows = openSettings();
    ASSERT_EQ(settingsWindows.size(), 1) << "no one window titled Settings";
    // Openbox lists every action whatever a window asks; what the program
    // asks of any window manager is in its Motif hints: flags, functions,
    // decorations.
    const auto hints = m_desktop->run(
        QStringLiteral("xprop"), {QStringLiteral("-id"), settingsWindows.first(), QStringLiteral("_MOTIF_WM_HINTS")});
    ASSERT_TRUE(hints.has_value());
    const QStringList fields = hints->section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    ASSERT_GE(fields.size(), 3) << hints->toStdString();
    bool read = false;
    const uint functions = fields[1].trimmed().toUInt(&read, 16);
    ASSERT_TRUE(read) << hints->toStdString();
    const uint decorations = fields[2].trimmed().toUInt(&read, 16);
    ASSERT_TRUE(read) << hints->toStdString();
    constexpr uint resize = 0x2, minimise = 0x8, maximise = 0x10, close = 0x20;
    EXPECT_TRUE(functions & close) << hints->toStdString();
    EXPECT_TRUE(functions & resize) << hints->toStdString();
    EXPECT_FALSE(functions & minimise) << hints->toStdString();
    EXPECT_FALSE(functions & maximise) << hints->toStdString();
    constexpr uint titleBar = 0x8, minimiseButton = 0x20, maximiseButton = 0x40;
    EXPECT_TRUE(decorations & titleBar) << hints->toStdString();
    EXPECT_FALSE(decorations & (minimiseButton | maximiseButton)) << hints->toStdString();
}

} // namespace
