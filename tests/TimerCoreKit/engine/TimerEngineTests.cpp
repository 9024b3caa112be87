// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerEngine.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/CountingBackend.h"
#include "support/FakeClock.h"
#include "support/FakeTicker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using platform::Date;

namespace {

class TimerEngineTest : public ::testing::Test {
protected:
    TimerEngine& makeEngine(std::shared_ptr<DebugTickProvider> debug = nullptr)
    {
        engine.reset();
        widgetRefreshes = 0;
        engine = std::make_unique<TimerEngine>(TimerPersistence(store.defaults), ticker, clock.provider(),
                                               clock.bootProvider(), debug);
        engine->setOnWidgetRefresh([this] { ++widgetRefreshes; });
        return *engine;
    }

    void storeSnapshot(const TimerStateSnapshot& snapshot) { TimerPersistence(store.defaults).save(snapshot); }

    std::optional<TimerStateSnapshot> stored() { return TimerPersistence(store.defaults).restore(); }
    int saves() const { return store.writes(SharedDefaultsKeys::timerState); }
    const TimerState& state() const { return engine->state(); }

    // Moves the clock and delivers one tick.
    void tickAfter(double seconds)
    {
        clock.advance(seconds);
        ticker->fire();
    }

    CountingStore store;
    FakeClock clock;
    std::shared_ptr<FakeTicker> ticker = std::make_shared<FakeTicker>();
    int widgetRefreshes = 0;
    std::unique_ptr<TimerEngine> engine;
};

TEST_F(TimerEngineTest, EmptyStoreStartsWithTheDefaultPresetAndSavesIt)
{
    makeEngine();
    EXPECT_EQ(saves(), 1);
    const auto saved = stored();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->mode, TimerMode::Idle);
    EXPECT_EQ(saved->direction, TimerDirection::Countdown);
    EXPECT_EQ(saved->duration, 1500);
    EXPECT_EQ(saved->remaining, 1500);
    EXPECT_EQ(saved->selectedPresetID, QStringLiteral("preset.classic-25"));
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_EQ(widgetRefreshes, 0);
}

TEST_F(TimerEngineTest, UndecodableSnapshotIsReplacedByTheDefault)
{
    store.defaults.setData(SharedDefaultsKeys::timerState, "{\"mode\":\"sleeping\"}");
    makeEngine();
    ASSERT_TRUE(stored());
    EXPECT_EQ(stored()->duration, 1500);
}

struct RestoreCase {
    const char* name;
    TimerStateSnapshot saved; // dates relative to the restart instant 0
    TimerMode mode;
    double remaining;
    double elapsed;
    bool savedAgain;
};

TimerStateSnapshot snapshotAt(double now, TimerStateSnapshot s)
{
    if (s.endDate)
        s.endDate = *s.endDate + now;
    if (s.startDate)
        s.startDate = *s.startDate + now;
    return s;
}

