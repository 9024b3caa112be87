// SPDX-License-Identifier: GPL-3.0-or-later
// The notifier on a real session bus: each test of this binary runs under its
// own dbus-run-session.
#include "PlatformKit/dbus/DBusNotifier.h"

#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <mutex>

using namespace std::chrono_literals;
using platform::DBusNotifier;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

const QString commandQueued = QStringLiteral("com.morrowfen.kelvane.commandQueued");

class NotifierOnBus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus"; }

    // Posts a name of its own and waits until it comes back: everything this
    // process posted before it has been delivered by then.
    void sync()
    {
        static int round = 0;
        const QString name = QStringLiteral("test.sync.%1").arg(++round);
        bool back = false;
        const auto token = notifier.observe(name, [&] { back = true; });
        notifier.post(name);
        ASSERT_TRUE(waitUntil([&] { return back; })) << "the sync notification never came back";
    }

    DBusNotifier notifier;
};

TEST_F(NotifierOnBus, PostReachesAnObserverInTheSameProcess)
{
    int fired = 0;
    const auto token = notifier.observe(commandQueued, [&] { ++fired; });
    notifier.post(commandQueued);
    ASSERT_TRUE(waitUntil([&] { return fired == 1; }));
    notifier.post(commandQueued);
    ASSERT_TRUE(waitUntil([&] { return fired == 2; }));
    sync();
    EXPECT_EQ(fired, 2);
}

TEST_F(NotifierOnBus, OnlyTheObservedNameFires)
{
    int queued = 0;
    int reload = 0;
    const auto queuedToken = notifier.observe(commandQueued, [&] { ++queued; });
    const auto reloadToken = notifier.observe(QStringLiteral("com.morrowfen.kelvane.widgetReload"), [&] { ++reload; });
    notifier.post(QStringLiteral("com.morrowfen.kelvane.somethingElse"));
    notifier.post(QStringLiteral("com.morrowfen.kelvane.commandQueued.suffix"));
    notifier.post(commandQueued);
    ASSERT_TRUE(waitUntil([&] { return queued == 1; }));
    sync();
    EXPECT_EQ(queued, 1);
    EXPECT_EQ(reload, 0);
}

TEST_F(NotifierOnBus, EveryObserverOfTheNameFires)
{
    int first = 0;
    int second = 0;
    const auto a = notifier.observe(commandQueued, [&] { ++first; });
    const auto b = DBusNotifier().observe(commandQueued, [&] { ++second; });
    notifier.post(commandQueued);
    ASSERT_TRUE(waitUntil([&] { return first == 1 && second == 1; }));
}

TEST_F(NotifierOnBus, DestroyingTheTokenStopsDelivery)
{
    int fired = 0;
    auto token = notifier.observe(commandQueued, [&] { ++fired; });
    notifier.post(commandQueued);
    ASSERT_TRUE(waitUntil([&] { return fired == 1; }));
    token.reset();
    notifier.post(commandQueued);
    notifier.post(commandQueued);
    sync();
    runEventLoop(50ms);
    EXPECT_EQ(fired, 1);
}

TEST_F(NotifierOnBus, TokenDestroyedWithDeliveryPendingNeverFires)
{
    int fired = 0;
    auto token = notifier.observe(commandQueued, [&] { ++fired; });
    notifier.post(commandQueued);
    // The signal may already wait in this thread's queue: destroy the token
    // before the event loop runs.
    token.reset();
    sync();
    runEventLoop(50ms);
    EXPECT_EQ(fired, 0);
}

// Runs `work` on `context`'s thread and waits for it. Qt's own queue is out
// of ThreadSanitizer's sight (Qt is not built with it): the lock held while
// posting and taken again before the work, and the promise, show it the
// order. The posted call reads nothing it captured before taking the lock.
void runOn(QObject& context, std::function<void()> work)
{
    static std::mutex posting;
    std::promise<void> done;
    auto call = [&work, &done] {
        work();
        done.set_value();
    };
    {
        const std::lock_guard lock(posting);
        QMetaObject::invokeMethod(
            &context,
            [call] {
                {
                    const std::lock_guard after(posting);
                }
                call();
            },
            Qt::QueuedConnection);
    }
    done.get_future().wait();
}

TEST_F(NotifierOnBus, HandlerRunsOnTheObservingThread)
{
    QThread observer;
    observer.start();
    QObject context;
    context.moveToThread(&observer);
    platform::ObservationToken token;
    std::atomic<QThread*> ranOn{nullptr};
    runOn(context, [&] { token = DBusNotifier().observe(commandQueued, [&] { ranOn = QThread::currentThread(); }); });
    sync(); // the observation's match rule is in place
    notifier.post(commandQueued);
    ASSERT_TRUE(waitUntil([&] { return ranOn.load() != nullptr; }));
    EXPECT_EQ(ranOn.load(), &observer);
    runOn(context, [&] { token.reset(); });
    observer.quit();
    observer.wait();
}

TEST_F(NotifierOnBus, PostFromAnotherProcessReachesTheObserver)
{
    int fired = 0;
    int other = 0;
    const auto token = notifier.observe(commandQueued, [&] { ++fired; });
    const auto otherToken = notifier.observe(QStringLiteral("test.other"), [&] { ++other; });
    sync(); // the match rules are in place before the helper posts

    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    // It exits right after posting: the post must not get lost on the way out.
    helper.start(QStringLiteral(KELVANE_POST_HELPER), {QStringLiteral("test.other"), commandQueued});
    ASSERT_TRUE(helper.waitForStarted(10000));
    ASSERT_TRUE(helper.waitForFinished(30000));
    EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(helper.exitCode(), 0);

    ASSERT_TRUE(waitUntil([&] { return fired == 1; }));
    EXPECT_EQ(other, 1);
    sync();
    EXPECT_EQ(fired, 1);
}

} // namespace
