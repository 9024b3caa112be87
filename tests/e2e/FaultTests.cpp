// SPDX-License-Identifier: GPL-3.0-or-later
// Faults a running countdown meets on a user's desktop: the program killed
// outright, stopped and continued, the wall clock stepped, the sound and
// notification servers gone and back. Each time the timer keeps its time, the
// store stays sound and a completion is announced once.
#include "EndToEndFixture.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QRegularExpression>

#include <random>

#include <sqlite3.h>

using namespace std::chrono_literals;
using platform::Date;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

const QString serviceName = QStringLiteral("com.morrowfen.Kelvane");

// SQLite's own check of the store file ("ok" when it is sound).
QString integrityCheck(const QString& path)
{
    sqlite3* db = nullptr;
    QStringList result;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW)
                result << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
        sqlite3_finalize(statement);
    }
    if (result.isEmpty())
        result << QString::fromUtf8(db ? sqlite3_errmsg(db) : "cannot open");
    sqlite3_close(db);
    return result.join(QLatin1Char('\n'));
}

TimerStateSnapshot pausedCountdown(double remaining)
{
    TimerStateSnapshot snapshot;
    snapshot.mode = TimerMode::Paused;
    snapshot.duration = remaining;
    snapshot.remaining = remaining;
    return snapshot;
}

// What a restart between `before` and `after` must make of the timer that was
// stored when the program died: a running countdown comes back paused with
// the time its end leaves, or completed once its end has passed; any other
// timer comes back as it was.
::testing::AssertionResult restoredByTheRule(const TimerStateSnapshot& killed, const TimerStateSnapshot& restored,
                                             Date before, Date after)
{
    const auto failure = [&](const char* what) {
        return ::testing::AssertionFailure() << what << ": killed " << killed.toJson().value_or("?").toStdString()
                                             << ", restored " << restored.toJson().value_or("?").toStdString();
    };
    if (restored.duration != killed.duration || restored.direction != killed.direction)
        return failure("another timer came back");
    if (killed.mode != TimerMode::Running || !killed.endDate) {
        if (restored.mode != killed.mode || std::abs(restored.remaining - killed.remaining) > 1e-6)
            return failure("a timer that was not running changed");
        return ::testing::AssertionSuccess();
    }
    if (restored.endDate)
        return failure("a running timer came back with an end date");
    const double leftAtStart = killed.endDate->secondsSince(before);
    const double leftWhenSeen = killed.endDate->secondsSince(after);
    if (restored.mode == TimerMode::Completed) {
        if (leftWhenSeen > 0.25 || restored.remaining != 0)
            return failure("completed with time left");
        return ::testing::AssertionSuccess();
    }
    if (restored.mode != TimerMode::Paused)
        return failure("a running countdown came back neither paused nor completed");
    if (restored.remaining > leftAtStart + 0.25 || restored.remaining < leftWhenSeen - 0.25 || restored.remaining <= 0)
        return failure("paused with other than the time its end left");
    return ::testing::AssertionSuccess();
}

template <TestDesktop::Tray tray>
class Faulted : public OnDesktop<tray> {
protected:
    using Base = OnDesktop<tray>;

    // A paused countdown with `remaining` seconds left, whose completion is
    // announced with a sound and a notification.
    bool seed(double remaining)
    {
        const QString path = Base::m_desktop->storePath();
        if (!StoredTimer::seed(path, pausedCountdown(remaining)))
            return false;
        const auto settings = platform::UserDefaults::openFile(path);
        settings->setBool(SharedDefaultsKeys::completionShowNotification, true);
        settings->setString(SharedDefaultsKeys::completionSelectedSound, QStringLiteral("glass"));
        return true;
    }

    // Until the program owns its bus name: it has restored the timer and
    // listens for commands.
    bool waitForProgram()
    {
        return waitUntil(
            [this] { return Base::m_desktop->bus().interface()->isServiceRegistered(serviceName).value(); }, 15s);
    }

    // Queues `command` as the widget does and waits for the timer to reach `mode`.
    bool command(const QString& name, TimerMode mode)
    {
        const auto producer
            = Base::m_desktop->start(QStringLiteral(E2E_ENQUEUE_PROGRAM), {Base::m_desktop->storePath(), name});
        return producer->waitForExit(5s) == 0 && Base::waitForMode(mode);
    }

    // Runs the countdown from whatever mode it is in.
    bool run()
    {
        switch (Base::m_timer->mode().value_or(TimerMode::Idle)) {
        case TimerMode::Running:
            return true;
        case TimerMode::Completed:
            if (!command(QStringLiteral("reset"), TimerMode::Idle))
                return false;
            [[fallthrough]];
        case TimerMode::Idle:
        case TimerMode::Paused:
            return command(QStringLiteral("start"), TimerMode::Running);
        }
        return false;
    }

