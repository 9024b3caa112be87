// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fixture of a user's day with one program in the tray of a private
// desktop, driven only by what a user touches: clicks and keys through
// xdotool, links, the widget. Each step leaves screenshots of the screen and
// of the tray icon under the build folder.
#include "EndToEndFixture.h"
#include "PopoverSpots.h"

#include "Kelvane/status/ClickHintView.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/PulseServer.h"
#include "support/RequiredTools.h"
#include "support/SampleEnergy.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <optional>

namespace userday {

using namespace std::chrono_literals;
using platform::test::energy;
using platform::test::MonitorRecording;
using platform::test::PulseServer;
using platform::test::runEventLoop;
using platform::test::waitUntil;

inline const QString trayHost = QStringLiteral("trayer");
inline constexpr int recordingRate = 48000;

// The seconds of `samples` that hold sound, for messages.
inline std::string loudSeconds(const std::vector<float>& samples)
{
    std::string seconds = "loud seconds of " + std::to_string(samples.size() / recordingRate) + ":";
    for (std::size_t start = 0; start < samples.size(); start += recordingRate) {
        const auto from = samples.begin() + static_cast<std::ptrdiff_t>(start);
        const auto to = samples.begin() + static_cast<std::ptrdiff_t>(std::min(samples.size(), start + recordingRate));
        if (energy(std::vector<float>(from, to)) > 1e-3)
            seconds += " " + std::to_string(start / recordingRate);
    }
    return seconds;
}

// Waits until the last second `recording` holds is silent.
inline bool waitForQuiet(const MonitorRecording& recording, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const std::vector<float> samples = recording.samples();
        if (samples.size() >= recordingRate
            && energy(std::vector<float>(samples.end() - recordingRate, samples.end())) < 1e-3)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        runEventLoop(300ms);
    }
}

// Where "Got it" lies in the click hint, relative to its top-left corner:
// laid out here the way the program lays it out.
inline QPoint gotItInAFreshHint()
{
    ClickHintView view({});
    view.adjustSize();
    view.show();
    QCoreApplication::processEvents();
    QPushButton& button = view.gotItButton();
    return button.mapTo(&view, button.rect().center());
}

