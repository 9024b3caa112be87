// SPDX-License-Identifier: GPL-3.0-or-later
// What the controller does on its own while the timer runs: redraws,
// completion, tick sounds, sleep prevention, the floating panel, shortcuts.
#include "ControllerRig.h"

#include "TimerCoreKit/notify/NotificationManager.h"

#include <gtest/gtest.h>

namespace {

void completeCountdown(ControllerRig& rig)
{
    rig.engine().start();
    rig.tickAfter(rig.engine().state().remaining());
    ASSERT_EQ(rig.mode(), TimerMode::Completed);
}

TEST(CompletionRoadTest, AnimationThenSoundThenNotification)
{
    ControllerRig rig;
    CompletionSettings& completion = rig.settings().completionSettings();
    completion.setDisplayBehavior(CompletionBehavior::PlayAnimation);
    completion.setSelectedSound(CompletionSound::Glass);
    completion.setShowNotification(true);
    QObject::connect(&rig.model().animationPlayer(), &AnimationPlayer::isPlayingChanged, [&] {
        if (rig.model().animationPlayer().isPlaying())
            rig.events->append(QStringLiteral("animation"));
    });

    completeCountdown(rig);
    ControllerRig::deliver();

    EXPECT_EQ(*rig.events, (QStringList{"animation", "sound", "notification"}));
    EXPECT_EQ(rig.sounds->played, QList{CompletionSound::Glass});
    EXPECT_EQ(*rig.posts, std::vector<QString>{NotificationManager::completionIdentifier});
    EXPECT_FALSE(rig.model().animationPlayer().currentFrame().isNull());
}

TEST(CompletionRoadTest, TheFocusGateHoldsBackSoundAndNotificationNeverTheAnimation)
{
    const struct {
        bool respect;
        bool focused;
        bool heard;
        bool focusAsked;
    } cases[] = {
        {false, false, true, false},
        {false, true, true, false},
        {true, false, true, true},
        {true, true, false, true},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.settings().setRespectFocusMode(c.respect);
        rig.focus->focused = c.focused;
        CompletionSettings& completion = rig.settings().completionSettings();
        completion.setDisplayBehavior(CompletionBehavior::PlayAnimation);
        completion.setShowNotification(true);
        completeCountdown(rig);
        ControllerRig::deliver();
        const auto label = ::testing::Message() << "respect " << c.respect << " focused " << c.focused;
        EXPECT_EQ(rig.sounds->played.size(), c.heard ? 1 : 0) << label;
        EXPECT_EQ(rig.posts->size(), c.heard ? 1u : 0u) << label;
        EXPECT_TRUE(rig.model().animationPlayer().isPlaying()) << label;
        EXPECT_EQ(rig.focus->asks > 0, c.focusAsked) << label;
    }
}

TEST(CompletionRoadTest, NoNotificationWhenTurnedOffAndNoAnimationForOtherBehaviours)
{
    ControllerRig rig;
    rig.settings().completionSettings().setShowNotification(false);
    rig.settings().completionSettings().setDisplayBehavior(CompletionBehavior::ShowCheckmark);
    completeCountdown(rig);
    ControllerRig::deliver();
    EXPECT_TRUE(rig.posts->empty());
    EXPECT_EQ(rig.sounds->played.size(), 1);
    EXPECT_FALSE(rig.model().animationPlayer().isPlaying());
}

TEST(CompletionRoadTest, AStateRestoredCompletedAnnouncesNothing)
{
    ControllerRig rig;
    rig.engine().start();
    rig.controller.reset();
    rig.clock.advance(3600);
    rig.build();
    ASSERT_EQ(rig.mode(), TimerMode::Completed);
    ControllerRig::deliver();
    EXPECT_TRUE(rig.sounds->played.isEmpty());
    EXPECT_TRUE(rig.posts->empty());
}

TEST(CompletionRoadTest, LeavingCompletedStopsTheAnimation)
{
    ControllerRig rig;
    rig.settings().completionSettings().setDisplayBehavior(CompletionBehavior::PlayAnimation);
    rig.settings().completionSettings().setAnimationLoopsEnabled(true);
    completeCountdown(rig);
    ASSERT_TRUE(rig.model().animationPlayer().isPlaying());
    rig.engine().reset();
    EXPECT_FALSE(rig.model().animationPlayer().isPlaying());
    EXPECT_TRUE(rig.model().animationPlayer().currentFrame().isNull());
}

TEST(CompletionRoadTest, PhaseSoundsOfTheSessionsPassTheFocusGate)
{
    for (const bool focused : {false, true}) {
        ControllerRig rig;
        rig.settings().setRespectFocusMode(true);
        rig.focus->focused = focused;
        rig.model().pomodoro().start();
        rig.tickAfter(rig.engine().state().remaining());
        // The phase's end also passes the completion road, whose sound is silent here.
        rig.sounds->played.removeAll(CompletionSound::None);
        EXPECT_EQ(rig.sounds->played, focused ? QList<CompletionSound>{} : QList{CompletionSound::Ping})
            << "focused " << focused;
    }
}

TEST(CompletionRoadTest, SessionsKeepTheirStateInTheControllersStore)
{
    ControllerRig rig;
    rig.model().pomodoro().start();
    EXPECT_TRUE(rig.defaults->boolValue(QStringLiteral("com.morrowfen.kelvane.pomodoro.active")));
}

TEST(TickRoadTest, TicksAreSpacedByAMonotonicClock)
{
    const struct {
        const char* name;
        double monotonicStep; // between the two ticks of the engine
        double wallStep;
        int ticks;
    } cases[] = {
        {"a second apart", 1.0, 1.0, 2},
        {"0.4 s apart", 0.4, 0.4, 1},
        {"exactly 0.5 s apart", 0.5, 0.5, 1},
        {"wall clock set back an hour", 1.0, -3600, 2},
        {"wall clock jumps ahead but little time passed", 0.2, 30, 1},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.settings().completionSettings().setTickStyle(TickStyle::Mechanical);
        rig.engine().start();
        rig.tickAfter(1);
        rig.clock.advance(c.wallStep);
        rig.monotonic += c.monotonicStep;
        rig.ticker->fire();
        ControllerRig::deliver();
        EXPECT_EQ(*rig.tickSchedules, c.ticks) << c.name;
    }
}

TEST(TickRoadTest, OnlyTheRunningDirectionsOwnValueTicks)
{
    const struct {
        TimerDirection direction;
        TickStyle style;
        bool focused;
        int ticks;
    } cases[] = {
        {TimerDirection::Countdown, TickStyle::Soft, false, 3},
        {TimerDirection::CountUp, TickStyle::Digital, false, 3},
        {TimerDirection::Countdown, TickStyle::None, false, 0},
        {TimerDirection::CountUp, TickStyle::Soft, true, 0},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.settings().setRespectFocusMode(true);
        rig.focus->focused = c.focused;
        rig.settings().completionSettings().setTickStyle(c.style);
        rig.engine().switchDirection(c.direction);
        rig.engine().start();
        for (int i = 0; i < 3; ++i)
            rig.tickAfter(1);
        EXPECT_EQ(*rig.tickSchedules, c.ticks) << int(c.direction) << " " << int(c.style);
    }
}

TEST(RefreshRoadTest, ChangesRedrawAtOnceThenAtMostOncePerWindow)
{
    ControllerRig rig;
    const auto ticks = [&] { return rig.controller->refreshTrigger().tick(); };
    const auto start = ticks();
    rig.engine().selectPreset(QStringLiteral("preset.quick-10"));
    EXPECT_EQ(ticks(), start + 1);
    rig.engine().selectPreset(QStringLiteral("preset.deep-45"));
    rig.settings().setShowLeadingZero(true);
    EXPECT_EQ(ticks(), start + 1) << "held until the window closes";
    rig.pendingTimer(StatusItemController::refreshWindow)->fire();
    EXPECT_EQ(ticks(), start + 2) << "the held changes, merged";
    EXPECT_EQ(rig.pendingTimer(StatusItemController::refreshWindow), nullptr) << "nothing waits: the timer sleeps";
}

// A tick is drawn when it changes what the picture shows, at the tick itself:
// each second with seconds shown, only the minute's change without.
TEST(RefreshRoadTest, ATickReachesTheTrayAtOnceWhenItChangesThePicture)
{
    const struct {
        TimeFormat format;
        int sendsOverSixtyTicks;
    } cases[] = {{TimeFormat::Standard, 60}, {TimeFormat::Minimal, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.format));
        ControllerRig rig;
        rig.settings().setTimeFormat(c.format);
        rig.engine().start();
        // The start came within the window of the setting's redraw.
        rig.pendingTimer(StatusItemController::refreshWindow)->fire();
        rig.tickAfter(0.5); // off the minute's edge
        const int sends = rig.statusItem->imageSends;
        for (int tick = 0; tick < 60; ++tick)
            rig.tickAfter(1);
        EXPECT_EQ(rig.statusItem->imageSends, sends + c.sendsOverSixtyTicks);
    }
}