    // Completion notifications the notification server now running has shown.
    int notificationsShown()
    {
        int shown = 0;
        for (const char* list : {"displayed", "history", "waiting"}) {
            const auto count
                = Base::m_desktop->run(QStringLiteral("dunstctl"), {QStringLiteral("count"), QLatin1String(list)});
            shown += count ? count->trimmed().toInt() : 0;
        }
        return shown;
    }
};

using KilledProgram = Faulted<TestDesktop::Tray::XEmbedHost>;

TEST_F(KilledProgram, KilledAtRandomMomentsOfACountdownItComesBackAsStoredAndTheStoreStaysSound)
{
    // Short enough that some kills come after its end.
    ASSERT_TRUE(seed(6));
    const unsigned seedValue = std::random_device{}();
    RecordProperty("seed", static_cast<int>(seedValue));
    SCOPED_TRACE(testing::Message() << "random seed " << seedValue);
    std::mt19937 random(seedValue);
    std::uniform_int_distribution<int> runFor(0, 1000);
    std::uniform_int_distribution<int> deadFor(0, 500);

    startProgram();
    ASSERT_TRUE(waitForProgram());
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE(testing::Message() << "kill " << round);
        ASSERT_TRUE(run()) << "the countdown did not run";
        runEventLoop(std::chrono::milliseconds(runFor(random)));

        m_program->signalGroup(SIGKILL);
        m_program->waitForExit(5s);
        ASSERT_FALSE(m_program->isRunning());
        ASSERT_EQ(integrityCheck(m_desktop->storePath()), QStringLiteral("ok"));
        const auto killed = m_timer->snapshot();
        ASSERT_TRUE(killed);
        runEventLoop(std::chrono::milliseconds(deadFor(random)));

        const Date before = Date::now();
        startProgram();
        ASSERT_TRUE(waitForProgram()) << "the program did not come back";
        if (killed->mode == TimerMode::Running) {
            ASSERT_TRUE(waitUntil([&] { return m_timer->mode() != TimerMode::Running; }, 5s));
        }
        const Date after = Date::now();
        const auto restored = m_timer->snapshot();
        ASSERT_TRUE(restored);
        EXPECT_TRUE(restoredByTheRule(*killed, *restored, before, after));
    }
}

class StoppedProgram : public Faulted<TestDesktop::Tray::NotifierWatcher> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("gdbus"), QStringLiteral("dunstctl")}; }

    // The time the tray item shows in its tooltip, in seconds; none when it
    // shows no running countdown.
    std::optional<int> shownSeconds(const QString& item)
    {
        const auto reply
            = m_desktop->run(QStringLiteral("gdbus"),
                             {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"), item,
                              QStringLiteral("--object-path"), QStringLiteral("/StatusNotifierItem"),
                              QStringLiteral("--method"), QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                              QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("ToolTip")});
        static const QRegularExpression running(
            QStringLiteral("Timer running: (?:(\\d+) minutes )?(\\d+) seconds remaining"));
        const auto match = running.match(reply.value_or(QString()));
        if (!match.hasMatch())
            return std::nullopt;
        return match.captured(1).toInt() * 60 + match.captured(2).toInt();
    }
};

// A suspend of the program alone: stopped, the clock runs on without it. The
// stops are shorter than a real suspend's; what matters is that the countdown
// moves on, and ends, while the program cannot.
TEST_F(StoppedProgram, AfterAStopItShowsTheRightTimeAndAnEndPassedMeanwhileCompletesOnce)
{
    ASSERT_TRUE(seed(14));
    startProgram();
    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << "the program put no item on the bus";
    ASSERT_TRUE(waitForProgram());
    ASSERT_TRUE(run());
    const Date started = Date::now();
    std::optional<int> shown;
    ASSERT_TRUE(waitUntil([&] { return (shown = shownSeconds(item)).has_value(); }, 5s))
        << "no running time in the tooltip";

    m_program->signalGroup(SIGSTOP);
    runEventLoop(4s);
    m_program->signalGroup(SIGCONT);
    // By the next refresh, a second on, it shows the time the clock leaves,
    // not the time it showed before the stop.
    double left = 0;
    const auto rightTimeShown = [&] {
        shown = shownSeconds(item);
        left = 14 - Date::now().secondsSince(started);
        return shown && std::abs(*shown - left) <= 1.5;
    };
    EXPECT_TRUE(waitUntil(rightTimeShown, 1500ms))
        << "after the stop the tooltip shows " << shown.value_or(-1) << " s, with " << left << " s left";
    EXPECT_EQ(m_timer->mode(), TimerMode::Running);

    // Stopped past the end.
    m_program->signalGroup(SIGSTOP);
    runEventLoop(std::chrono::milliseconds(static_cast<int>(left * 1000)) + 3s);
    EXPECT_EQ(notificationsShown(), 0);
    m_program->signalGroup(SIGCONT);
    ASSERT_TRUE(waitForMode(TimerMode::Completed, 3s)) << "the countdown did not complete after the stop";
    ASSERT_TRUE(waitUntil([&] { return notificationsShown() > 0; }, 5s)) << "no completion notification";
    runEventLoop(2s);
    EXPECT_EQ(notificationsShown(), 1) << "the completion was announced more than once";
    EXPECT_EQ(m_timer->mode(), TimerMode::Completed);
}

