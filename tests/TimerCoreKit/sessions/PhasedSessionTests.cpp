// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/PhasedSession.h"

#include "support/EngineRig.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto activeKey = "test.cycle.active"_L1;
constexpr auto indexKey = "test.cycle.phaseIndex"_L1;

const Phase phaseA{QUuid::createUuid(), "A", 10, QColor(Qt::red), false};
const Phase phaseB{QUuid::createUuid(), "B", 5, QColor(Qt::green), true};

class PhasedSessionTest : public ::testing::Test {
protected:
    PhasedSession& makeSession(int rounds = 2, QList<Phase> phases = {phaseA, phaseB},
                               CompletionSound phaseSound = CompletionSound::Ping,
                               CompletionSound cycleSound = CompletionSound::Hero)
    {
        session = std::make_unique<PhasedSession>(*rig.engine, std::move(phases), rounds, rig.sounds, phaseSound,
                                                  cycleSound, *rig.defaults, activeKey, indexKey, rig.delays.make());
        return *session;
    }

    bool storedActive() const { return rig.defaults->boolValue(activeKey); }
    std::optional<platform::StoredValue> storedIndex() const { return rig.defaults->object(indexKey); }

    EngineRig rig;
    std::unique_ptr<PhasedSession> session;
};

TEST_F(PhasedSessionTest, PhasesRepeatOncePerRoundAndRoundsBelowOneCountAsOne)
{
    struct Case {
        int rounds;
        int totalRounds;
    };
    for (const auto c : {Case{2, 2}, Case{1, 1}, Case{0, 1}, Case{-3, 1}}) {
        SCOPED_TRACE(c.rounds);
        const auto& s = makeSession(c.rounds);
        EXPECT_EQ(s.totalRounds(), c.totalRounds);
        QList<Phase> expected;
        for (int r = 0; r < c.totalRounds; ++r)
            expected << phaseA << phaseB;
        EXPECT_EQ(s.phaseSequence(), expected);
    }
}

TEST_F(PhasedSessionTest, FullCycleRunsEveryPhaseWithItsSoundThenStandsIdleOnTheLastPhase)
{
    auto& s = makeSession();
    s.start();
    const double expectedDurations[] = {10, 5, 10, 5};
    const int expectedRounds[] = {1, 1, 2, 2};
    for (int index = 0; index < 4; ++index) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(s.isActive());
        EXPECT_EQ(s.currentPhaseIndex(), index);
        EXPECT_EQ(s.currentRound(), expectedRounds[index]);
        EXPECT_EQ(rig.defaults->integer(indexKey), index);
        EXPECT_EQ(rig.state().mode(), TimerMode::Running);
        EXPECT_DOUBLE_EQ(rig.state().duration(), expectedDurations[index]);
        rig.finishCountdown();
        if (index < 3) {
            // The finished phase stays on show until the pause is over.
            EXPECT_EQ(rig.state().mode(), TimerMode::Completed);
            EXPECT_EQ(s.currentPhaseIndex(), index);
            rig.elapsePause();
        }
    }
    EXPECT_EQ(rig.sounds.played, EngineRig::pingsThenHero(3));
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 3);
    EXPECT_FALSE(storedActive());
    EXPECT_EQ(rig.defaults->integer(indexKey), 3);
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    EXPECT_DOUBLE_EQ(rig.state().remaining(), 5);
    EXPECT_EQ(rig.delays.pendingCount(), 0);
}

TEST_F(PhasedSessionTest, ConfiguredSoundsPlayWhateverTheyAre)
{
    auto& s = makeSession(1, {phaseA, phaseB}, CompletionSound::None, CompletionSound::Tink);
    s.start();
    rig.finishCountdown();
    rig.elapsePause();
    rig.finishCountdown();
    EXPECT_EQ(rig.sounds.played, (QList{CompletionSound::None, CompletionSound::Tink}));
}

