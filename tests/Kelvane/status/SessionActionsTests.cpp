// SPDX-License-Identifier: GPL-3.0-or-later
// One session at a time: what starting a custom timer, a Pomodoro or a preset
// does to the session already running.
#include "ControllerRig.h"

#include "../../support/SampleTimers.h"

#include <gtest/gtest.h>

namespace {

struct Sessions {
    ControllerRig rig;
    TimerEngine& engine = rig.engine();
    PomodoroSession& pomodoro = rig.model().pomodoro();
    CustomTimerSession& custom = rig.model().customSession();
    CustomTimer timer = sampleTimer("Laps", {120, 60}, 2);
    CustomTimer other = sampleTimer("Other", {45}, 1);

    Sessions()
    {
        rig.model().customTimers().add(timer);
        rig.model().customTimers().add(other);
    }
    void startCustom(const CustomTimer& which) { rig.commands().startCustomTimer(which); }
};

TEST(SessionActionsTest, StartingACustomTimerEndsAPomodoro)
{
    Sessions s;
    s.rig.commands().startPomodoro();
    ASSERT_TRUE(s.pomodoro.isActive());
    s.startCustom(s.timer);
    EXPECT_FALSE(s.pomodoro.isActive());
    EXPECT_TRUE(s.custom.isActive());
    EXPECT_EQ(s.engine.state().mode(), TimerMode::Running);
    EXPECT_EQ(s.engine.state().remaining(), 120);
}

TEST(SessionActionsTest, StartingAPomodoroEndsACustomTimer)
{
    Sessions s;
    s.startCustom(s.timer);
    ASSERT_TRUE(s.custom.isActive());
    s.rig.commands().startPomodoro();
    EXPECT_FALSE(s.custom.isActive());
    EXPECT_TRUE(s.pomodoro.isActive());
}

TEST(SessionActionsTest, TheRunningCustomTimerIsNotStartedOver)
{
    for (const bool paused : {false, true}) {
        Sessions s;
        s.startCustom(s.timer);
        s.rig.tickAfter(30);
        if (paused)
            s.custom.pause();
        const TimerMode mode = s.engine.state().mode();
        const double remaining = s.engine.state().remaining();
        s.startCustom(s.timer);
        EXPECT_TRUE(s.custom.isActive()) << paused;
        EXPECT_EQ(s.engine.state().mode(), mode) << paused;
        EXPECT_EQ(s.engine.state().remaining(), remaining) << paused;
        EXPECT_EQ(s.custom.currentPhaseIndex(), 0) << paused;
    }
}

TEST(SessionActionsTest, AnotherCustomTimerReplacesTheRunningOne)
{
    Sessions s;
    s.startCustom(s.timer);
    s.rig.tickAfter(30);
    s.startCustom(s.other);
    ASSERT_TRUE(s.custom.activeTimer());
    EXPECT_EQ(s.custom.activeTimer()->id, s.other.id);
    EXPECT_EQ(s.engine.state().remaining(), 45);
}

TEST(SessionActionsTest, APresetEndsACustomCycleAndIsIgnoredDuringAPomodoro)
{
    Sessions s;
    s.startCustom(s.timer);
    s.rig.commands().choosePreset(QStringLiteral("preset.quick-10"));
    EXPECT_FALSE(s.custom.isActive());
    EXPECT_EQ(s.engine.state().mode(), TimerMode::Idle);
    EXPECT_EQ(s.engine.state().duration(), 600);
    // The ended cycle no longer loads its next phase into the plain timer.
    s.engine.start();
    s.rig.tickAfter(600);
    for (ManualOneShotTimer* timer : s.rig.timers) {
        if (timer->isPending())
            timer->fire();
    }
    EXPECT_EQ(s.engine.state().mode(), TimerMode::Completed);
    EXPECT_EQ(s.engine.state().duration(), 600);

    s.rig.commands().startPomodoro();
    const double duration = s.engine.state().duration();
    s.rig.commands().choosePreset(QStringLiteral("preset.quick-5"));
    EXPECT_TRUE(s.pomodoro.isActive());
    EXPECT_EQ(s.engine.state().duration(), duration);
}

TEST(SessionActionsTest, APresetLinkEndsACustomCycleToo)
{
    Sessions s;
    s.startCustom(s.timer);
    s.rig.commands().handleDeepLink({DeepLinkAction::Kind::Preset, QStringLiteral("preset.quick-10")});
    EXPECT_FALSE(s.custom.isActive());
    EXPECT_EQ(s.engine.state().duration(), 600);
}

} // namespace
