// SPDX-License-Identifier: GPL-3.0-or-later
// The widget's queued commands: what each does, and the three ways a drain
// starts.
#include "ControllerRig.h"

#include "support/SampleTimers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

enum class Session { None, Pomodoro, CustomTimer };

struct Outcome {
    TimerMode mode;
    std::optional<QString> preset; // none: not checked
    Session session = Session::None;
    int prompts = 0;
    int settingsShown = 0;
};

struct DrainCase {
    const char* name;
    std::function<void(ControllerRig&)> setup;
    TimerCommand command;
    Outcome expected;
};

void startPomodoro(ControllerRig& rig)
{
    rig.model().pomodoro().start();
}

void startCustomTimer(ControllerRig& rig)
{
    const CustomTimer timer = sampleTimer(QStringLiteral("Drill"), {60, 30});
    rig.model().customTimers().add(timer);
    rig.model().customSession().activate(timer);
    rig.model().customSession().start();
}

void pauseRunning(ControllerRig& rig)
{
    rig.engine().start();
    rig.tickAfter(5);
    rig.engine().pause();
}

void complete(ControllerRig& rig)
{
    rig.engine().start();
    rig.tickAfter(rig.engine().state().remaining());
}

Session activeSession(ControllerRig& rig)
{
    if (rig.model().pomodoro().isActive())
        return Session::Pomodoro;
    if (rig.model().customSession().isActive())
        return Session::CustomTimer;
    return Session::None;
}

const QString quick10 = QStringLiteral("preset.quick-10");
const QString deep45 = QStringLiteral("preset.deep-45");
const QString custom = QStringLiteral("preset.custom");

TEST(CommandDrainTest, EachCommandDoesWhatItSays)
{
    const auto nothing = [](ControllerRig&) {};
    const DrainCase cases[] = {
        {"select preset only selects", nothing, TimerCommand::selectPreset(quick10), {TimerMode::Idle, quick10}},
        {"select preset leaves a running session",
         startPomodoro,
         TimerCommand::selectPreset(quick10),
         {TimerMode::Idle, quick10, Session::Pomodoro}},
        {"select preset ends a custom cycle",
         startCustomTimer,
         TimerCommand::selectPreset(quick10),
         {TimerMode::Idle, quick10}},
        {"select the custom preset asks first",
         nothing,
         TimerCommand::selectPreset(custom),
         {TimerMode::Idle, QStringLiteral("preset.classic-25"), Session::None, 1}},
        {"unknown preset falls back to the first",
         nothing,
         TimerCommand::selectPreset(QStringLiteral("x")),
         {TimerMode::Idle, QStringLiteral("preset.quick-5")}},
        {"enter timer mode ends Pomodoro and starts",
         startPomodoro,
         TimerCommand::enterTimerMode(deep45, true),
         {TimerMode::Running, deep45}},
        {"enter timer mode ends a custom timer",
         startCustomTimer,
         TimerCommand::enterTimerMode(quick10, false),
         {TimerMode::Idle, quick10}},
        {"enter timer mode with the custom preset asks",
         startPomodoro,
         TimerCommand::enterTimerMode(custom, true),
         {TimerMode::Idle, std::nullopt, Session::None, 1}},
        {"start custom duration", startPomodoro, TimerCommand::startCustomDuration(90), {TimerMode::Running, custom}},
        {"switch direction is dropped",
         nothing,
         TimerCommand::switchDirection(TimerDirection::CountUp),
         {TimerMode::Idle, QStringLiteral("preset.classic-25")}},
        {"toggle", nothing, TimerCommand::toggle(), {TimerMode::Running}},
        {"start while paused", pauseRunning, TimerCommand::start(), {TimerMode::Running}},
        {"pause while idle", nothing, TimerCommand::pause(), {TimerMode::Idle}},
        {"reset", complete, TimerCommand::reset(), {TimerMode::Idle}},
        {"open settings", nothing, TimerCommand::openSettings(), {TimerMode::Idle, std::nullopt, Session::None, 0, 1}},
        {"skip phase", startPomodoro, TimerCommand::skipPhase(), {TimerMode::Running, std::nullopt, Session::Pomodoro}},
        {"start Pomodoro while paused is ignored", pauseRunning, TimerCommand::startPomodoro(), {TimerMode::Paused}},
        {"start Pomodoro once completed",
         complete,
         TimerCommand::startPomodoro(),
         {TimerMode::Running, std::nullopt, Session::Pomodoro}},
        {"start Pomodoro ends an idle custom timer",
         [](ControllerRig& rig) {
             startCustomTimer(rig);
             rig.engine().reset();
         },
         TimerCommand::startPomodoro(),
         {TimerMode::Running, std::nullopt, Session::Pomodoro}},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        c.setup(rig);
        rig.queue().enqueue(c.command);
        rig.commands().processPendingCommands();
        ControllerRig::deliver(); // lets a prompt run
        EXPECT_EQ(rig.mode(), c.expected.mode) << c.name;
        if (c.expected.preset) {
            EXPECT_EQ(rig.engine().state().selectedPresetID(), c.expected.preset) << c.name;
        }
        EXPECT_EQ(activeSession(rig), c.expected.session) << c.name;
        EXPECT_EQ(int(rig.prompt->asked.size()), c.expected.prompts) << c.name;
        EXPECT_EQ(rig.settingsWindow->shows, c.expected.settingsShown) << c.name;
        EXPECT_TRUE(rig.queue().pendingCommands().isEmpty()) << c.name;
    }
}

