// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetTimerState.h"

#include "TimerCoreKit/engine/TimerStateSnapshot.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "CaseNames.h"

#include <gtest/gtest.h>

#include <functional>

using platform::Date;
using platform::UserDefaults;

namespace {

const Date now = Date::fromSecondsSinceReferenceDate(750'000'000);

QByteArray snapshotJson(TimerMode mode, TimerDirection direction, double remaining, double elapsed,
                        std::optional<Date> endDate = {}, std::optional<Date> startDate = {})
{
    TimerStateSnapshot snapshot;
    snapshot.mode = mode;
    snapshot.direction = direction;
    snapshot.duration = 1500;
    snapshot.remaining = remaining;
    snapshot.elapsed = elapsed;
    snapshot.endDate = endDate;
    snapshot.startDate = startDate;
    snapshot.selectedPresetID = QStringLiteral("preset.classic-25");
    return snapshot.toJson().value();
}

struct StoredCase {
    const char* name;
    std::optional<QByteArray> snapshot;
    bool pomodoroKeys;
    // The idle state, changed to what this case expects.
    std::function<void(WidgetTimerState&)> expect;
    std::optional<WidgetLoadError> error;
    bool isRunning;
    bool isCompleted;
};

// Fields from a stored paused countdown of 25 minutes with 600 s left.
void storedCountdown(WidgetTimerState& s, TimerMode mode)
{
    s.mode = mode;
    s.duration = 1500;
    s.remaining = 600;
    s.selectedPresetID = QStringLiteral("preset.classic-25");
}

void storedCountUp(WidgetTimerState& s, TimerMode mode, double elapsed)
{
    storedCountdown(s, mode);
    s.remaining = 0;
    s.direction = TimerDirection::CountUp;
    s.elapsed = elapsed;
}

const StoredCase storedCases[] = {
    {"nothing stored", std::nullopt, true, [](WidgetTimerState&) {}, std::nullopt, false, false},
    {"not JSON", QByteArray("not json"), true, [](WidgetTimerState&) {}, WidgetLoadError::TimerStateCorrupted, false,
     false},
    {"unknown mode", QByteArray(R"({"mode":"sprinting","duration":1,"remaining":1})"), true, [](WidgetTimerState&) {},
     WidgetLoadError::TimerStateCorrupted, false, false},
    {"missing remaining", QByteArray(R"({"mode":"idle","duration":1})"), false, [](WidgetTimerState&) {},
     WidgetLoadError::TimerStateCorrupted, false, false},
    {"idle", snapshotJson(TimerMode::Idle, TimerDirection::Countdown, 600, 0), false,
     [](WidgetTimerState& s) { storedCountdown(s, TimerMode::Idle); }, std::nullopt, false, false},
    {"running countdown 90.5 s from its end",
     snapshotJson(TimerMode::Running, TimerDirection::Countdown, 600, 0, now + 90.5), false,
     [](WidgetTimerState& s) {
         storedCountdown(s, TimerMode::Running);
         s.remaining = 90.5;
     },
     std::nullopt, true, false},
    {"running countdown past its end", snapshotJson(TimerMode::Running, TimerDirection::Countdown, 600, 0, now - 5),
     false,
     [](WidgetTimerState& s) {
         storedCountdown(s, TimerMode::Running);
         s.remaining = 0;
     },
     std::nullopt, false, true},
    {"running countdown without an end date", snapshotJson(TimerMode::Running, TimerDirection::Countdown, 600, 0),
     false, [](WidgetTimerState& s) { storedCountdown(s, TimerMode::Running); }, std::nullopt, true, false},
    {"paused countdown at zero", snapshotJson(TimerMode::Paused, TimerDirection::Countdown, 0, 0, now - 5), false,
     [](WidgetTimerState& s) {
         storedCountdown(s, TimerMode::Paused);
         s.remaining = 0;
     },
     std::nullopt, false, false},
    {"completed", snapshotJson(TimerMode::Completed, TimerDirection::Countdown, 600, 0), false,
     [](WidgetTimerState& s) { storedCountdown(s, TimerMode::Completed); }, std::nullopt, false, true},
    {"running count-up", snapshotJson(TimerMode::Running, TimerDirection::CountUp, 0, 50, {}, now - 10), false,
     [](WidgetTimerState& s) { storedCountUp(s, TimerMode::Running, 60); }, std::nullopt, true, false},
    {"running count-up started in the future",
     snapshotJson(TimerMode::Running, TimerDirection::CountUp, 0, 50, {}, now + 20), false,
     [](WidgetTimerState& s) { storedCountUp(s, TimerMode::Running, 30); }, std::nullopt, true, false},
    {"running count-up past an end date",
     snapshotJson(TimerMode::Running, TimerDirection::CountUp, 0, 50, now - 1, now - 10), false,
     [](WidgetTimerState& s) { storedCountUp(s, TimerMode::Running, 60); }, std::nullopt, true, false},
    {"paused count-up", snapshotJson(TimerMode::Paused, TimerDirection::CountUp, 0, 50, {}, now - 10), false,
     [](WidgetTimerState& s) { storedCountUp(s, TimerMode::Paused, 50); }, std::nullopt, false, false},
    {"Pomodoro keys beside a snapshot", snapshotJson(TimerMode::Idle, TimerDirection::Countdown, 600, 0), true,
     [](WidgetTimerState& s) {
         storedCountdown(s, TimerMode::Idle);
         s.pomodoroActive = true;
         s.pomodoroPhaseIndex = 3;
     },
     std::nullopt, false, false},
};

class WidgetTimerStateLoad : public ::testing::TestWithParam<StoredCase> { };

TEST_P(WidgetTimerStateLoad, GivesTheDocumentedState)
{
    const auto& c = GetParam();
    const auto store = UserDefaults::inMemory();
    if (c.snapshot)
        store->setData(SharedDefaultsKeys::timerState, *c.snapshot);
    if (c.pomodoroKeys) {
        store->setBool(QStringLiteral("com.morrowfen.kelvane.pomodoro.active"), true);
        store->setInteger(QStringLiteral("com.morrowfen.kelvane.pomodoro.phaseIndex"), 3);
        // The widget assumes four rounds whatever the app keeps.
        store->setInteger(QStringLiteral("com.morrowfen.kelvane.pomodoro.roundCount"), 2);
    }
    const auto before = store->object(SharedDefaultsKeys::timerState);

    auto [state, error] = WidgetTimerState::load(*store, now);
    auto expected = WidgetTimerState::idle();
    c.expect(expected);
    // Fractional seconds off a date are exact only up to rounding.
    EXPECT_NEAR(state.remaining, expected.remaining, 1e-6);
    EXPECT_NEAR(state.elapsed, expected.elapsed, 1e-6);
    state.remaining = expected.remaining;
    state.elapsed = expected.elapsed;
    EXPECT_EQ(state, expected);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(state.isRunning(), c.isRunning);
    EXPECT_EQ(state.isCompleted(), c.isCompleted);
    EXPECT_EQ(state.pomodoroRoundCount, 4);
    EXPECT_EQ(store->object(SharedDefaultsKeys::timerState), before) << "reading never repairs the store";
    EXPECT_EQ(WidgetTimerState::current(*store, now), state);
}

INSTANTIATE_TEST_SUITE_P(StoredSnapshots, WidgetTimerStateLoad, ::testing::ValuesIn(storedCases),
                         [](const auto& testCase) { return caseName(testCase.param.name); });

TEST(WidgetTimerStateTest, IdleIsAFiveMinuteCountdown)
{
    const auto idle = WidgetTimerState::idle();
    EXPECT_EQ(idle.mode, TimerMode::Idle);
    EXPECT_EQ(idle.remaining, 300);
    EXPECT_EQ(idle.duration, 300);
    EXPECT_EQ(idle.selectedPresetID, u"preset.quick-5");
    EXPECT_EQ(idle.direction, TimerDirection::Countdown);
    EXPECT_EQ(idle.elapsed, 0);
    EXPECT_FALSE(idle.pomodoroActive);
    EXPECT_EQ(idle.pomodoroPhaseIndex, 0);
    EXPECT_EQ(idle.pomodoroRoundCount, 4);
}

TEST(WidgetTimerStateTest, SharedStoreStartsEmpty)
{
    const auto [state, error] = WidgetTimerState::load(AppGroup::userDefaults(), Date::now());
    EXPECT_EQ(state, WidgetTimerState::idle());
    EXPECT_EQ(error, std::nullopt);
}

TEST(WidgetTimerStateTest, PomodoroSequenceEndsEachCycleWithALongBreak)
{
    using P = WidgetPomodoroPhase;
    auto state = WidgetTimerState::idle();
    EXPECT_TRUE(state.pomodoroPhaseSequence().isEmpty());
    state.pomodoroActive = true;
    EXPECT_EQ(
        state.pomodoroPhaseSequence(),
        (QList<P>{P::Work, P::ShortBreak, P::Work, P::ShortBreak, P::Work, P::ShortBreak, P::Work, P::LongBreak}));
    state.pomodoroRoundCount = 1;
    EXPECT_EQ(state.pomodoroPhaseSequence(), (QList<P>{P::Work, P::LongBreak}));
}

TEST(WidgetTimerStateTest, PhaseRawStringsAreExact)
{
    EXPECT_EQ(platform::fromRawValue<WidgetPomodoroPhase>(u"shortBreak"), WidgetPomodoroPhase::ShortBreak);
    EXPECT_EQ(platform::fromRawValue<WidgetPomodoroPhase>(u"ShortBreak"), std::nullopt);
}

} // namespace
