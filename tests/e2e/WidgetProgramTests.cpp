// SPDX-License-Identifier: GPL-3.0-or-later
// Both programs on one desktop: a click on the small widget's time area
// starts the program's timer, the widget follows the program's changes, and a
// snapshot it cannot read marks the widget.
#include "EndToEndFixture.h"

#include "widget-extension/views/TimerWidgetPainter.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include "support/RecordingNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

using namespace std::chrono_literals;

namespace {

// Where the status line of the text display is drawn in the small widget.
const QRect statusBand(16, 105, 138, 30);

// How far two pictures of the status band are apart, pixel by pixel.
qint64 distance(const QImage& a, const QImage& b)
{
    qint64 sum = 0;
    for (int y = statusBand.top(); y <= statusBand.bottom(); ++y) {
        for (int x = statusBand.left(); x <= statusBand.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum;
}

class WidgetProgram : public OnDesktop<TestDesktop::Tray::None> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("import"), QStringLiteral("xprop")}; }

    void SetUp() override
    {
        OnDesktop::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        QDir().mkpath(QStringLiteral(E2E_OUTPUT_DIR));
        // The text display, whose status line tells the timer's mode.
        auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        ASSERT_TRUE(store && store->isShared());
        store->setString(SharedDefaultsKeys::displayType.name, QStringLiteral("sevenSegmentV2"));
    }

    void TearDown() override
    {
        m_widget.reset();
        OnDesktop::TearDown();
    }

    // Starts the widget program; the area of its one widget on screen.
    QRect startWidget()
    {
        m_widget = m_desktop->start(QStringLiteral(KELVANE_WIDGET_PROGRAM), {});
        QStringList found;
        platform::test::waitUntil(
            [&] {
                return !(found = m_screen->search({QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                                                   QStringLiteral("^kelvane-widget$")}))
                            .isEmpty();
            },
            15s);
        if (found.isEmpty())
            return {};
        m_window = found.first();
        const auto state = m_screen->state(m_window);
        return state ? state->geometry : QRect();
    }

    QImage capture(const QString& name) const
    {
        return m_screen->capture(m_window, QStringLiteral(E2E_OUTPUT_DIR "/widget-%1.png").arg(name));
    }

    // The status line as the widget draws it for `mode`, drawn here.
    static QImage expectedFor(TimerMode mode)
    {
        TimerWidgetEntry entry;
        entry.timerState = WidgetTimerState::idle();
        entry.timerState.mode = mode;
        entry.appearanceSettings.displayType = WidgetDisplayType::SevenSegment;
        QImage drawn = TimerWidgetPainter::renderImage(entry, WidgetFamily::Small, WidgetRenderingMode::FullColor);
        QImage onBlack(drawn.size(), QImage::Format_RGB32);
        onBlack.fill(Qt::black);
        QPainter(&onBlack).drawImage(0, 0, drawn);
        return onBlack;
    }

    // The mode whose status line the widget shows, of those given.
    std::optional<TimerMode> shownMode(const QString& name, std::initializer_list<TimerMode> modes) const
    {
        const QImage shot = capture(name);
        if (shot.size() != QSize(170, 170))
            return std::nullopt;
        std::optional<TimerMode> closest;
        qint64 best = std::numeric_limits<qint64>::max();
        for (const TimerMode mode : modes) {
            const qint64 d = distance(shot, expectedFor(mode));
            if (d < best) {
                best = d;
                closest = mode;
            }
        }
        return closest;
    }

    bool waitForWidget(TimerMode mode, std::initializer_list<TimerMode> modes, std::chrono::milliseconds timeout)
    {
        return platform::test::waitUntil([&] { return shownMode(QStringLiteral("probe"), modes) == mode; }, timeout);
    }

    // The store's command queue, as the two programs share it.
    TimerCommandQueue queue()
    {
        if (!m_store)
            m_store = platform::UserDefaults::openFile(m_desktop->storePath());
        return TimerCommandQueue(*m_store, m_notifier);
    }

    std::unique_ptr<DesktopProcess> m_widget;
    QString m_window;
    std::unique_ptr<platform::UserDefaults> m_store;
    RecordingNotifier m_notifier; // the test only reads the queue
};

