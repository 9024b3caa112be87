// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/TimelineScheduler.h"

#include "support/FakeClock.h"
#include "support/ManualOneShotTimer.h"

#include <gtest/gtest.h>

namespace {

TimerWidgetEntry entryAt(platform::Date date, double remaining)
{
    TimerWidgetEntry entry;
    entry.date = date;
    entry.timerState.remaining = remaining;
    return entry;
}

// A scheduler over timelines the test writes, on a clock the test moves.
class Scheduler : public ::testing::Test {
protected:
    Scheduler()
    {
        auto timer = std::make_unique<ManualOneShotTimer>();
        m_timer = timer.get();
        m_scheduler = std::make_unique<TimelineScheduler>(
            [this] {
                ++m_provided;
                return m_next;
            },
            m_clock.provider(), std::move(timer));
        m_scheduler->setOnEntry(
            [this](const TimerWidgetEntry& entry) { m_shown.push_back(entry.timerState.remaining); });
    }

    platform::Date now() const { return m_clock.now(); }
    // Time passes by `seconds`, then the pending timer fires.
    void passAndFire(double seconds)
    {
        m_clock.advance(seconds);
        ASSERT_TRUE(m_timer->fire());
    }

    FakeClock m_clock;
    ManualOneShotTimer* m_timer = nullptr;
    std::unique_ptr<TimelineScheduler> m_scheduler;
    WidgetTimeline m_next;
    int m_provided = 0;
    std::vector<double> m_shown;
};

TEST_F(Scheduler, ShowsEachEntryFromItsDateThenReloadsAtTheEnd)
{
    const auto start = now();
    m_next = {{entryAt(start, 125), entryAt(start + 60, 65), entryAt(start + 120, 5), entryAt(start + 125, 0)},
              TimelineReloadPolicy::atEnd()};
    m_scheduler->reload();
    EXPECT_EQ(m_shown, std::vector<double>({125}));
    EXPECT_DOUBLE_EQ(*m_timer->delay, 60);

    passAndFire(60);
    passAndFire(60);
    EXPECT_DOUBLE_EQ(*m_timer->delay, 5);
    EXPECT_EQ(m_shown, std::vector<double>({125, 65, 5}));
    EXPECT_EQ(m_provided, 1);

    m_next = {{entryAt(start + 125, 0)}, TimelineReloadPolicy::after(start + 425)};
    passAndFire(5);
    EXPECT_EQ(m_provided, 2) << "asked again once the last entry came";
    EXPECT_EQ(m_shown.back(), 0);
}

TEST_F(Scheduler, NeverWaitsMoreThanAMinuteAndReloadsAfterTheDate)
{
    const auto start = now();
    m_next = {{entryAt(start, 300)}, TimelineReloadPolicy::after(start + 300)};
    m_scheduler->reload();
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(*m_timer->delay, 60);
        passAndFire(60);
    }
    EXPECT_EQ(m_provided, 1);
    EXPECT_EQ(m_shown.size(), 1u) << "an unchanged entry is not shown again";
    EXPECT_DOUBLE_EQ(*m_timer->delay, 60);
    passAndFire(60);
    EXPECT_EQ(m_provided, 2);
}

TEST_F(Scheduler, AfterASuspendTheWallClockDecidesWhatShows)
{
    const auto start = now();
    m_next = {{entryAt(start, 180), entryAt(start + 60, 120), entryAt(start + 120, 60), entryAt(start + 180, 0)},
              TimelineReloadPolicy::atEnd()};
    m_scheduler->reload();
    // Asleep for 150 s: the timer fires late, once.
    m_next = {{entryAt(start + 150, 30)}, TimelineReloadPolicy::atEnd()};
    passAndFire(130);
    EXPECT_EQ(m_shown.back(), 60) << "skips to the entry current now";
    EXPECT_DOUBLE_EQ(*m_timer->delay, 50);
    m_clock.advance(200); // slept past the end
    ASSERT_TRUE(m_timer->fire());
    EXPECT_EQ(m_provided, 2);
}

TEST_F(Scheduler, ATimelineEndingNowIsAskedAgainOnlyAfterASecond)
{
    m_next = {{entryAt(now(), 0)}, TimelineReloadPolicy::atEnd()};
    m_scheduler->reload();
    EXPECT_DOUBLE_EQ(*m_timer->delay, TimelineScheduler::shortestReloadDelay);
    EXPECT_EQ(m_provided, 1);
    passAndFire(1);
    EXPECT_EQ(m_provided, 2);
}

TEST_F(Scheduler, AnEntryNotYetDueShowsTheFirst)
{
    m_next = {{entryAt(now() + 10, 7), entryAt(now() + 20, 6)}, TimelineReloadPolicy::atEnd()};
    m_scheduler->reload();
    EXPECT_EQ(m_shown, std::vector<double>({7}));
    ASSERT_TRUE(m_scheduler->currentEntry());
    EXPECT_DOUBLE_EQ(*m_timer->delay, 20);
}

} // namespace
