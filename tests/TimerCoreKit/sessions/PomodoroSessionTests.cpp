// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/PomodoroSession.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/EngineRig.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto legacyActive = "pomodoro.active"_L1;
constexpr auto legacyIndex = "pomodoro.phaseIndex"_L1;

using enum PomodoroPhase;

class PomodoroSessionTest : public ::testing::Test {
protected:
    PomodoroSession& makeSession()
    {
        session.reset();
        session = std::make_unique<PomodoroSession>(*rig.engine, PomodoroSettings(), rig.sounds, *rig.defaults,
                                                    rig.delays.make());
        return *session;
    }

    void runUntil(int index) { rig.runUntil(*session, index); }

    bool storedActive() const { return rig.defaults->boolValue(SharedDefaultsKeys::pomodoroActive); }
    qint64 storedIndex() const { return rig.defaults->integer(SharedDefaultsKeys::pomodoroPhaseIndex); }

    EngineRig rig;
    std::unique_ptr<PomodoroSession> session;
};

TEST(PomodoroPhaseTest, KindsCarryTheirNamesColorsAndLengths)
{
    struct Case {
        PomodoroPhase phase;
        const char* raw;
        const char* name;
        float r, g, b;
        double seconds;
    };
    for (const auto& c : {Case{Work, "work", "Work", 1.0f, 0.35f, 0.25f, 1500},
                          Case{ShortBreak, "shortBreak", "Break", 0.25f, 0.85f, 0.45f, 300},
                          Case{LongBreak, "longBreak", "Long Break", 0.35f, 0.55f, 1.0f, 900}}) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(platform::rawValue(c.phase), QString::fromLatin1(c.raw));
        EXPECT_EQ(displayName(c.phase), QString::fromLatin1(c.name));
        const auto col = color(c.phase);
        EXPECT_NEAR(col.redF(), c.r, 1e-4);
        EXPECT_NEAR(col.greenF(), c.g, 1e-4);
        EXPECT_NEAR(col.blueF(), c.b, 1e-4);
        EXPECT_EQ(col.alphaF(), 1.0f);
        EXPECT_EQ(col.spec(), QColor::Rgb);
        EXPECT_EQ(duration(c.phase), c.seconds);
    }
    EXPECT_FALSE(platform::fromRawValue<PomodoroPhase>(u"Work"));
}

TEST_F(PomodoroSessionTest, FourRoundsRunToTheirEndWithTheRightSounds)
{
    auto& s = makeSession();
    ASSERT_EQ(s.phaseSequence(), (QList{Work, ShortBreak, Work, ShortBreak, Work, ShortBreak, Work, LongBreak}));
    s.start();
    const double lengths[] = {1500, 300, 1500, 300, 1500, 300, 1500, 900};
    for (int index = 0; index < 8; ++index) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(s.isActive());
        EXPECT_EQ(s.currentPhaseIndex(), index);
        EXPECT_EQ(storedIndex(), index);
        EXPECT_TRUE(storedActive());
        EXPECT_DOUBLE_EQ(rig.state().duration(), lengths[index]);
        EXPECT_EQ(rig.state().mode(), TimerMode::Running);
        rig.finishCountdown();
        rig.elapsePause();
    }
    EXPECT_EQ(rig.sounds.played, EngineRig::pingsThenHero(7));
    EXPECT_FALSE(s.isActive());
    EXPECT_FALSE(storedActive());
    EXPECT_EQ(storedIndex(), 7);
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
    EXPECT_DOUBLE_EQ(rig.state().remaining(), 900);
}

TEST_F(PomodoroSessionTest, RestartMidCycleRestoresThePhaseAndFinishesTheCycle)
{
    makeSession().start();
    runUntil(3);
    rig.clock.advance(100); // into the short break of round 2
    session.reset();
    rig.restartEngine();
    ASSERT_EQ(rig.state().mode(), TimerMode::Paused);
    ASSERT_DOUBLE_EQ(rig.state().remaining(), 200);

    auto& s = makeSession();
    EXPECT_TRUE(s.isActive());
    EXPECT_EQ(s.currentPhaseIndex(), 3);
    EXPECT_EQ(s.currentPhase(), ShortBreak);
    EXPECT_EQ(s.currentRound(), 2);

    rig.sounds.played.clear();
    s.resume();
    EXPECT_DOUBLE_EQ(rig.state().remaining(), 200);
    runUntil(8);
    EXPECT_EQ(rig.sounds.played, EngineRig::pingsThenHero(4));
    EXPECT_FALSE(s.isActive());
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
}

