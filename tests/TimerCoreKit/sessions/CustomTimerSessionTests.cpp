// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/CustomTimerSession.h"

#include "TimerCoreKit/sessions/CustomTimerStore.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/EngineRig.h"
#include "support/SampleTimers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class CustomTimerSessionTest : public ::testing::Test {
protected:
    CustomTimerSessionTest() { store = std::make_unique<CustomTimerStore>(*rig.defaults, rig.clock.provider()); }

    CustomTimerSession& makeSession()
    {
        session.reset();
        session = std::make_unique<CustomTimerSession>(*rig.engine, rig.sounds, *store, *rig.defaults,
                                                       rig.delays.factory());
        return *session;
    }

    // A relaunch: everything built anew over the same store.
    CustomTimerSession& relaunch()
    {
        session.reset();
        store.reset();
        rig.restartEngine();
        store = std::make_unique<CustomTimerStore>(*rig.defaults, rig.clock.provider());
        return makeSession();
    }

    CustomTimer addTimer(const QString& name, std::initializer_list<double> lengths, int rounds = 1)
    {
        const auto timer = sampleTimer(name, lengths, rounds);
        store->add(timer);
        return timer;
    }

    void runUntil(int index) { rig.runUntil(*session, index); }

    std::optional<QString> storedID() const { return rig.defaults->string(SharedDefaultsKeys::customTimerActiveID); }
    bool storedActive() const { return rig.defaults->boolValue(SharedDefaultsKeys::customTimerActive); }
    qint64 storedIndex() const { return rig.defaults->integer(SharedDefaultsKeys::customTimerPhaseIndex); }
    QString idText(const CustomTimer& timer) const { return timer.id.toString(QUuid::WithoutBraces).toUpper(); }

    // Starts a plain 5-minute countdown on the engine, outside any cycle.
    void runPlainTimer()
    {
        rig.engine->selectPreset("preset.quick-5");
        rig.engine->start();
    }

    EngineRig rig;
    std::unique_ptr<CustomTimerStore> store;
    std::unique_ptr<CustomTimerSession> session;
};

TEST_F(CustomTimerSessionTest, ThreePhasesTwiceRunToTheirEndWithTheRightSounds)
{
    const auto timer = addTimer("Circuit", {40, 20, 60}, 2);
    auto& s = makeSession();
    s.activate(timer);
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    s.start();
    const double lengths[] = {40, 20, 60, 40, 20, 60};
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(s.isActive());
        EXPECT_EQ(s.currentPhaseIndex(), index);
        EXPECT_EQ(s.currentRound(), index / 3 + 1);
        EXPECT_EQ(s.currentPhase()->id, timer.phases[index % 3].id);
        EXPECT_EQ(storedIndex(), index);
        EXPECT_DOUBLE_EQ(rig.state().duration(), lengths[index]);
        rig.finishCountdown();
        rig.elapsePause();
    }
    EXPECT_EQ(rig.sounds.played, EngineRig::pingsThenHero(5));
    EXPECT_FALSE(s.isActive());
    EXPECT_FALSE(storedActive());
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    EXPECT_EQ(s.activeTimer(), timer);
    EXPECT_EQ(storedID(), idText(timer));
}

TEST_F(CustomTimerSessionTest, RelaunchMidCycleRestoresTheTimerOnItsPhase)
{
    const auto timer = addTimer("Circuit", {40, 20, 60}, 2);
    makeSession().activate(timer);
    session->start();
    runUntil(3);
    rig.clock.advance(15);

    auto& s = relaunch();
    EXPECT_EQ(s.activeTimer(), timer);
    EXPECT_TRUE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 3);
    EXPECT_EQ(s.currentRound(), 2);
    EXPECT_EQ(s.totalRounds(), 2);
    EXPECT_EQ(rig.state().mode(), TimerMode::Paused);

    rig.sounds.played.clear();
    s.resume();
    EXPECT_DOUBLE_EQ(rig.state().remaining(), 25);
    runUntil(6);
    EXPECT_EQ(rig.sounds.played, EngineRig::pingsThenHero(2));
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
}