TEST_F(TimerEngineTest, RestoredRunningTimerComesBackPausedCompletedOrIdle)
{
    const auto at = [](double seconds) { return Date::fromSecondsSinceReferenceDate(seconds); };
    const double farFuture = 251'605'346'606.0;
    const RestoreCase cases[] = {
        {"countdown with time left", {TimerMode::Running, 10, 10, at(6)}, TimerMode::Paused, 6, 0, true},
        {"countdown past its end", {TimerMode::Running, 10, 10, at(-10)}, TimerMode::Completed, 0, 0, true},
        {"countdown without end date", {TimerMode::Running, 300, 42}, TimerMode::Idle, 300, 0, true},
        {"count-up",
         {TimerMode::Running, 300, 300, {}, {}, TimerDirection::CountUp, 10, at(-4)},
         TimerMode::Paused,
         300,
         14,
         true},
        {"paused stays as stored", {TimerMode::Paused, 300, 120}, TimerMode::Paused, 120, 0, false},
        {"completed stays as stored", {TimerMode::Completed, 300, 0}, TimerMode::Completed, 0, 0, false},
        // Values no build of this program writes: dates of another clock,
        // numbers out of range (those JSON cannot hold: RestoreBoundsTests).
        // The timer comes back within its bounds and startable.
        {"countdown ending in a far year",
         {TimerMode::Running, 300, 300, at(farFuture)},
         TimerMode::Paused,
         300,
         0,
         true},
        {"countdown ending later than its duration",
         {TimerMode::Running, 300, 300, at(301)},
         TimerMode::Paused,
         300,
         0,
         true},
        {"count-up started in a far year",
         {TimerMode::Running, 300, 300, {}, {}, TimerDirection::CountUp, 10, at(farFuture)},
         TimerMode::Paused,
         300,
         10,
         true},
        {"paused with hugely negative time left", {TimerMode::Paused, 300, -1e308}, TimerMode::Paused, 0, 0, true},
        {"paused with more left than its duration", {TimerMode::Paused, 300, 1e308}, TimerMode::Paused, 300, 0, true},
        {"count-up paused with negative elapsed",
         {TimerMode::Paused, 300, 300, {}, {}, TimerDirection::CountUp, -50},
         TimerMode::Paused,
         300,
         0,
         true},
        {"negative duration", {TimerMode::Idle, -5, -5}, TimerMode::Idle, 0, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store.backend->writes.clear();
        storeSnapshot(snapshotAt(clock.now().secondsSinceReferenceDate(), c.saved));
        makeEngine();
        EXPECT_EQ(state().mode(), c.mode);
        EXPECT_DOUBLE_EQ(state().remaining(), c.remaining);
        EXPECT_DOUBLE_EQ(state().elapsed(), c.elapsed);
        EXPECT_GE(state().duration(), 0);
        EXPECT_LE(state().remaining(), state().duration());
        EXPECT_FALSE(state().endDate());
        EXPECT_FALSE(state().startDate());
        EXPECT_EQ(saves(), c.savedAgain ? 2 : 1);
        EXPECT_FALSE(ticker->isRunning());
        ASSERT_TRUE(stored());
        EXPECT_EQ(stored()->mode, c.mode);
    }
}

TEST_F(TimerEngineTest, PauseKeepsTheTimeLeftAndStartContinuesFromIt)
{
    makeEngine().selectPreset("preset.quick-5");
    engine->start();
    EXPECT_EQ(state().mode(), TimerMode::Running);
    EXPECT_EQ(state().endDate(), clock.now() + 300);
    EXPECT_TRUE(ticker->isRunning());
    EXPECT_EQ(ticker->lastInterval, 1.0);

    clock.advance(130);
    engine->pause();
    EXPECT_EQ(state().mode(), TimerMode::Paused);
    EXPECT_DOUBLE_EQ(state().remaining(), 170);
    EXPECT_FALSE(state().endDate());
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_FALSE(stored()->endDate);

    engine->start();
    EXPECT_EQ(state().endDate(), clock.now() + 170);
    EXPECT_DOUBLE_EQ(state().remaining(), 170);
}

TEST_F(TimerEngineTest, PausedCountdownNeverRestartsFromLessThanOneSecond)
{
    struct Case {
        double remaining;
        bool viaResume;
        bool runs;
    };
    for (const auto& c : {Case{0.4, false, true}, Case{0.4, true, true}, Case{0, false, true}, Case{0, true, false}}) {
        SCOPED_TRACE(testing::Message() << c.remaining << (c.viaResume ? " resume" : " start"));
        storeSnapshot({TimerMode::Paused, 300, c.remaining});
        makeEngine();
        c.viaResume ? engine->resume() : engine->start();
        EXPECT_EQ(state().mode(), c.runs ? TimerMode::Running : TimerMode::Paused);
        if (c.runs) {
            EXPECT_DOUBLE_EQ(state().remaining(), 1);
            EXPECT_EQ(state().endDate(), clock.now() + 1);
        }
    }
}

TEST_F(TimerEngineTest, StartAfterCompletionBeginsWithTheFullDuration)
{
    storeSnapshot({TimerMode::Completed, 600, 0});
    makeEngine().start();
    EXPECT_DOUBLE_EQ(state().remaining(), 600);
    EXPECT_EQ(state().endDate(), clock.now() + 600);
}

TEST_F(TimerEngineTest, ResumeOnlyActsOnAPausedTimer)
{
    for (auto direction : {TimerDirection::Countdown, TimerDirection::CountUp}) {
        for (auto mode : {TimerMode::Idle, TimerMode::Completed}) {
            storeSnapshot({mode, 300, 200, {}, {}, direction, 5});
            makeEngine();
            const int savesBefore = saves();
            engine->resume();
            EXPECT_EQ(state().mode(), mode);
            EXPECT_EQ(saves(), savesBefore);
            EXPECT_EQ(widgetRefreshes, 0);
        }
        storeSnapshot({TimerMode::Idle, 300, 300, {}, {}, direction});
        makeEngine().start();
        const auto running = state().snapshot();
        const int savesBefore = saves();
        clock.advance(3);
        engine->resume();
        EXPECT_EQ(state().endDate(), running.endDate);
        EXPECT_EQ(state().startDate(), running.startDate);
        EXPECT_EQ(saves(), savesBefore);
    }
}

TEST_F(TimerEngineTest, UnknownPresetSelectsTheFirstOne)
{
    makeEngine().selectPreset("preset.nope");
    EXPECT_EQ(state().selectedPresetID(), QStringLiteral("preset.quick-5"));
    EXPECT_DOUBLE_EQ(state().duration(), 300);
    EXPECT_DOUBLE_EQ(state().remaining(), 300);
    EXPECT_EQ(stored()->selectedPresetID, QStringLiteral("preset.quick-5"));
}

TEST_F(TimerEngineTest, ExternalPresetSelectionIsTakenOnlyWhileIdleAndNew)
{
    makeEngine();
    EXPECT_FALSE(engine->applyExternalPresetSelection("preset.classic-25")); // already selected
    EXPECT_TRUE(engine->applyExternalPresetSelection("preset.deep-45"));
    EXPECT_DOUBLE_EQ(state().duration(), 2700);
    EXPECT_TRUE(engine->applyExternalPresetSelection("preset.unknown")); // falls back to quick-5

    engine->start();
    EXPECT_FALSE(engine->applyExternalPresetSelection("preset.deep-45"));
    engine->pause();
    EXPECT_FALSE(engine->applyExternalPresetSelection("preset.deep-45"));
    storeSnapshot({TimerMode::Completed, 300, 0});
    makeEngine();
    EXPECT_FALSE(engine->applyExternalPresetSelection("preset.deep-45"));
}

TEST_F(TimerEngineTest, SelectingAPresetDuringACountUpStopsItButKeepsItsCount)
{
    makeEngine().switchDirection(TimerDirection::CountUp);
    engine->start();
    tickAfter(8);
    const auto startDate = state().startDate();
    engine->selectPreset("preset.quick-10");
    EXPECT_EQ(state().mode(), TimerMode::Idle);
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_DOUBLE_EQ(state().elapsed(), 8);
    EXPECT_EQ(state().startDate(), startDate);

    clock.advance(100);
    engine->start();
    EXPECT_EQ(state().startDate(), clock.now());
    tickAfter(2);
    EXPECT_DOUBLE_EQ(state().elapsed(), 10);
}

TEST_F(TimerEngineTest, CustomDurationIsBoundedAndReloadsTheCustomPreset)
{
    makeEngine();
    engine->updateCustomDuration(0.2);
    EXPECT_EQ(engine->customDuration(), 1);
    EXPECT_EQ(store.defaults.doubleValue(SharedDefaultsKeys::customDuration), 1);

    engine->updateCustomDuration(50000);
    EXPECT_EQ(engine->customDuration(), 10800);

    const int savesBefore = saves();
    for (double bad : {NAN, INFINITY, -INFINITY}) {
        engine->updateCustomDuration(bad);
        EXPECT_EQ(engine->customDuration(), 10800);
        EXPECT_EQ(store.defaults.doubleValue(SharedDefaultsKeys::customDuration), 10800);
    }
    EXPECT_EQ(saves(), savesBefore); // the custom preset is not selected

    engine->selectPreset("preset.custom");
    engine->start();
    engine->updateCustomDuration(120);
    EXPECT_EQ(state().mode(), TimerMode::Idle);
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_DOUBLE_EQ(state().duration(), 120);
    EXPECT_DOUBLE_EQ(state().remaining(), 120);
}

TEST_F(TimerEngineTest, StoredCustomDurationIsBoundedAtLaunch)
{
    struct Case {
        double stored;
        double expected;
    };
    for (const auto& c : {Case{0, 900}, Case{-5, 900}, Case{0.5, 1}, Case{600, 600}, Case{99999, 10800}, Case{NAN, 900},
                          Case{INFINITY, 900}}) {
        store.defaults.setDouble(SharedDefaultsKeys::customDuration, c.stored);
        EXPECT_EQ(makeEngine().customDuration(), c.expected) << c.stored;
    }
}

TEST_F(TimerEngineTest, DirectionSwitchesOnlyWhileIdle)
{
    makeEngine().start();
    engine->pause();
    engine->switchDirection(TimerDirection::CountUp);
    EXPECT_EQ(state().direction(), TimerDirection::Countdown);

    storeSnapshot({TimerMode::Idle, 300, 300, {}, {}, TimerDirection::CountUp, 77, clock.now()});
    makeEngine().switchDirection(TimerDirection::CountUp);
    EXPECT_DOUBLE_EQ(state().elapsed(), 0);
    EXPECT_FALSE(state().startDate());
    EXPECT_EQ(widgetRefreshes, 1);

    engine->switchDirection(TimerDirection::Countdown);
    EXPECT_DOUBLE_EQ(state().remaining(), 300);
}

TEST_F(TimerEngineTest, CountdownCompletesOnTheFirstTickAtItsEnd)
{
    storeSnapshot({TimerMode::Idle, 3, 3});
    makeEngine().start();
    ticker->fire(); // the first tick comes at once
    EXPECT_DOUBLE_EQ(state().remaining(), 3);
    tickAfter(1.5);
    EXPECT_DOUBLE_EQ(state().remaining(), 1.5);
    EXPECT_EQ(state().mode(), TimerMode::Running);
    const int refreshesBefore = widgetRefreshes;
    tickAfter(1.5);
    EXPECT_EQ(state().mode(), TimerMode::Completed);
    EXPECT_DOUBLE_EQ(state().remaining(), 0);
    EXPECT_FALSE(state().endDate());
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_EQ(widgetRefreshes, refreshesBefore + 1);
    EXPECT_EQ(stored()->mode, TimerMode::Completed);
}

TEST_F(TimerEngineTest, LateOrSkippedTicksNeverMakeTheTimeWrong)
{
    makeEngine().start();
    tickAfter(7.25);
    EXPECT_DOUBLE_EQ(state().remaining(), 1500 - 7.25);
    clock.advance(0);
    ticker->fire();
    ticker->fire();
    EXPECT_DOUBLE_EQ(state().remaining(), 1500 - 7.25);
}

TEST_F(TimerEngineTest, PeriodicSavesAndWidgetRefreshesRestartWithEachStart)
{
    makeEngine().start();
    const int savesAtStart = saves();
    const int refreshesAtStart = widgetRefreshes;
    for (int tick = 1; tick <= 60; ++tick) {
        tickAfter(1);
        EXPECT_EQ(saves() - savesAtStart, tick / 5) << "tick " << tick;
        EXPECT_EQ(widgetRefreshes - refreshesAtStart, tick / 30) << "tick " << tick;
    }

    for (int tick = 0; tick < 4; ++tick)
        tickAfter(1);
    engine->pause();
    engine->resume();
    const int savesAfterResume = saves();
    for (int tick = 0; tick < 4; ++tick)
        tickAfter(1);
    EXPECT_EQ(saves(), savesAfterResume);
    tickAfter(1);
    EXPECT_EQ(saves(), savesAfterResume + 1);
}

TEST_F(TimerEngineTest, PausingACountdownPastItsEndCompletesIt)
{
    storeSnapshot({TimerMode::Idle, 10, 10});
    makeEngine().start();
    clock.advance(12); // the completing tick has not arrived yet
    const int refreshesBefore = widgetRefreshes;
    engine->pause();
    EXPECT_EQ(state().mode(), TimerMode::Completed);
    EXPECT_DOUBLE_EQ(state().remaining(), 0);
    EXPECT_FALSE(state().endDate());
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_EQ(widgetRefreshes, refreshesBefore + 1);
    EXPECT_EQ(stored()->mode, TimerMode::Completed);
    engine->start();
    EXPECT_DOUBLE_EQ(state().remaining(), 10);
}

TEST_F(TimerEngineTest, CountUpAccumulatesAcrossPauses)
{
    makeEngine().switchDirection(TimerDirection::CountUp);
    engine->start();
    tickAfter(5);
    tickAfter(5);
    EXPECT_DOUBLE_EQ(state().elapsed(), 10);
    clock.advance(2.5);
    engine->pause();
    EXPECT_DOUBLE_EQ(state().elapsed(), 12.5);
    EXPECT_FALSE(state().startDate());
    clock.advance(100);
    engine->resume();
    tickAfter(1);
    EXPECT_DOUBLE_EQ(state().elapsed(), 13.5);
    engine->reset();
    EXPECT_DOUBLE_EQ(state().elapsed(), 0);
    EXPECT_EQ(state().mode(), TimerMode::Idle);
}

// A running timer goes by the time that passes, on the boot clock (which
// counts a suspend), whatever is done to the wall clock meanwhile.
TEST_F(TimerEngineTest, RunningTimeIsTheTimePassedWhateverTheWallClockDoes)
{
    enum class Then { Tick, Pause, Resume };
    struct Move {
        double wallStep; // the wall clock alone set on (or back)
        double passed; // time passing, a suspend included: both clocks
        Then then;
        TimerMode mode;
        double shown; // time left (countdown) or counted (count-up)
    };
    struct Case {
        const char* name;
        TimerDirection direction;
        double length;
        std::vector<Move> moves;
    };
    const auto countdown = TimerDirection::Countdown;
    const auto countUp = TimerDirection::CountUp;
    const auto running = TimerMode::Running;
    const auto paused = TimerMode::Paused;
    const auto completed = TimerMode::Completed;
    const Case cases[] = {
        {"countdown, wall clock back then forward an hour",
         countdown,
         30,
         {{-3600, 5, Then::Tick, running, 25},
          {3600, 5, Then::Tick, running, 20},
          {0, 19.5, Then::Tick, running, 0.5},
          {0, 0.5, Then::Tick, completed, 0}}},
        {"countdown, wall clock forward an hour",
         countdown,
         30,
         {{3600, 5, Then::Tick, running, 25}, {0, 25, Then::Tick, completed, 0}}},
        {"countdown paused and resumed across steps",
         countdown,
         30,
         {{-3600, 10, Then::Pause, paused, 20},
          {7200, 100, Then::Resume, running, 20},
          {-3600, 4, Then::Tick, running, 16}}},
        {"countdown through a suspend past its end", countdown, 300, {{0, 600, Then::Tick, completed, 0}}},
        {"count-up, wall clock back then forward an hour",
         countUp,
         300,
         {{-3600, 5, Then::Tick, running, 5},
          {0, 3, Then::Tick, running, 8},
          {3600, 2, Then::Tick, running, 10},
          {-60, 1, Then::Pause, paused, 11}}},
        {"count-up through a suspend", countUp, 300, {{0, 600, Then::Tick, running, 600}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        storeSnapshot({TimerMode::Idle, c.length, c.length, {}, {}, c.direction});
        makeEngine().start();
        for (const auto& move : c.moves) {
            SCOPED_TRACE(testing::Message() << "step " << move.wallStep << ", passed " << move.passed);
            clock.stepWall(move.wallStep);
            clock.advance(move.passed);
            switch (move.then) {
            case Then::Tick:
                ticker->fire();
                break;
            case Then::Pause:
                engine->pause();
                break;
            case Then::Resume:
                engine->resume();
                break;
            }
            EXPECT_EQ(state().mode(), move.mode);
            EXPECT_DOUBLE_EQ(c.direction == countdown ? state().remaining() : state().elapsed(), move.shown);
        }
    }
}

// The store keeps wall-clock dates, which the widget and the next launch read:
// after a step the save dates them afresh from the time the timer really has,
// and a relaunch (its boot clock elsewhere) restores from them as ever.
TEST_F(TimerEngineTest, StoredDatesFollowAWallClockStepAndARelaunchRestoresFromThem)
{
    struct Case {
        TimerDirection direction;
        double wallStep;
    };
    for (const auto& c : {Case{TimerDirection::Countdown, -3600}, Case{TimerDirection::Countdown, 3600},
                          Case{TimerDirection::CountUp, -3600}, Case{TimerDirection::CountUp, 3600}}) {
        const bool isCountdown = c.direction == TimerDirection::Countdown;
        SCOPED_TRACE(testing::Message() << (isCountdown ? "countdown" : "count-up") << ", step " << c.wallStep);
        storeSnapshot({TimerMode::Idle, 60, 60, {}, {}, c.direction});
        makeEngine().start();
        clock.stepWall(c.wallStep);
        for (int tick = 0; tick < 5; ++tick) // the fifth saves
            tickAfter(1);
        ASSERT_TRUE(stored());
        if (isCountdown) {
            EXPECT_DOUBLE_EQ(stored()->remaining, 55);
            EXPECT_EQ(stored()->endDate, clock.now() + 55);
            EXPECT_EQ(state().endDate(), clock.now() + 55);
        } else {
            EXPECT_DOUBLE_EQ(stored()->elapsed, 5);
            EXPECT_EQ(stored()->startDate, clock.now());
        }

        clock.advance(0.5); // unsaved: lost with the program
        engine.reset();
        clock.stepWall(3); // while the program is down
        clock.setBootTime(42);
        makeEngine();
        EXPECT_EQ(state().mode(), TimerMode::Paused);
        EXPECT_DOUBLE_EQ(isCountdown ? state().remaining() : state().elapsed(), isCountdown ? 51.5 : 8.5);

        engine->resume();
        tickAfter(2);
        EXPECT_DOUBLE_EQ(isCountdown ? state().remaining() : state().elapsed(), isCountdown ? 49.5 : 10.5);
    }
}

TEST_F(TimerEngineTest, FieldsChangeInTheOrderObserversRelyOn)
{
    makeEngine().selectPreset("preset.quick-5");
    QStringList order;
    const auto watch
        = [&](auto signal, const char* name) { QObject::connect(&state(), signal, [&order, name] { order << name; }); };
    watch(&TimerState::modeChanged, "mode");
    watch(&TimerState::durationChanged, "duration");
    watch(&TimerState::remainingChanged, "remaining");
    watch(&TimerState::endDateChanged, "endDate");
    watch(&TimerState::selectedPresetIDChanged, "preset");

    clock.advance(1);
    engine->start();
    EXPECT_EQ(order, (QStringList{"endDate", "mode"})); // remaining is already 300
    order.clear();
    clock.advance(10);
    engine->pause();
    EXPECT_EQ(order, (QStringList{"remaining", "mode", "endDate"}));
    order.clear();
    engine->start();
    clock.advance(290);
    ticker->fire();
    EXPECT_EQ(order, (QStringList{"endDate", "mode", "remaining", "mode", "endDate"}));
    order.clear();
    engine->selectPreset("preset.quick-10");
    EXPECT_EQ(order, (QStringList{"duration", "remaining", "mode", "preset"}));
}

// Hears every signal of the engine's state and notes, on each, what the state
// and the store read at that moment.
class StateListener {
public:
    // Snapshots as JSON text, so a failure prints them readably.
    struct Heard {
        std::string signal;
        std::string state;
        std::string stored;
    };

    static std::string text(const std::optional<TimerStateSnapshot>& snapshot)
    {
        const auto json = snapshot ? snapshot->toJson() : std::nullopt;
        return json ? json->toStdString() : std::string("none");
    }

    StateListener(const TimerState& state, platform::UserDefaults& defaults)
    {
        const auto listen = [&](void (TimerState::*signal)(), const char* name) {
            QObject::connect(&state, signal, [this, &state, &defaults, name] {
                heard.push_back({name, text(state.snapshot()), text(TimerPersistence(defaults).restore())});
            });
        };
        listen(&TimerState::modeChanged, "mode");
        listen(&TimerState::durationChanged, "duration");
        listen(&TimerState::remainingChanged, "remaining");
        listen(&TimerState::endDateChanged, "endDate");
        listen(&TimerState::selectedPresetIDChanged, "preset");
        listen(&TimerState::directionChanged, "direction");
        listen(&TimerState::elapsedChanged, "elapsed");
        listen(&TimerState::startDateChanged, "startDate");
        listen(&TimerState::changed, "changed");
    }

    std::vector<std::string> signalNames() const
    {
        std::vector<std::string> names;
        for (const auto& h : heard)
            names.push_back(h.signal);
        return names;
    }

    std::vector<Heard> heard;
};

// Whichever signal an observer listens to, during whichever operation, it reads
// the operation's finished state: every field already set (never the new mode
// with the old end date, or the reverse), announced once, and already saved
// when the operation saves.
TEST_F(TimerEngineTest, ObserversOnlyEverSeeAFinishedOperation)
{
    makeEngine().selectPreset("preset.quick-5");
    StateListener listener(state(), store.defaults);

    struct Step {
        const char* name;
        std::function<void()> run;
        std::vector<std::string> signalNames;
        bool saves;
    };
    const Step steps[] = {
        {"start",
         [&] {
             clock.advance(1);
             engine->start();
         },
         {"endDate", "mode", "changed"},
         true},
        {"tick", [&] { tickAfter(10); }, {"remaining", "changed"}, false},
        {"pause",
         [&] {
             clock.advance(5);
             engine->pause();
         },
         {"remaining", "mode", "endDate", "changed"},
         true},
        {"resume",
         [&] {
             clock.advance(100);
             engine->resume();
         },
         {"endDate", "mode", "changed"},
         true},
        {"complete", [&] { tickAfter(state().remaining()); }, {"remaining", "mode", "endDate", "changed"}, true},
        {"start after completion", [&] { engine->start(); }, {"remaining", "endDate", "mode", "changed"}, true},
        {"pause past the end",
         [&] {
             clock.advance(400);
             engine->pause();
         },
         {"remaining", "mode", "endDate", "changed"},
         true},
        {"start again", [&] { engine->start(); }, {"remaining", "endDate", "mode", "changed"}, true},
        {"stop",
         [&] {
             clock.advance(20);
             engine->reset();
         },
         {"mode", "endDate", "changed"},
         true},
        {"select a preset",
         [&] { engine->selectPreset("preset.quick-10"); },
         {"duration", "remaining", "preset", "changed"},
         true},
        {"load a phase", [&] { engine->loadPhase(42); }, {"duration", "remaining", "changed"}, false},
        {"switch direction", [&] { engine->switchDirection(TimerDirection::CountUp); }, {"direction", "changed"}, true},
        {"start a count-up", [&] { engine->start(); }, {"startDate", "mode", "changed"}, true},
        {"count-up tick", [&] { tickAfter(3); }, {"elapsed", "startDate", "changed"}, false},
        {"pause a count-up",
         [&] {
             clock.advance(2);
             engine->pause();
         },
         {"elapsed", "startDate", "mode", "changed"},
         true},
        {"resume a count-up", [&] { engine->resume(); }, {"startDate", "mode", "changed"}, true},
        {"stop a count-up",
         [&] {
             clock.advance(1);
             engine->reset();
         },
         {"mode", "elapsed", "startDate", "changed"},
         true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        listener.heard.clear();
        step.run();
        EXPECT_EQ(listener.signalNames(), step.signalNames);
        const auto finished = StateListener::text(state().snapshot());
        for (const auto& heard : listener.heard) {
            SCOPED_TRACE(heard.signal);
            EXPECT_EQ(heard.state, finished);
            if (step.saves) {
                EXPECT_EQ(heard.stored, finished);
            }
        }
    }
}

// An observer that acts on the news at once finds the operation over: the rest
// of the operation (its ticker, its save) does not undo what the observer did.
TEST_F(TimerEngineTest, AnObserverActingAtOnceIsNotUndoneByTheRestOfTheOperation)
{
    makeEngine().selectPreset("preset.quick-5");
    QObject::connect(&state(), &TimerState::modeChanged, [this] {
        if (state().mode() == TimerMode::Running)
            engine->pause();
    });
    int changes = 0;
    QObject::connect(&state(), &TimerState::changed, [&] { ++changes; });

    clock.advance(1);
    engine->start();
    EXPECT_EQ(state().mode(), TimerMode::Paused);
    EXPECT_DOUBLE_EQ(state().remaining(), 300);
    EXPECT_FALSE(state().endDate());
    EXPECT_FALSE(ticker->isRunning());
    EXPECT_EQ(stored()->mode, TimerMode::Paused);
    EXPECT_EQ(changes, 2); // the start's and the pause's
}

TEST_F(TimerEngineTest, LengthsThatAreNotFiniteNeverReachTheState)
{
    makeEngine();
    int changes = 0;
    QObject::connect(&state(), &TimerState::changed, [&] { ++changes; });
    for (double bad : {NAN, INFINITY, -INFINITY})
        engine->loadPhase(bad);
    EXPECT_EQ(state().duration(), 1500);
    EXPECT_EQ(state().remaining(), 1500);
    EXPECT_EQ(changes, 0);

    engine->switchDirection(TimerDirection::CountUp);
    engine->start();
    tickAfter(4);
    tickAfter(INFINITY); // a clock gone wrong
    EXPECT_DOUBLE_EQ(state().elapsed(), 4);
}

TEST_F(TimerEngineTest, LoadingAPhaseTouchesNothingButTheLengthAndTheMode)
{
    makeEngine().selectPreset("preset.quick-5");
    clock.advance(1);
    engine->start();
    const auto running = state().snapshot();
    const int savesBefore = saves();
    const int refreshesBefore = widgetRefreshes;
    const int stopsBefore = ticker->stopCount;

    engine->loadPhase(42);
    EXPECT_EQ(state().mode(), TimerMode::Idle);
    EXPECT_DOUBLE_EQ(state().duration(), 42);
    EXPECT_DOUBLE_EQ(state().remaining(), 42);
    EXPECT_EQ(state().endDate(), running.endDate);
    EXPECT_EQ(state().selectedPresetID(), running.selectedPresetID);
    EXPECT_TRUE(ticker->isRunning());
    EXPECT_EQ(ticker->stopCount, stopsBefore);
    EXPECT_EQ(saves(), savesBefore);
    EXPECT_EQ(widgetRefreshes, refreshesBefore);
}

TEST_F(TimerEngineTest, StrayTicksAreHarmless)
{
    makeEngine().start();
    const auto strayTick = ticker->handler();
    engine->pause();
    strayTick(); // queued before the pause, delivered after it
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(state().mode(), TimerMode::Paused);

    engine->start();
    const auto lateTick = ticker->handler();
    clock.advance(2 * 3600); // a tick that ran now would complete the timer and save it
    const int savesBefore = saves();
    const int refreshesBefore = widgetRefreshes;
    engine.reset();
    lateTick(); // the engine is gone: nothing may run
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(saves(), savesBefore);
    EXPECT_EQ(widgetRefreshes, refreshesBefore);
    ASSERT_TRUE(stored());
    EXPECT_EQ(stored()->mode, TimerMode::Running);
}

class StubDebugProvider final : public DebugTickProvider {
public:
    bool isEnabled() const override { return enabled; }
    double interval() const override { return seconds; }
    bool enabled = false;
    double seconds = 0.25;
};

TEST_F(TimerEngineTest, DebugProviderChangeRestartsARunningTicker)
{
    auto debug = std::make_shared<StubDebugProvider>();
    makeEngine(debug);
    Q_EMIT debug->changed();
    EXPECT_EQ(ticker->startCount, 0); // not running

    engine->start();
    EXPECT_EQ(ticker->lastInterval, 1.0);
    debug->enabled = true;
    Q_EMIT debug->changed();
    EXPECT_EQ(ticker->startCount, 2);
    EXPECT_EQ(ticker->lastInterval, 0.25);
}

} // namespace