TEST_F(PomodoroSessionTest, PhaseAndRoundFollowTheIndexAlsoPastTheEnd)
{
    const PomodoroPhase phases[] = {Work, ShortBreak, Work, ShortBreak, Work, ShortBreak, Work, LongBreak, Work};
    const int rounds[] = {1, 1, 2, 2, 3, 3, 4, 4, 4};
    auto& s = makeSession();
    s.start();
    for (int index = 0; index <= 8; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(s.currentPhaseIndex(), index);
        EXPECT_EQ(s.currentPhase(), phases[index]);
        EXPECT_EQ(s.currentRound(), rounds[index]);
        s.skipPhase();
    }
    EXPECT_FALSE(s.isActive());
}

TEST_F(PomodoroSessionTest, OldKeysAreMovedOnceAndOnlyWhenTheOldActiveFlagExists)
{
    struct Case {
        const char* name;
        std::optional<bool> oldActive;
        std::optional<qint64> oldIndex;
        bool alreadyMigrated;
        bool active;
        int index;
        bool oldActiveKept;
        bool oldIndexKept;
    };
    const Case cases[] = {
        {"active old cycle", true, 3, false, true, 3, false, false},
        {"old flag without index", true, {}, false, true, 0, false, false},
        {"inactive old cycle", false, 5, false, false, 0, false, false},
        {"old index alone stays", {}, 3, false, false, 0, false, true},
        {"already migrated", true, 3, true, false, 0, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (QLatin1StringView key :
             {legacyActive, legacyIndex, SharedDefaultsKeys::pomodoroActive.name,
              SharedDefaultsKeys::pomodoroPhaseIndex.name, SharedDefaultsKeys::pomodoroKeysMigrated.name})
            rig.defaults->remove(key);
        if (c.oldActive)
            rig.defaults->setBool(legacyActive, *c.oldActive);
        if (c.oldIndex)
            rig.defaults->setInteger(legacyIndex, *c.oldIndex);
        if (c.alreadyMigrated)
            rig.defaults->setBool(SharedDefaultsKeys::pomodoroKeysMigrated, true);

        const auto& s = makeSession();
        EXPECT_EQ(s.isActive(), c.active);
        EXPECT_EQ(s.currentPhaseIndex(), c.index);
        EXPECT_TRUE(rig.defaults->boolValue(SharedDefaultsKeys::pomodoroKeysMigrated));
        EXPECT_EQ(rig.defaults->object(legacyActive).has_value(), c.oldActiveKept);
        EXPECT_EQ(rig.defaults->object(legacyIndex).has_value(), c.oldIndexKept);
    }
}

TEST_F(PomodoroSessionTest, FreshStoreGainsOnlyTheMigrationFlag)
{
    makeSession();
    EXPECT_TRUE(rig.defaults->boolValue(SharedDefaultsKeys::pomodoroKeysMigrated));
    EXPECT_FALSE(rig.defaults->object(SharedDefaultsKeys::pomodoroActive));
    EXPECT_FALSE(rig.defaults->object(SharedDefaultsKeys::pomodoroPhaseIndex));
}

TEST_F(PomodoroSessionTest, MirrorsAnnounceTheirChanges)
{
    auto& s = makeSession();
    int activeChanges = 0;
    int indexChanges = 0;
    QObject::connect(&s, &PomodoroSession::isActiveChanged, [&] { ++activeChanges; });
    QObject::connect(&s, &PomodoroSession::currentPhaseIndexChanged, [&] { ++indexChanges; });
    s.start();
    s.skipPhase();
    s.reset();
    EXPECT_EQ(activeChanges, 2);
    EXPECT_EQ(indexChanges, 2);
    EXPECT_EQ(rig.state().mode(), TimerMode::Idle);
}

} // namespace