TEST_F(CustomTimerSessionTest, ChoosingAnotherTimerEndsTheRunningCycleSilently)
{
    const auto a = addTimer("A", {30, 30});
    const auto b = addTimer("B", {10});
    auto& s = makeSession();
    s.activate(a);
    s.start();
    s.skipPhase();
    // The old cycle is ended before the new sequencer reads the shared keys.
    QList<std::pair<bool, qint64>> keysWhenInactive;
    QObject::connect(&s, &CustomTimerSession::isActiveChanged, [&] {
        keysWhenInactive.append({storedActive(), storedIndex()});
    });

    s.activate(b);
    EXPECT_EQ(keysWhenInactive, (QList<std::pair<bool, qint64>>{{false, 0}}));
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 0);
    EXPECT_EQ(s.activeTimer(), b);
    EXPECT_EQ(storedID(), idText(b));
    EXPECT_TRUE(rig.sounds.played.isEmpty());
    EXPECT_EQ(s.phaseSequence().size(), 1);
}

TEST_F(CustomTimerSessionTest, OnlyActivationsAfterTheFirstResetTheEngine)
{
    const auto a = addTimer("A", {30});
    const auto b = addTimer("B", {10});
    auto& s = makeSession();
    runPlainTimer();
    s.activate(a);
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    s.activate(b);
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
}

TEST_F(CustomTimerSessionTest, ResetKeepsTheTimerChosenAndStartRunsItFromTheTop)
{
    const auto timer = addTimer("A", {30, 20});
    auto& s = makeSession();
    s.activate(timer);
    s.start();
    s.skipPhase();
    s.reset();
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 0);
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    EXPECT_EQ(s.activeTimer(), timer);
    EXPECT_EQ(storedID(), idText(timer));

    s.start();
    EXPECT_TRUE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 0);
    EXPECT_DOUBLE_EQ(rig.state().duration(), 30);
}

TEST_F(CustomTimerSessionTest, ResetOfAnEndedCycleLeavesAnotherTimerRunning)
{
    const auto timer = addTimer("A", {30, 20});
    auto& s = makeSession();
    s.activate(timer);
    s.start();
    runUntil(2); // ended; the index stays on the last phase
    ASSERT_FALSE(s.isActive());
    ASSERT_EQ(s.currentPhaseIndex(), 1);

    runPlainTimer();
    s.reset(); // as when the timer that ran earlier is deleted
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    EXPECT_DOUBLE_EQ(rig.state().duration(), 300);
    EXPECT_EQ(s.currentPhaseIndex(), 0);
    EXPECT_EQ(s.currentRound(), 1);
    EXPECT_EQ(storedIndex(), 0);
    EXPECT_EQ(s.activeTimer(), timer);
}

TEST_F(CustomTimerSessionTest, StoredIdThatFindsNoTimerChoosesNothing)
{
    addTimer("Present", {10});
    struct Case {
        const char* name;
        QString stored;
    };
    for (const auto& c : {Case{"deleted timer", QUuid::createUuid().toString(QUuid::WithoutBraces)},
                          Case{"not a UUID", "timer-1"}, Case{"braced", QUuid::createUuid().toString()}}) {
        SCOPED_TRACE(c.name);
        rig.defaults->setString(SharedDefaultsKeys::customTimerActiveID, c.stored);
        runPlainTimer();
        auto& s = makeSession();
        EXPECT_FALSE(s.activeTimer());
        EXPECT_EQ(storedID(), c.stored);
        EXPECT_EQ(rig.state().mode(), TimerMode::Running);

        s.reset(); // clears the stale id, and leaves the engine alone
        EXPECT_FALSE(storedID());
        EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    }
}

