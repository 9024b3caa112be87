// SPDX-License-Identifier: GPL-3.0-or-later
// Work handed from other threads runs on the owning thread, and never after
// the hand-off is gone.
#include "PlatformKit/core/MainThreadHandOff.h"

#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using platform::MainThreadHandOff;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

TEST(MainThreadHandOff, WorkFromAnotherThreadRunsOnTheOwningThreadOnceEventsAreProcessed)
{
    MainThreadHandOff handOff;
    int runs = 0;
    QThread* ranOn = nullptr;
    const auto hand = handOff.bind([&] {
        ++runs;
        ranOn = QThread::currentThread();
    });
    std::thread worker([&] { hand(); });
    worker.join();
    EXPECT_EQ(runs, 0); // queued, not run on the calling thread
    QCoreApplication::processEvents();
    ASSERT_TRUE(waitUntil([&] { return runs == 1; }));
    EXPECT_EQ(ranOn, QCoreApplication::instance()->thread());
    runEventLoop(20ms);
    EXPECT_EQ(runs, 1);
}

// What the calling thread wrote before handing work over is the work's to
// read, while that thread carries on. Under ThreadSanitizer this shows that
// the hand-over orders the two threads: Qt's own lock is out of its sight.
TEST(MainThreadHandOff, WorkSeesWhatTheCallerWroteBeforeHandingItOver)
{
    constexpr int count = 2000;
    MainThreadHandOff handOff;
    std::vector<int> written(count, -1);
    int runs = 0;
    int wrong = 0;
    const auto hand = handOff.bind([&] {
        wrong += written[static_cast<std::size_t>(runs)] == runs ? 0 : 1;
        ++runs;
    });
    // Kept busy, the owning thread seldom waits for a wake-up, which would
    // order the threads by itself.
    QTimer busy;
    busy.setInterval(0);
    QObject::connect(&busy, &QTimer::timeout, [] {});
    busy.start();
    std::thread worker([&] {
        for (int i = 0; i < count; ++i) {
            written[static_cast<std::size_t>(i)] = i;
            hand();
        }
    });
    const bool ran = waitUntil([&] { return runs == count; }, 30s);
    worker.join();
    ASSERT_TRUE(ran) << runs << " of " << count << " ran";
    EXPECT_EQ(wrong, 0);
}

TEST(MainThreadHandOff, EachCallQueuesTheWorkOnceInOrder)
{
    MainThreadHandOff handOff;
    std::vector<int> order;
    const auto one = handOff.bind([&] { order.push_back(1); });
    const auto two = handOff.bind([&] { order.push_back(2); });
    std::thread worker([&] {
        one();
        two();
        one();
    });
    worker.join();
    ASSERT_TRUE(waitUntil([&] { return order.size() == 3; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1}));
}

TEST(MainThreadHandOff, WorkStillQueuedAtDestructionNeverRuns)
{
    int runs = 0;
    auto handOff = std::make_unique<MainThreadHandOff>();
    const auto hand = handOff->bind([&] { ++runs; });
    std::thread worker([&] {
        for (int i = 0; i < 10; ++i)
            hand();
    });
    worker.join();
    hand(); // from this thread too
    handOff.reset();
    QCoreApplication::processEvents();
    runEventLoop(50ms);
    EXPECT_EQ(runs, 0);
}

TEST(MainThreadHandOff, CallingAfterDestructionIsHarmless)
{
    int runs = 0;
    std::function<void()> hand;
    {
        MainThreadHandOff handOff;
        hand = handOff.bind([&] { ++runs; });
    }
    hand();
    std::thread worker([&] { hand(); });
    worker.join();
    runEventLoop(50ms);
    EXPECT_EQ(runs, 0);
}

TEST(MainThreadHandOff, DestructionRacingCallsFromManyThreadsDropsEverythingAfterIt)
{
    int runs = 0;
    bool destroyed = false;
    bool ranAfterDestruction = false;
    auto handOff = std::make_unique<MainThreadHandOff>();
    const auto hand = handOff->bind([&] {
        ++runs;
        if (destroyed)
            ranAfterDestruction = true;
    });
    std::atomic<bool> stop{false};
    std::atomic<int> calls{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([&] {
            while (!stop) {
                hand();
                ++calls;
            }
        });
    }
    ASSERT_TRUE(waitUntil([&] { return runs > 100; }));
    handOff.reset();
    destroyed = true;
    const int callsAtDestruction = calls;
    ASSERT_TRUE(waitUntil([&] { return calls > callsAtDestruction + 1000; }));
    stop = true;
    for (auto& worker : workers)
        worker.join();
    runEventLoop(50ms);
    EXPECT_FALSE(ranAfterDestruction);
}

TEST(MainThreadHandOff, WorkMayDestroyTheHandOffAndTheRestIsDropped)
{
    auto handOff = std::make_unique<MainThreadHandOff>();
    int later = 0;
    const auto end = handOff->bind([&] { handOff.reset(); });
    const auto count = handOff->bind([&] { ++later; });
    std::thread worker([&] {
        end();
        count();
        count();
    });
    worker.join();
    ASSERT_TRUE(waitUntil([&] { return handOff == nullptr; }));
    runEventLoop(50ms);
    EXPECT_EQ(later, 0);
}

TEST(MainThreadHandOff, QueuesOntoTheThreadThatCreatedIt)
{
    // The owning thread is handed its jobs only through locks and atomics,
    // which ThreadSanitizer sees, not through Qt's own queue, which it does not.
    std::mutex mutex;
    std::condition_variable boundChanged;
    std::function<void()> hand;
    std::atomic<QThread*> owner{nullptr};
    std::atomic<QThread*> ranOn{nullptr};
    std::atomic<int> runs{0};
    std::atomic<bool> finish{false};
    std::thread owning([&] {
        QEventLoop loop; // gives the thread its event dispatcher
        MainThreadHandOff handOff;
        owner = QThread::currentThread();
        {
            const std::lock_guard lock(mutex);
            hand = handOff.bind([&] {
                ranOn = QThread::currentThread();
                ++runs;
            });
        }
        boundChanged.notify_all();
        while (!finish) {
            loop.processEvents();
            std::this_thread::sleep_for(1ms);
        }
    });
    {
        std::unique_lock lock(mutex);
        boundChanged.wait(lock, [&] { return bool(hand); });
    }
    std::thread worker([&] { hand(); });
    worker.join();
    const bool ran = waitUntil([&] { return runs == 1; });
    finish = true;
    owning.join();
    ASSERT_TRUE(ran);
    EXPECT_EQ(ranOn.load(), owner.load());
    EXPECT_NE(ranOn.load(), QThread::currentThread());
}

// Counts the queued calls that reach any object of this thread.
class QueuedCallCounter final : public QObject {
public:
    QueuedCallCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~QueuedCallCounter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MetaCall)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

TEST(MainThreadHandOff, EmptyWorkIsACallableThatQueuesNothing)
{
    MainThreadHandOff handOff;
    const auto hand = handOff.bind({});
    ASSERT_TRUE(static_cast<bool>(hand));
    runEventLoop(10ms); // whatever earlier tests left behind
    QueuedCallCounter queued;
    hand();
    std::thread worker([&] { hand(); });
    worker.join();
    runEventLoop(10ms);
    EXPECT_EQ(queued.count, 0);

    // The counter does see a hand-off that carries work.
    const auto real = handOff.bind([] {});
    real();
    runEventLoop(10ms);
    EXPECT_EQ(queued.count, 1);
}

} // namespace