TEST(RefreshRoadTest, AnUnchangedPictureIsNotSentAgain)
{
    ControllerRig rig;
    const int sends = rig.statusItem->imageSends;
    rig.settings().setGlobalShortcutsEnabled(false); // a change that draws the same
    EXPECT_EQ(rig.statusItem->imageSends, sends);
    rig.engine().selectPreset(QStringLiteral("preset.deep-45"));
    rig.pendingTimer(StatusItemController::refreshWindow)->fire();
    EXPECT_EQ(rig.statusItem->imageSends, sends + 1);
}

// Every store of what the tray draws redraws it: the look, the colours and,
// once a countdown has ended, what the end shows.
TEST(RefreshRoadTest, EachStoreOfTheLookRedrawsTheTray)
{
    const struct {
        const char* name;
        std::function<void(ControllerRig&)> change;
    } rows[] = {
        {"display mode",
         [](ControllerRig& rig) { rig.settings().setMenuBarDisplayMode(MenuBarDisplayMode::IconOnly); }},
        {"digit colour",
         [](ControllerRig& rig) { rig.settings().colorManager().selectDigitPreset(QStringLiteral("amber")); }},
        {"completion look",
         [](ControllerRig& rig) {
             rig.settings().completionSettings().setDisplayBehavior(CompletionBehavior::FreezeAtZero);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ControllerRig rig;
        rig.settings().completionSettings().setDisplayBehavior(CompletionBehavior::ShowCheckmark);
        completeCountdown(rig);
        const auto endWindows = [&] {
            for (ManualOneShotTimer* timer : rig.timers) {
                if (timer->isPending() && timer->delay == StatusItemController::refreshWindow)
                    timer->fire();
            }
        };
        endWindows();
        endWindows(); // a quiet one, after the held changes
        const int sends = rig.statusItem->imageSends;
        row.change(rig);
        endWindows();
        EXPECT_EQ(rig.statusItem->imageSends, sends + 1);
    }
}

TEST(RefreshRoadTest, TheTooltipIsTheAccessibleLabel)
{
    ControllerRig rig;
    EXPECT_EQ(rig.statusItem->toolTip(), QStringLiteral("Timer ready: 25 minutes 0 seconds"));
    rig.engine().start();
    EXPECT_EQ(rig.statusItem->toolTip(), QStringLiteral("Timer running: 25 minutes 0 seconds remaining"));
}

TEST(SleepRoadTest, FollowsTheModeAndTheSetting)
{
    const struct {
        const char* name;
        std::function<void(ControllerRig&)> steps;
        bool active;
        int begins;
        int releases;
    } cases[] = {
        {"runs with the setting on", [](auto& r) { r.engine().start(); }, true, 1, 0},
        {"setting off",
         [](auto& r) {
             r.settings().setPreventSleepWhileRunning(false);
             r.engine().start();
         },
         false, 0, 0},
        {"pause releases",
         [](auto& r) {
             r.engine().start();
             r.engine().pause();
         },
         false, 1, 1},
        {"turned on while paused waits for the run",
         [](auto& r) {
             r.settings().setPreventSleepWhileRunning(false);
             r.engine().start();
             r.engine().pause();
             r.settings().setPreventSleepWhileRunning(true);
         },
         false, 0, 0},
        {"turned on while running",
         [](auto& r) {
             r.settings().setPreventSleepWhileRunning(false);
             r.engine().start();
             r.settings().setPreventSleepWhileRunning(true);
         },
         true, 1, 0},
        {"turned off while running releases",
         [](auto& r) {
             r.engine().start();
             r.settings().setPreventSleepWhileRunning(false);
         },
         false, 1, 1},
        {"a failed release is tried again",
         [](auto& r) {
             r.sleep->releaseSucceeds = false;
             r.engine().start();
             r.engine().pause();
             r.sleep->releaseSucceeds = true;
             r.engine().reset();
         },
         false, 1, 2},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.settings().setPreventSleepWhileRunning(true);
        c.steps(rig);
        EXPECT_EQ(rig.sleep->active, c.active) << c.name;
        EXPECT_EQ(rig.sleep->begins, c.begins) << c.name;
        EXPECT_EQ(rig.sleep->releases, c.releases) << c.name;
    }
}

TEST(SleepRoadTest, TheStateAtLaunchIsNotApplied)
{
    ControllerRig rig([](platform::UserDefaults& defaults) {
        defaults.setBool(QStringLiteral("com.morrowfen.kelvane.behavior.preventSleep"), true);
    });
    rig.engine().start();
    rig.controller.reset();
    rig.build(); // comes back paused
    EXPECT_EQ(rig.sleep->begins, 0);
}

TEST(SwitchRoadTest, TheFloatingPanelFollowsItsSetting)
{
    ControllerRig rig;
    EXPECT_TRUE(rig.floatingPanel->calls.empty());
    rig.controller->toggleFloatingDisplay();
    rig.controller->toggleFloatingDisplay();
    EXPECT_EQ(rig.floatingPanel->calls, (std::vector<bool>{true, false}));

    rig.settings().setFloatingDisplayEnabled(true);
    rig.build();
    EXPECT_EQ(rig.floatingPanel->calls, std::vector<bool>{true}) << "shown at launch when it was on";
}

TEST(SwitchRoadTest, ShortcutsAreWatchedOnlyWhileTurnedOn)
{
    ControllerRig rig;
    const std::vector<bool> atLaunch = rig.hotkeys->calls;
    rig.settings().setGlobalShortcutsEnabled(true);
    rig.settings().setGlobalShortcutsEnabled(true);
    rig.settings().setGlobalShortcutsEnabled(false);
    rig.settings().setGlobalShortcutsEnabled(true);
    std::vector<bool> expected = atLaunch;
    if (atLaunch.empty())
        expected.push_back(true);
    expected.insert(expected.end(), {false, true});
    EXPECT_EQ(rig.hotkeys->calls, expected);
}

} // namespace

namespace {

TEST(RefreshRoadTest, ABlinkingCompletionRedrawsTheTrayByItself)
{
    ControllerRig rig;
    rig.settings().completionSettings().setDisplayBehavior(CompletionBehavior::BlinkDots);
    rig.engine().start();
    rig.tickAfter(rig.engine().state().remaining());
    for (ManualOneShotTimer* timer : rig.timers) {
        if (timer->isPending() && timer->delay == StatusItemController::refreshWindow)
            timer->fire();
    }
    const int sends = rig.statusItem->imageSends;
    // Every pending timer now is the look's own: fire them over a second or so.
    for (int step = 0; step < 4; ++step) {
        rig.clock.advance(0.5);
        for (ManualOneShotTimer* timer : rig.timers) {
            if (timer->isPending() && timer->delay != StatusItemController::clickHintDelay
                && timer->delay != StatusItemController::refreshWindow)
                timer->fire();
        }
    }
    EXPECT_GT(rig.statusItem->imageSends, sends);
}

} // namespace