TEST_F(CustomTimerSessionTest, NothingHappensBeforeATimerIsChosen)
{
    auto& s = makeSession();
    runPlainTimer();
    rig.clock.advance(10);
    s.pause();
    s.skipPhase();
    s.previewCurrentPhase();
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    s.start();
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    EXPECT_DOUBLE_EQ(rig.state().duration(), 300);
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(s.currentRound(), 1);
    EXPECT_EQ(s.totalRounds(), 1);
    EXPECT_TRUE(s.phaseSequence().isEmpty());
    EXPECT_FALSE(s.currentPhase());
}

TEST_F(CustomTimerSessionTest, RoundsCountThroughTheRepeatedPhases)
{
    const auto timer = addTimer("Two by three", {10, 20}, 3);
    auto& s = makeSession();
    s.activate(timer);
    EXPECT_EQ(s.phaseSequence().size(), 6);
    s.start();
    for (int i = 0; i < 5; ++i)
        s.skipPhase();
    EXPECT_EQ(s.currentPhaseIndex(), 5);
    EXPECT_EQ(s.currentRound(), 3);
    EXPECT_EQ(s.totalRounds(), 3);

    const auto noRounds = addTimer("No rounds", {10}, 0);
    s.activate(noRounds);
    EXPECT_EQ(s.totalRounds(), 1);
}

TEST_F(CustomTimerSessionTest, AStoredRoundCountBeyondTheEditorsRunsAsItsLargest)
{
    // A damaged record once made the session build billions of phases.
    const auto huge = addTimer("Huge", {10, 20, 30}, std::numeric_limits<int>::max());
    auto& s = makeSession();
    s.activate(huge);
    EXPECT_EQ(s.totalRounds(), CustomTimer::roundsRange.upper);
    EXPECT_EQ(s.phaseSequence().size(), 3 * CustomTimer::roundsRange.upper);
    ASSERT_TRUE(s.activeTimer());
    EXPECT_EQ(s.activeTimer()->rounds, std::numeric_limits<int>::max()); // the record itself is kept
}

TEST_F(CustomTimerSessionTest, LeftoverCycleKeysDoNotCarryOverToAnotherTimer)
{
    rig.defaults->setBool(SharedDefaultsKeys::customTimerActive, true);
    rig.defaults->setInteger(SharedDefaultsKeys::customTimerPhaseIndex, 1);
    const auto timer = addTimer("Fresh", {10, 20});
    auto& s = makeSession();
    s.activate(timer);
    EXPECT_FALSE(s.isActive());
    EXPECT_FALSE(storedActive());
    s.start();
    EXPECT_EQ(s.currentPhaseIndex(), 0);
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
}

TEST_F(CustomTimerSessionTest, ReplacingTheSequencerWhileItsCompletionIsQueuedIsSafe)
{
    const auto a = addTimer("A", {10, 10});
    const auto b = addTimer("B", {10});
    auto& s = makeSession();
    s.activate(a);
    s.start();
    rig.clock.advance(10);
    rig.ticker->handler()(); // the completion is handed over but not yet handled
    s.activate(b);
    EngineRig::deliver();
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(rig.delays.pendingCount(), 0);
    EXPECT_TRUE(rig.sounds.played.isEmpty());
}

TEST_F(CustomTimerSessionTest, ChoosingAnotherTimerWhenACycleEndsIsSafe)
{
    const auto a = addTimer("A", {10});
    const auto b = addTimer("B", {10});
    auto& s = makeSession();
    s.activate(a);
    // Reacting to the end from inside the old sequencer's own announcement:
    // the old one must outlive it, and must not undo what the reaction began.
    QObject::connect(&s, &CustomTimerSession::isActiveChanged, [&] {
        if (!s.isActive() && s.activeTimer() == a) {
            s.activate(b);
            s.start();
        }
    });
    s.start();
    rig.finishCountdown();
    EXPECT_EQ(s.activeTimer(), b);
    EXPECT_TRUE(s.isActive());
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    EXPECT_EQ(rig.sounds.played, QList{CompletionSound::Hero});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    rig.finishCountdown();
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(rig.sounds.played, (QList{CompletionSound::Hero, CompletionSound::Hero}));
}

} // namespace
