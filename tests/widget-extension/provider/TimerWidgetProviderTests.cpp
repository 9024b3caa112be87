// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/provider/KelvaneWidget.h"
#include "widget-extension/provider/TimerWidgetProvider.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"
#include "TimerCoreKit/engine/TimerStateSnapshot.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>

namespace {

using Kind = TimelineReloadPolicy::Kind;

struct ExpectedEntry {
    double at; // seconds after now
    TimerMode mode;
    double remaining;
    double elapsed = 0;
};

WidgetTimerState countdown(double remaining, TimerMode mode = TimerMode::Running)
{
    WidgetTimerState state = WidgetTimerState::idle();
    state.mode = mode;
    state.remaining = remaining;
    state.duration = 7200;
    state.selectedPresetID = QStringLiteral("preset.deep-45");
    state.pomodoroActive = true;
    state.pomodoroPhaseIndex = 2;
    return state;
}

WidgetTimerState countUp(double elapsed)
{
    WidgetTimerState state = countdown(0);
    state.direction = TimerDirection::CountUp;
    state.elapsed = elapsed;
    return state;
}

struct TimelineCase {
    const char* name;
    WidgetTimerState state;
    // The entries to check, by index (negative: from the end).
    std::vector<std::pair<int, ExpectedEntry>> probes;
    std::size_t count;
    Kind policy;
};

class ProviderTimeline : public ::testing::TestWithParam<TimelineCase> { };

TEST_P(ProviderTimeline, LaysTheStateOutOverTime)
{
    const TimelineCase& c = GetParam();
    const platform::Date now = platform::Date::fromSecondsSinceReferenceDate(800'000'000);
    const TimerWidgetConfigurationIntent configuration;
    const WidgetTimeline timeline = TimerWidgetProvider::makeTimeline(now, {c.state, std::nullopt}, configuration, {});

    ASSERT_EQ(timeline.entries.size(), c.count);
    EXPECT_EQ(timeline.policy.kind, c.policy);
    if (c.policy == Kind::After) {
        EXPECT_EQ(timeline.policy.date, now + 300);
    }
    EXPECT_EQ(timeline.entries.front().timerState, c.state) << "the first entry shows the loaded state unchanged";
    for (std::size_t i = 1; i < timeline.entries.size(); ++i)
        EXPECT_LT(timeline.entries[i - 1].date, timeline.entries[i].date);

    for (const auto& [index, expected] : c.probes) {
        const auto at = index >= 0 ? std::size_t(index) : timeline.entries.size() - std::size_t(-index);
        SCOPED_TRACE(::testing::Message() << "entry " << at);
        const TimerWidgetEntry& entry = timeline.entries[at];
        EXPECT_EQ(entry.date, now + expected.at);
        EXPECT_EQ(entry.timerState.mode, expected.mode);
        EXPECT_DOUBLE_EQ(entry.timerState.remaining, expected.remaining);
        EXPECT_DOUBLE_EQ(entry.timerState.elapsed, expected.elapsed);
        // What the run does not change is carried along.
        EXPECT_EQ(entry.timerState.selectedPresetID, c.state.selectedPresetID);
        EXPECT_EQ(entry.timerState.pomodoroPhaseIndex, 2);
        EXPECT_TRUE(entry.timerState.pomodoroActive);
        EXPECT_EQ(entry.configuration, configuration);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProviderTimeline,
    ::testing::Values(TimelineCase{"PartMinute",
                                   countdown(125.5),
                                   {{1, {60, TimerMode::Running, 65.5}},
                                    {2, {120, TimerMode::Running, 5.5}},
                                    {3, {125, TimerMode::Completed, 0}}},
                                   4,
                                   Kind::AtEnd},
                      TimelineCase{"WholeMinutesEndOnTheLastMinute",
                                   countdown(300),
                                   {{4, {240, TimerMode::Running, 60}}, {5, {300, TimerMode::Completed, 0}}},
                                   6,
                                   Kind::AtEnd},
                      TimelineCase{"UnderAMinute", countdown(45), {{1, {45, TimerMode::Completed, 0}}}, 2, Kind::AtEnd},
                      TimelineCase{"TwoHoursCoverTheFirstHourThenJumpToTheEnd",
                                   countdown(7200),
                                   {{60, {3600, TimerMode::Running, 3600}}, {61, {7200, TimerMode::Completed, 0}}},
                                   62,
                                   Kind::AtEnd},
                      TimelineCase{"RunningCountUp",
                                   countUp(10),
                                   {{1, {60, TimerMode::Running, 0, 70}}, {60, {3600, TimerMode::Running, 0, 3610}}},
                                   61,
                                   Kind::AtEnd},
                      TimelineCase{"Paused", countdown(125.5, TimerMode::Paused), {}, 1, Kind::After},
                      TimelineCase{"Idle", countdown(300, TimerMode::Idle), {}, 1, Kind::After},
                      TimelineCase{"CountdownAtZeroIsNotRunning", countdown(0), {}, 1, Kind::After}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ProviderTimeline, CountUpEntriesHaveNoLength)
{
    const auto now = platform::Date::fromSecondsSinceReferenceDate(0);
    const auto timeline = TimerWidgetProvider::makeTimeline(now, {countUp(10), std::nullopt}, {}, {});
    for (std::size_t k = 1; k < timeline.entries.size(); ++k) {
        EXPECT_EQ(timeline.entries[k].timerState.duration, 0);
        EXPECT_EQ(timeline.entries[k].timerState.direction, TimerDirection::CountUp);
    }
}

TEST(ProviderTimeline, ALengthNoDateHoldsGetsNoCompletionEntry)
{
    const auto now = platform::Date::fromSecondsSinceReferenceDate(0);
    const auto timeline = TimerWidgetProvider::makeTimeline(
        now, {countdown(std::numeric_limits<double>::infinity()), std::nullopt}, {}, {});
    ASSERT_EQ(timeline.entries.size(), 61u);
    EXPECT_EQ(timeline.entries.back().timerState.mode, TimerMode::Running);
}

// The provider against a store, as the host calls it.
class ProviderOnStore : public ::testing::Test {
protected:
    std::unique_ptr<platform::UserDefaults> m_store = platform::UserDefaults::inMemory();
    FakeClock m_clock;
    TimerWidgetProvider m_provider{*m_store, m_clock.provider()};
};

TEST_F(ProviderOnStore, ACorruptSnapshotIsPassedOnInEveryEntry)
{
    m_store->setData(SharedDefaultsKeys::timerState.name, QByteArray("{not json"));
    const auto timeline = m_provider.timeline({});
    ASSERT_EQ(timeline.entries.size(), 1u);
    EXPECT_EQ(timeline.entries[0].loadError, WidgetLoadError::TimerStateCorrupted);
    EXPECT_EQ(timeline.entries[0].timerState, WidgetTimerState::idle());
    EXPECT_EQ(m_provider.snapshot({}, false).loadError, WidgetLoadError::TimerStateCorrupted);
}

TEST_F(ProviderOnStore, ARunningSnapshotCountsDownFromItsEndDate)
{
    TimerStateSnapshot snapshot;
    snapshot.mode = TimerMode::Running;
    snapshot.duration = 300;
    snapshot.remaining = 300;
    snapshot.endDate = m_clock.now() + 125.5;
    m_store->setData(SharedDefaultsKeys::timerState.name, *snapshot.toJson());
    const auto timeline = m_provider.timeline({});
    ASSERT_EQ(timeline.entries.size(), 4u);
    EXPECT_DOUBLE_EQ(timeline.entries[0].timerState.remaining, 125.5);
    EXPECT_EQ(timeline.entries[0].loadError, std::nullopt);
}

TEST_F(ProviderOnStore, PlaceholderAndPreviewShowAPresetIdleWhateverTheAppDoes)
{
    TimerStateSnapshot snapshot;
    snapshot.mode = TimerMode::Paused;
    snapshot.remaining = 12;
    m_store->setData(SharedDefaultsKeys::timerState.name, *snapshot.toJson());

    const TimerWidgetEntry placeholder = m_provider.placeholder();
    EXPECT_EQ(placeholder.timerState.mode, TimerMode::Idle);
    EXPECT_EQ(placeholder.timerState.remaining, 1500);
    EXPECT_EQ(placeholder.timerState.duration, 1500);
    EXPECT_EQ(placeholder.configuration.selectedPreset.name, QStringLiteral("25 min"));

    TimerWidgetConfigurationIntent custom;
    custom.selectedPreset = {QStringLiteral("preset.quick-10"), QStringLiteral("10 min"), 10};
    const TimerWidgetEntry preview = m_provider.snapshot(custom, true);
    EXPECT_EQ(preview.timerState.mode, TimerMode::Idle);
    EXPECT_EQ(preview.timerState.remaining, 600);
    EXPECT_EQ(preview.timerState.selectedPresetID, QStringLiteral("preset.quick-10"));
    EXPECT_EQ(m_provider.snapshot(custom, false).timerState.mode, TimerMode::Paused);
}

TEST(KelvaneWidget, TheProgramsReloadRequestNamesItsKind)
{
    EXPECT_TRUE(QString(TimerCommandQueue::widgetReloadNotificationName).endsWith(u'.' + QString(KelvaneWidget::kind)));
    EXPECT_EQ(KelvaneWidget::supportedFamilies.size(), 2u);
}

} // namespace