class UserDay : public OnDesktop<TestDesktop::Tray::XEmbedHost> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("import")}; }

    void SetUp() override
    {
        if (const auto missing = platform::test::firstMissingTool({"pulseaudio", "parec", "dunstctl"}))
            GTEST_SKIP() << "not installed: " << *missing;
        // Started first, so that the desktop's programs inherit its address.
        ASSERT_TRUE(m_pulseDirectory.isValid());
        m_pulse.emplace(m_pulseDirectory.path());
        ASSERT_TRUE(m_pulse->start()) << "the private PulseAudio server did not start";
        OnDesktop::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        QDir().mkpath(QStringLiteral(USERDAY_SCREENSHOT_DIR));
        ASSERT_NO_FATAL_FAILURE(chooseCompletionBeforeTheFirstLaunch());
    }

    void TearDown() override
    {
        m_recorder.reset();
        m_widget.reset();
        OnDesktop::TearDown();
        m_pulse.reset();
    }

    // What the user has chosen for a countdown's end, as a fixture: the
    // settings window's own effects are another step.
    void chooseCompletionBeforeTheFirstLaunch()
    {
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        ASSERT_TRUE(store && store->isShared());
        store->setString(SharedDefaultsKeys::completionDisplayBehavior.name, QStringLiteral("playAnimation"));
        store->setString(SharedDefaultsKeys::completionSelectedSound.name, QStringLiteral("hero"));
        store->setBool(SharedDefaultsKeys::completionShowNotification.name, true);
        store->setBool(SharedDefaultsKeys::respectFocusMode.name, true);
    }

    // For the steps that start on a later day: the hint was seen then.
    void markClickHintSeen() { ASSERT_TRUE(StoredTimer::markClickHintSeen(m_desktop->storePath())); }

    // The program started on a day after the first: the hint seen, the timer
    // idle, its icon in the tray.
    void startOnALaterDay()
    {
        ASSERT_NO_FATAL_FAILURE(markClickHintSeen());
        ASSERT_NO_FATAL_FAILURE(startInTray());
        ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at the start";
    }

    // Starts the program and waits for its icon in the tray.
    void startInTray()
    {
        startProgram();
        m_icon = waitForProgramWindow(trayHost);
        ASSERT_FALSE(m_icon.isEmpty()) << "no icon of the program inside trayer";
        const auto state = m_screen->state(m_icon);
        ASSERT_TRUE(state);
        m_iconArea = state->geometry;
    }

    // The program's viewable windows outside the tray.
    QStringList programWindowsOutsideTray() const
    {
        const QStringList hosts = m_screen->search({QStringLiteral("--class"), trayHost});
        QStringList found;
        for (const QString& window : m_screen->programWindows()) {
            if (!m_screen->isInside(window, hosts))
                found << window;
        }
        return found;
    }

    // The one window outside the tray `width` pixels wide that shows up within
    // `timeout`, or empty.
    QString waitForWindowOfWidth(int width, std::chrono::milliseconds timeout = 5s)
    {
        QString found;
        waitUntil(
            [&] {
                for (const QString& window : programWindowsOutsideTray()) {
                    const auto state = m_screen->state(window);
                    if (state && state->viewable && state->geometry.width() == width) {
                        found = window;
                        return true;
                    }
                }
                return false;
            },
            timeout);
        return found;
    }

    // The program's windows outside the tray with their places, for messages.
    std::string describeWindows() const
    {
        QStringList described;
        for (const QString& window : programWindowsOutsideTray()) {
            const auto state = m_screen->state(window);
            const QRect area = state ? state->geometry : QRect();
            described << QStringLiteral("%1 %2x%3+%4+%5")
                             .arg(window)
                             .arg(area.width())
                             .arg(area.height())
                             .arg(area.left())
                             .arg(area.top());
        }
        return "windows: " + described.join(QStringLiteral(", ")).toStdString();
    }

    bool waitUntilGone(const QString& window, std::chrono::milliseconds timeout = 5s)
    {
        return waitUntil(
            [&] {
                const auto state = m_screen->state(window);
                return !state || !state->viewable;
            },
            timeout);
    }

    bool xdotool(const QStringList& arguments) const
    {
        return m_desktop->run(QStringLiteral("xdotool"), arguments).has_value();
    }

    bool openLink(const QString& link) const { return m_desktop->startProgram({link})->waitForExit(5s) == 0; }

    // The whole screen and the tray icon as `step` leaves them.
    QImage shoot(const QString& step) const
    {
        m_screen->capture(QStringLiteral("root"), QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1.png").arg(step));
        return m_screen->capture(m_icon, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-tray.png").arg(step));
    }

    bool storedBool(const stored::Key<bool>& key) const
    {
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        return store && store->boolValue(key);
    }

    // A window of another program that has the keyboard focus.
    void focusAnotherWindow()
    {
        m_recorder = m_desktop->start(QStringLiteral(KELVANE_KEY_RECORDER_HELPER), {});
        const auto ready = m_recorder->readLine(15s);
        ASSERT_TRUE(ready && ready->startsWith(QStringLiteral("ready "))) << "the key recorder did not show";
        const QString window = ready->mid(6);
        // Said before the server has it viewable; activating it only works then.
        ASSERT_TRUE(xdotool({QStringLiteral("windowmap"), QStringLiteral("--sync"), window}));
        ASSERT_TRUE(waitUntil(
            [&] {
                return xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
            },
            5s));
        ASSERT_TRUE(m_screen->waitForFocus(window)) << "the key recorder did not get the focus";
    }

    // Types `chord` and waits until the focused window has received `key`.
    void typeIntoOtherWindow(const QString& chord, const QString& key)
    {
        ASSERT_TRUE(xdotool({QStringLiteral("key"), chord}));
        bool received = false;
        waitUntil(
            [&] {
                while (const auto line = m_recorder->readLine(0ms))
                    received = received || *line == QStringLiteral("key ") + key;
                return received;
            },
            5s);
        EXPECT_TRUE(received) << chord.toStdString() << " did not reach the focused window";
    }

    // The number of notifications dunst shows, keeps or holds back.
    int notificationCount() const
    {
        int count = 0;
        for (const char* which : {"displayed", "history", "waiting"}) {
            const auto output
                = m_desktop->run(QStringLiteral("dunstctl"), {QStringLiteral("count"), QLatin1String(which)});
            count += output ? output->trimmed().toInt() : 0;
        }
        return count;
    }

    // Whether the tray icon changes picture within `within`.
    bool trayIconMoves(const QString& step, std::chrono::milliseconds within) const
    {
        const QImage first = m_screen->capture(m_icon, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-a.png").arg(step));
        return waitUntil(
            [&] {
                const QImage later
                    = m_screen->capture(m_icon, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-b.png").arg(step));
                return !first.isNull() && !later.isNull() && later != first;
            },
            within);
    }

    void firstLaunchShowsTheHintOnce();
    void fiveMinutesFromThePopoverWithClicksAndKeys();
    void startOneMinuteCustomCountdown();
    void oneMinuteCountdownCompletes();
    void oneMinuteCountdownCompletesQuietlyInDoNotDisturb();
    void theWidgetStartsAndPausesTheTimer();
    QString toggleFloatingDisplayFromThePopover();
    void theFloatingPanelIsMovedAndComesBackThere();

    QTemporaryDir m_pulseDirectory;
    std::optional<PulseServer> m_pulse;
    QString m_icon;
    QRect m_iconArea;
    std::unique_ptr<DesktopProcess> m_recorder;
    std::unique_ptr<DesktopProcess> m_widget;
};

} // namespace userday