TEST_F(PhasedSessionTest, StartWhileRunningChangesNothing)
{
    auto& s = makeSession();
    s.start();
    s.skipPhase();
    const auto endDate = rig.state().endDate();
    rig.clock.advance(2);
    s.start();
    EXPECT_EQ(s.currentPhaseIndex(), 1);
    EXPECT_EQ(rig.state().endDate(), endDate);
}

TEST_F(PhasedSessionTest, SkippingPastTheLastPhaseEndsTheCycleOnePastTheEnd)
{
    auto& s = makeSession();
    s.start();
    for (int i = 0; i < 4; ++i)
        s.skipPhase();
    EXPECT_EQ(rig.sounds.played, QList{CompletionSound::Hero});
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 4);
    EXPECT_EQ(rig.defaults->integer(indexKey), 4);
    EXPECT_EQ(s.currentPhase(), phaseA);
    EXPECT_EQ(s.currentRound(), 3);
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);

    s.skipPhase(); // inactive: nothing
    EXPECT_EQ(s.currentPhaseIndex(), 4);
    EXPECT_EQ(rig.sounds.played.size(), 1);
}

TEST_F(PhasedSessionTest, WhatHappensDuringThePauseDecidesTheNextPhase)
{
    struct Case {
        const char* name;
        void (*act)(PhasedSession&);
        bool active;
        int index;
        TimerMode mode;
    };
    const Case cases[] = {
        {"reset drops the advance", [](PhasedSession& s) { s.reset(); }, false, 0, TimerMode::Idle},
        {"reset and start begin at the first phase",
         [](PhasedSession& s) {
             s.reset();
             s.start();
         },
         true, 0, TimerMode::Running},
        {"skip advances exactly once", [](PhasedSession& s) { s.skipPhase(); }, true, 2, TimerMode::Running},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& s = makeSession();
        s.start();
        s.skipPhase();
        rig.finishCountdown(); // phase 1 ends; phase 2 would follow after the pause
        ASSERT_EQ(rig.delays.pendingCount(), 1);
        c.act(s);
        rig.elapsePause();
        EXPECT_EQ(s.isActive(), c.active);
        EXPECT_EQ(s.currentPhaseIndex(), c.index);
        EXPECT_EQ(rig.state().mode(), c.mode);
        EXPECT_EQ(rig.delays.pendingCount(), 0);
        session.reset();
        rig.engine->reset();
    }
}

TEST_F(PhasedSessionTest, CompletionAlreadyReplacedByARestartDoesNotAdvance)
{
    auto& s = makeSession();
    s.start();
    s.skipPhase();
    s.skipPhase(); // index 2
    // The completion of phase 2 is still queued when the user starts over.
    rig.clock.advance(rig.state().remaining());
    rig.ticker->handler()();
    s.reset();
    s.start();
    EngineRig::deliver();
    EXPECT_EQ(s.currentPhaseIndex(), 0);
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    EXPECT_TRUE(rig.sounds.played.isEmpty());
    EXPECT_EQ(rig.delays.pendingCount(), 0);
}