TEST(CommandDrainTest, StartCustomDurationTakesTheSecondsAsGiven)
{
    ControllerRig rig;
    rig.queue().enqueue(TimerCommand::startCustomDuration(90));
    rig.commands().processPendingCommands();
    EXPECT_EQ(rig.engine().customDuration(), 90);
    EXPECT_EQ(rig.engine().state().duration(), 90);
}

TEST(CommandDrainTest, CommandsRunOldestFirstEachToTheEnd)
{
    ControllerRig rig;
    rig.queue().enqueue(TimerCommand::selectPreset(deep45));
    rig.queue().enqueue(TimerCommand::start());
    rig.queue().enqueue(TimerCommand::pause());
    rig.commands().processPendingCommands();
    EXPECT_EQ(rig.mode(), TimerMode::Paused);
    EXPECT_EQ(rig.engine().state().duration(), 2700);
}

TEST(CommandDrainTest, TheCrossProcessNotificationDrainsOnTheNextTurn)
{
    ControllerRig rig;
    rig.queue().enqueue(TimerCommand::toggle());
    EXPECT_EQ(rig.notifier.deliver(TimerCommandQueue::queuedNotificationName), 1);
    EXPECT_EQ(rig.mode(), TimerMode::Idle) << "not inside the notification";
    ControllerRig::deliver();
    EXPECT_EQ(rig.mode(), TimerMode::Running);

    // A second notification finds the queue empty.
    rig.notifier.deliver(TimerCommandQueue::queuedNotificationName);
    ControllerRig::deliver();
    EXPECT_EQ(rig.mode(), TimerMode::Running);
}

TEST(CommandDrainTest, BecomingTheActiveApplicationDrains)
{
    const struct {
        Qt::ApplicationState state;
        bool drains;
    } cases[] = {
        {Qt::ApplicationActive, true},
        {Qt::ApplicationInactive, false},
        {Qt::ApplicationHidden, false},
        {Qt::ApplicationSuspended, false},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.queue().enqueue(TimerCommand::toggle());
        rig.commands().handleApplicationStateChanged(c.state);
        ControllerRig::deliver();
        EXPECT_EQ(rig.mode() == TimerMode::Running, c.drains) << int(c.state);
    }
}

TEST(CommandDrainTest, NoObserverOutlivesTheController)
{
    ControllerRig rig;
    rig.controller.reset();
    EXPECT_EQ(rig.notifier.deliver(TimerCommandQueue::queuedNotificationName), 0);
}

TEST(CommandDrainTest, EveryEngineChangeReloadsTheWidget)
{
    ControllerRig rig;
    rig.notifier.posted.clear();
    rig.engine().start();
    EXPECT_TRUE(rig.notifier.posted.contains(TimerCommandQueue::widgetReloadNotificationName));
}

} // namespace