TEST_F(WidgetProgram, TheWidgetStartsAndFollowsTheProgramsTimer)
{
    startProgram();
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    const QRect area = startWidget();
    ASSERT_FALSE(area.isEmpty()) << "no widget window";
    EXPECT_EQ(area.size(), QSize(170, 170));
    EXPECT_GE(area.left(), m_desktop->screenSize().width() / 2) << "the first widget sits at the top right";
    EXPECT_LE(area.top(), 64);
    // Kept on the desktop by the window manager: below, out of the taskbar and
    // pager, and on every workspace (which openbox tells as the desktop
    // 0xFFFFFFFF rather than as a state).
    const auto property = [&](const char* name) {
        return m_desktop->run(QStringLiteral("xprop"), {QStringLiteral("-id"), m_window, QLatin1String(name)})
            .value_or(QString());
    };
    platform::test::waitUntil([&] { return property("_NET_WM_STATE").contains(QStringLiteral("_NET_WM_STATE_BELOW")); },
                              3s);
    const QString states = property("_NET_WM_STATE");
    for (const char* state : {"_NET_WM_STATE_BELOW", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"})
        EXPECT_TRUE(states.contains(QLatin1String(state))) << state << " missing from " << states.toStdString();
    EXPECT_TRUE(states.contains(QStringLiteral("_NET_WM_STATE_STICKY"))
                || property("_NET_WM_DESKTOP").contains(QStringLiteral("4294967295")))
        << "not on every workspace: " << property("_NET_WM_DESKTOP").toStdString();
    EXPECT_TRUE(
        QFile::exists(m_desktop->path(QStringLiteral("config/autostart/com.morrowfen.Kelvane.Widgets.desktop"))));
    EXPECT_TRUE(QFile::exists(m_desktop->path(QStringLiteral("config/kelvane-widget/widgets.json"))));
    ASSERT_TRUE(waitForWidget(TimerMode::Idle, {TimerMode::Idle, TimerMode::Running}, 5s)) << "not drawn idle";
    capture(QStringLiteral("idle"));

    QElapsedTimer clicked;
    ASSERT_TRUE(m_screen->click(area, 1));
    clicked.start();
    ASSERT_TRUE(waitForMode(TimerMode::Running, 1s)) << "the click did not start the program's timer in a second";
    RecordProperty("runningAfterMs", static_cast<int>(clicked.elapsed()));
    const auto running = m_timer->snapshot();
    ASSERT_TRUE(running);
    EXPECT_EQ(running->selectedPresetID, QStringLiteral("preset.classic-25")) << "the configured preset started";
    EXPECT_TRUE(waitForWidget(TimerMode::Running, {TimerMode::Idle, TimerMode::Running}, 2s))
        << "the widget does not show the running timer";
    capture(QStringLiteral("running"));

    const auto link = m_desktop->startProgram({QStringLiteral("kelvane://timer/pause")});
    EXPECT_EQ(link->waitForExit(5s), 0);
    ASSERT_TRUE(waitForMode(TimerMode::Paused, 2s)) << "the program did not pause";
    QElapsedTimer paused;
    paused.start();
    EXPECT_TRUE(waitForWidget(TimerMode::Paused, {TimerMode::Running, TimerMode::Paused}, 1s))
        << "the widget was not redrawn paused within a second";
    RecordProperty("widgetPausedAfterMs", static_cast<int>(paused.elapsed()));
    capture(QStringLiteral("paused"));
}

TEST_F(WidgetProgram, ACorruptSnapshotOutlinesTheTimeArea)
{
    startProgram();
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    ASSERT_FALSE(startWidget().isEmpty()) << "no widget window";
    ASSERT_TRUE(waitForWidget(TimerMode::Idle, {TimerMode::Idle, TimerMode::Running}, 5s));
    const QPoint onOutline(16, 85);
    EXPECT_LT(qGray(capture(QStringLiteral("before-corrupt")).pixel(onOutline)), 30) << "outlined before any fault";

    auto store = platform::UserDefaults::openFile(m_desktop->storePath());
    ASSERT_TRUE(store && store->isShared());
    store->setData(SharedDefaultsKeys::timerState.name, QByteArray("{\"mode\": 12"));
    // The program's reload request, as it sends it.
    QDBusMessage reload
        = QDBusMessage::createSignal(QStringLiteral("/com/morrowfen/kelvane"),
                                     QStringLiteral("com.morrowfen.kelvane.Notifications"), QStringLiteral("Posted"));
    reload << QString(TimerCommandQueue::widgetReloadNotificationName);
    ASSERT_TRUE(m_desktop->bus().send(reload));

    int grey = 0;
    platform::test::waitUntil(
        [&] {
            grey = qGray(capture(QStringLiteral("corrupt")).pixel(onOutline));
            return grey > 50;
        },
        2s);
    EXPECT_NEAR(grey, 70, 20) << "no outline at the time area's edge";
}

// Either program may start first, and either may die: a click the widget
// has queued is performed once the program runs, whichever came first.
TEST_F(WidgetProgram, NeitherOrderNorAKillLosesAQueuedClick)
{
    const QRect area = startWidget();
    ASSERT_FALSE(area.isEmpty()) << "no widget window without the program";
    ASSERT_TRUE(waitForWidget(TimerMode::Idle, {TimerMode::Idle, TimerMode::Running}, 5s)) << "not drawn idle";
    ASSERT_TRUE(m_screen->click(area, 1));
    ASSERT_TRUE(platform::test::waitUntil([&] { return !queue().pendingCommands().isEmpty(); }, 2s))
        << "the click queued nothing";
    startProgram();
    ASSERT_TRUE(waitForMode(TimerMode::Running)) << "the program started later did not perform the queued click";

    // The widget dies and comes back: it shows the program's running timer.
    m_widget->signalGroup(SIGKILL);
    m_widget->waitForExit(5s);
    ASSERT_FALSE(startWidget().isEmpty()) << "the widget did not come back";
    EXPECT_TRUE(waitForWidget(TimerMode::Running, {TimerMode::Idle, TimerMode::Running}, 5s));

    // The program dies while running; a click while it is gone waits for it.
    m_program->signalGroup(SIGKILL);
    m_program->waitForExit(5s);
    ASSERT_FALSE(m_program->isRunning());
    ASSERT_TRUE(m_screen->click(area, 1));
    ASSERT_TRUE(platform::test::waitUntil([&] { return !queue().pendingCommands().isEmpty(); }, 2s))
        << "the click queued nothing";
    startProgram();
    // Restored paused, then the queued toggle resumes it; the stored mode is
    // read once the queue is drained, so it is not the one from before the kill.
    ASSERT_TRUE(platform::test::waitUntil([&] { return queue().pendingCommands().isEmpty(); }, 5s))
        << "the program did not take the queued click";
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "the click queued while the program was gone was lost";
    EXPECT_TRUE(m_widget->isRunning());
    EXPECT_TRUE(m_program->isRunning());
}

} // namespace
