// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/DispatchCountdownTicker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Waits, at most a generous while, for `done` to hold.
template <typename Predicate>
bool eventually(Predicate done)
{
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(DispatchCountdownTicker, PeriodIsAtLeastFiftyMillisecondsInWholeMilliseconds)
{
    struct Case {
        double interval;
        long long milliseconds;
    };
    for (const auto& c :
         {Case{1.0, 1000}, Case{0.0123, 50}, Case{0.0567, 56}, Case{0, 50}, Case{-3, 50}, Case{NAN, 50}}) {
        EXPECT_EQ(DispatchCountdownTicker::period(c.interval).count(), c.milliseconds) << c.interval;
    }
    EXPECT_GT(DispatchCountdownTicker::period(INFINITY).count(), 0);
    EXPECT_GT(DispatchCountdownTicker::period(1e300).count(), 0);
}

TEST(DispatchCountdownTicker, FirstTickComesAtOnceOnItsOwnThread)
{
    DispatchCountdownTicker ticker;
    std::atomic<int> ticks = 0;
    std::atomic<bool> onOtherThread = false;
    const auto caller = std::this_thread::get_id();
    ticker.start(60, [&] {
        onOtherThread = std::this_thread::get_id() != caller;
        ++ticks;
    });
    EXPECT_TRUE(eventually([&] { return ticks == 1; }));
    EXPECT_TRUE(onOtherThread);
    ticker.stop();
    EXPECT_EQ(ticks, 1);
}

TEST(DispatchCountdownTicker, RestartReplacesTheRunningTimer)
{
    DispatchCountdownTicker ticker;
    std::atomic<int> first = 0;
    std::atomic<int> second = 0;
    ticker.start(0.05, [&] { ++first; });
    EXPECT_TRUE(eventually([&] { return first >= 2; }));
    ticker.start(0.05, [&] { ++second; });
    const int firstAtRestart = first;
    EXPECT_TRUE(eventually([&] { return second >= 3; }));
    EXPECT_EQ(first, firstAtRestart);
}

TEST(DispatchCountdownTicker, NoTickAfterStopOrDestruction)
{
    std::atomic<int> ticks = 0;
    {
        DispatchCountdownTicker ticker;
        ticker.stop(); // never started: nothing happens
        ticker.start(0, [&] { ++ticks; });
        EXPECT_TRUE(eventually([&] { return ticks >= 2; }));
    }
    const int atDestruction = ticks;
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(ticks, atDestruction);
}

} // namespace

#include "TimerCoreKit/engine/TimerEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

TEST(DispatchCountdownTicker, DrivesARealEngineToCompletion)
{
    auto defaults = platform::UserDefaults::inMemory();
    TimerPersistence persistence(*defaults);
    persistence.save({TimerMode::Idle, 1, 1});
    TimerEngine engine(persistence, std::make_shared<DispatchCountdownTicker>(), &platform::Date::now,
                       &platform::bootTimeSeconds);
    int refreshes = 0;
    engine.setOnWidgetRefresh([&] { ++refreshes; });

    QElapsedTimer clock;
    clock.start();
    engine.start();
    while (engine.state().mode() == TimerMode::Running && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);

    EXPECT_EQ(engine.state().mode(), TimerMode::Completed);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_EQ(refreshes, 2); // the start and the completion
    EXPECT_EQ(persistence.restore()->mode, TimerMode::Completed);
}

} // namespace