class SteppedClock : public Faulted<TestDesktop::Tray::XEmbedHost> {
protected:
    static constexpr const char* library = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1";

    void SetUp() override
    {
#ifdef E2E_SANITIZED
        GTEST_SKIP() << "libfaketime's preload does not mix with the sanitizer runtimes";
#endif
        if (!QFile::exists(QLatin1String(library)))
            GTEST_SKIP() << "not installed: faketime";
        Faulted::SetUp();
    }

    // The wall clock of the program as `offset` seconds from the real one.
    bool setOffset(int offset)
    {
        QFile file(m_desktop->path(QStringLiteral("faketime")));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(
                   QStringLiteral("%1%2\n").arg(offset < 0 ? QString() : QStringLiteral("+")).arg(offset).toLatin1())
            > 0;
    }

    QProcessEnvironment fakedClock() const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("LD_PRELOAD"), QLatin1String(library));
        environment.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), m_desktop->path(QStringLiteral("faketime")));
        environment.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
        // A step of the wall clock leaves the monotonic and boot-time clocks alone.
        environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        return environment;
    }

    // Waits for a save after a step of `offset` seconds: the stored end date is
    // the program's wall clock plus the time left.
    std::optional<TimerStateSnapshot> savedAfterStep(int offset)
    {
        std::optional<TimerStateSnapshot> saved;
        waitUntil(
            [&] {
                saved = m_timer->snapshot();
                return saved && saved->endDate
                    && std::abs(saved->endDate->secondsSince(Date::now() + offset) - saved->remaining) < 2;
            },
            8s);
        return saved;
    }
};

TEST_F(SteppedClock, AWallClockSteppedForwardAndBackLeavesTheCountdownItsTime)
{
    ASSERT_TRUE(seed(300));
    ASSERT_TRUE(setOffset(0));
    startProgram({}, fakedClock());
    ASSERT_TRUE(waitForProgram());
    ASSERT_TRUE(run());
    const Date started = Date::now();

    for (const int offset : {600, -600, 0}) {
        SCOPED_TRACE(testing::Message() << "wall clock " << offset << " s from the real one");
        runEventLoop(1s);
        ASSERT_TRUE(setOffset(offset));
        const auto saved = savedAfterStep(offset);
        ASSERT_TRUE(saved && saved->endDate) << "no save after the step";
        EXPECT_EQ(saved->mode, TimerMode::Running);
        // The time left is what really passed since the start, whatever the wall clock says.
        const double left = 300 - Date::now().secondsSince(started);
        EXPECT_NEAR(saved->endDate->secondsSince(Date::now() + offset), left, 1.5);
        EXPECT_NEAR(saved->remaining, left, 6.5); // saved up to five ticks ago
    }
}

class LostServers : public Faulted<TestDesktop::Tray::XEmbedHost> {
protected:
    QStringList moreTools() const override
    {
        return {QStringLiteral("pulseaudio"), QStringLiteral("pactl"), QStringLiteral("dunstctl")};
    }
};

TEST_F(LostServers, SoundAndNotificationServersKilledAndRestartedWhileATimerRunsStillAnnounceTheEnd)
{
    ASSERT_TRUE(m_desktop->startSoundServer()) << m_desktop->failure().toStdString();
    ASSERT_TRUE(seed(6));
    startProgram();
    ASSERT_TRUE(waitForProgram());
    ASSERT_TRUE(run());
    runEventLoop(1s);

    m_desktop->killService(QStringLiteral("pulseaudio"));
    m_desktop->killService(QStringLiteral("dunst"));
    runEventLoop(500ms);
    ASSERT_TRUE(m_desktop->startSoundServer()) << m_desktop->failure().toStdString();
    ASSERT_TRUE(m_desktop->startNotificationServer()) << m_desktop->failure().toStdString();
    // Streams the new sound server is asked to play.
    const auto streams = m_desktop->start(QStringLiteral("pactl"), {QStringLiteral("subscribe")});

    ASSERT_TRUE(waitForMode(TimerMode::Completed, 10s)) << "the countdown did not complete";
    EXPECT_TRUE(waitUntil([&] { return notificationsShown() == 1; }, 5s))
        << "the new notification server showed " << notificationsShown();
    bool heard = false;
    waitUntil(
        [&] {
            while (const auto line = streams->readLine(50ms))
                heard = heard || line->contains(QLatin1String("'new' on sink-input"));
            return heard;
        },
        5s);
    EXPECT_TRUE(heard) << "no sound was played on the new sound server";
}

} // namespace