TEST_F(PhasedSessionTest, StoredCycleIsRestoredOnlyWithinTheSequence)
{
    struct Case {
        const char* name;
        std::optional<bool> active;
        std::optional<qint64> index;
        bool restoredActive;
        int restoredIndex;
        bool indexKeyKept;
    };
    const Case cases[] = {
        {"nothing stored", {}, {}, false, 0, false},
        {"inactive keeps its keys", false, 2, false, 0, true},
        {"active on a phase", true, 3, true, 3, true},
        {"active without an index starts at 0", true, {}, true, 0, false},
        {"index equal to the count", true, 4, false, 0, false},
        {"index far beyond", true, qint64(1) << 40, false, 0, false},
        {"negative index", true, -1, false, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rig.defaults->remove(activeKey);
        rig.defaults->remove(indexKey);
        if (c.active)
            rig.defaults->setBool(activeKey, *c.active);
        if (c.index)
            rig.defaults->setInteger(indexKey, *c.index);
        const auto engineBefore = rig.state().snapshot().toJson();

        const auto& s = makeSession();
        EXPECT_EQ(s.isActive(), c.restoredActive);
        EXPECT_EQ(s.currentPhaseIndex(), c.restoredIndex);
        EXPECT_EQ(storedActive(), c.restoredActive);
        EXPECT_EQ(storedIndex().has_value(), c.indexKeyKept);
        EXPECT_EQ(rig.state().snapshot().toJson(), engineBefore);
        EXPECT_EQ(s.currentPhase(), c.restoredIndex % 2 ? phaseB : phaseA);
    }
}

TEST_F(PhasedSessionTest, RestoredCycleWaitsForTheUserAndThenCarriesOn)
{
    // The app quit during phase 1 and came back after its end had passed.
    auto& first = makeSession();
    first.start();
    first.skipPhase();
    session.reset();
    rig.clock.advance(60);
    rig.restartEngine();
    ASSERT_EQ(rig.state().mode(), TimerMode::Completed);

    auto& s = makeSession();
    EngineRig::deliver();
    EXPECT_TRUE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 1);
    EXPECT_TRUE(rig.sounds.played.isEmpty());

    // Resume goes through the engine's start, which a completed engine obeys.
    s.resume();
    EXPECT_EQ(rig.state().mode(), TimerMode::Running);
    EXPECT_DOUBLE_EQ(rig.state().remaining(), 5);
    rig.finishCountdown();
    rig.elapsePause();
    EXPECT_EQ(s.currentPhaseIndex(), 2);
    EXPECT_EQ(rig.sounds.played, QList{CompletionSound::Ping});
}

TEST_F(PhasedSessionTest, PreviewLoadsTheFullPhaseIntoAnIdleEngine)
{
    auto& s = makeSession();
    s.start();
    rig.clock.advance(4);
    s.pause();
    ASSERT_EQ(rig.state().mode(), TimerMode::Paused);
    s.previewCurrentPhase();
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    EXPECT_DOUBLE_EQ(rig.state().remaining(), 10);
    EXPECT_DOUBLE_EQ(rig.state().duration(), 10);
    EXPECT_TRUE(s.isActive());
}

TEST_F(PhasedSessionTest, CycleStartedOnACountUpEngineCountsDown)
{
    rig.engine->switchDirection(TimerDirection::CountUp);
    auto& s = makeSession(1);
    s.start();
    EXPECT_EQ(rig.state().direction(), TimerDirection::Countdown);
    rig.finishCountdown();
    rig.elapsePause();
    rig.finishCountdown();
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(rig.sounds.played, (QList{CompletionSound::Ping, CompletionSound::Hero}));
}

TEST_F(PhasedSessionTest, OnlyTheActiveSequencerReactsToTheSharedEngine)
{
    auto& s = makeSession(1);
    PhasedSession other(*rig.engine, {phaseA}, 1, rig.sounds, CompletionSound::Pop, CompletionSound::Purr,
                        *rig.defaults, "other.active"_L1, "other.index"_L1, rig.delays.make());
    s.start();
    rig.finishCountdown();
    EXPECT_EQ(rig.sounds.played, QList{CompletionSound::Ping});
    EXPECT_FALSE(other.isActive());
}

TEST_F(PhasedSessionTest, WithoutPhasesNothingStarts)
{
    auto& s = makeSession(3, {});
    s.start();
    EXPECT_FALSE(s.isActive());
    EXPECT_FALSE(rig.defaults->object(activeKey));
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    EXPECT_EQ(s.currentRound(), 1);
    EXPECT_TRUE(s.phaseSequence().isEmpty());
    const auto placeholder = s.currentPhase();
    EXPECT_EQ(placeholder.name, QString());
    EXPECT_EQ(placeholder.duration, 0);
    EXPECT_EQ(placeholder.color.alpha(), 0);
    EXPECT_FALSE(placeholder.isBreak);
}

} // namespace
