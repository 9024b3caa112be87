// SPDX-License-Identifier: GPL-3.0-or-later
// The toggle rule and its guarded variants, by every route that uses them.
#include "ControllerRig.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Route = std::function<void(ControllerRig&)>;

// Puts the rig's timer in `mode` the way a user would.
void bringTo(ControllerRig& rig, TimerMode mode)
{
    switch (mode) {
    case TimerMode::Idle:
        break;
    case TimerMode::Running:
        rig.engine().start();
        break;
    case TimerMode::Paused:
        rig.engine().start();
        rig.tickAfter(10);
        rig.engine().pause();
        break;
    case TimerMode::Completed:
        rig.engine().start();
        rig.tickAfter(rig.engine().state().remaining());
        break;
    }
    ASSERT_EQ(rig.mode(), mode);
}

void enqueue(ControllerRig& rig, const TimerCommand& command)
{
    rig.queue().enqueue(command);
    rig.commands().processPendingCommands();
}

struct ToggleRoute {
    const char* name;
    Route perform;
};

const ToggleRoute toggleRoutes[] = {
    {"right click", [](ControllerRig& rig) { Q_EMIT rig.statusItem->rightClicked(); }},
    {"middle click", [](ControllerRig& rig) { Q_EMIT rig.statusItem->middleClicked(); }},
    {"tray menu's first entry",
     [](ControllerRig& rig) {
         const auto entries = rig.statusItem->menuEntries();
         if (!entries.isEmpty() && entries.first().trigger)
             entries.first().trigger();
     }},
    {"shortcut", [](ControllerRig& rig) { rig.hotkeys->pressToggle(); }},
    {"deep link",
     [](ControllerRig& rig) {
         rig.commands().handleDeepLink({DeepLinkAction::Kind::Toggle, {}});
     }},
    {"widget command", [](ControllerRig& rig) { enqueue(rig, TimerCommand::toggle()); }},
};

TEST(TimerActionsTest, EveryToggleRouteAppliesTheSameRule)
{
    const struct {
        TimerMode from;
        TimerMode to;
    } rule[] = {
        {TimerMode::Idle, TimerMode::Running},
        {TimerMode::Running, TimerMode::Paused},
        {TimerMode::Paused, TimerMode::Running},
        {TimerMode::Completed, TimerMode::Idle},
    };
    for (const auto& route : toggleRoutes) {
        for (const auto& step : rule) {
            ControllerRig rig;
            bringTo(rig, step.from);
            route.perform(rig);
            EXPECT_EQ(rig.mode(), step.to) << route.name << " from mode " << int(step.from);
        }
    }
}

TEST(TimerActionsTest, RightClickResetsACompletedTimerAndASecondOneStartsIt)
{
    ControllerRig rig;
    bringTo(rig, TimerMode::Completed);
    Q_EMIT rig.statusItem->rightClicked();
    EXPECT_EQ(rig.mode(), TimerMode::Idle);
    Q_EMIT rig.statusItem->rightClicked();
    EXPECT_EQ(rig.mode(), TimerMode::Running);
}

TEST(TimerActionsTest, StartAndPauseOnlyActWhereTheyApply)
{
    const struct {
        const char* name;
        Route perform;
        TimerMode from;
        TimerMode to;
    } cases[] = {
        {"start link, idle",
         [](auto& r) {
             r.commands().handleDeepLink({DeepLinkAction::Kind::Start, {}});
         },
         TimerMode::Idle, TimerMode::Running},
        {"start link, paused",
         [](auto& r) {
             r.commands().handleDeepLink({DeepLinkAction::Kind::Start, {}});
         },
         TimerMode::Paused, TimerMode::Running},
        {"start link, completed",
         [](auto& r) {
             r.commands().handleDeepLink({DeepLinkAction::Kind::Start, {}});
         },
         TimerMode::Completed, TimerMode::Completed},
        {"start command, running", [](auto& r) { enqueue(r, TimerCommand::start()); }, TimerMode::Running,
         TimerMode::Running},
        {"start command, paused", [](auto& r) { enqueue(r, TimerCommand::start()); }, TimerMode::Paused,
         TimerMode::Running},
        {"pause link, running",
         [](auto& r) {
             r.commands().handleDeepLink({DeepLinkAction::Kind::Pause, {}});
         },
         TimerMode::Running, TimerMode::Paused},
        {"pause link, idle",
         [](auto& r) {
             r.commands().handleDeepLink({DeepLinkAction::Kind::Pause, {}});
         },
         TimerMode::Idle, TimerMode::Idle},
        {"pause command, completed", [](auto& r) { enqueue(r, TimerCommand::pause()); }, TimerMode::Completed,
         TimerMode::Completed},
        {"reset link, running",
         [](auto& r) {
             r.commands().handleDeepLink({DeepLinkAction::Kind::Reset, {}});
         },
         TimerMode::Running, TimerMode::Idle},
        {"reset shortcut, paused", [](auto& r) { r.hotkeys->pressReset(); }, TimerMode::Paused, TimerMode::Idle},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        bringTo(rig, c.from);
        c.perform(rig);
        EXPECT_EQ(rig.mode(), c.to) << c.name;
    }
}

TEST(TimerActionsTest, PresetLinksSelectOnlyKnownPresetsAndNeverStart)
{
    const struct {
        QString id;
        std::optional<QString> selected; // none: unchanged from the default
    } cases[] = {
        {QStringLiteral("preset.quick-10"), QStringLiteral("preset.quick-10")},
        {QStringLiteral("preset.custom"), QStringLiteral("preset.custom")},
        {QStringLiteral("preset.nope"), std::nullopt},
        {QStringLiteral("PRESET.QUICK-10"), std::nullopt},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        const auto before = rig.engine().state().selectedPresetID();
        rig.commands().handleDeepLink({DeepLinkAction::Kind::Preset, c.id});
        EXPECT_EQ(rig.engine().state().selectedPresetID(), c.selected.has_value() ? c.selected : before)
            << c.id.toStdString();
        EXPECT_EQ(rig.mode(), TimerMode::Idle) << c.id.toStdString();
    }
}

TEST(TimerActionsTest, SettingsAndOpenLinks)
{
    ControllerRig rig;
    rig.commands().handleDeepLink({DeepLinkAction::Kind::Open, {}});
    EXPECT_EQ(rig.settingsWindow->shows, 0);
    rig.commands().handleDeepLink({DeepLinkAction::Kind::Settings, {}});
    EXPECT_EQ(rig.settingsWindow->shows, 1);
}

TEST(TimerActionsTest, CustomDurationAnswersAreHeldToOneToOneHundredEightyMinutes)
{
    const struct {
        std::optional<QString> answer;
        std::optional<double> seconds; // none: nothing changes
    } cases[] = {
        {QStringLiteral("25"), 1500},        {QStringLiteral(""), 60},
        {QStringLiteral("abc"), 60},         {QStringLiteral("0"), 60},
        {QStringLiteral("-5"), 60},          {QStringLiteral("500"), 10800},
        {QStringLiteral(" 7 "), 420},        {QStringLiteral("3.7"), 180},
        {QStringLiteral("12 minutes"), 720}, {QStringLiteral("99999999999999999999"), 10800},
        {std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        ControllerRig rig;
        rig.engine().selectPreset(QStringLiteral("preset.quick-10"));
        const double before = rig.engine().customDuration();
        rig.prompt->answer = c.answer;
        rig.commands().handleDeepLink({DeepLinkAction::Kind::Custom, {}});
        EXPECT_TRUE(rig.prompt->asked.empty()) << "the prompt waits for the link to return";
        ControllerRig::deliver();
        ASSERT_EQ(rig.prompt->asked.size(), 1u);
        if (c.seconds) {
            EXPECT_EQ(rig.engine().customDuration(), *c.seconds) << c.answer.value_or("none").toStdString();
            EXPECT_EQ(rig.engine().state().selectedPresetID(), QStringLiteral("preset.custom"));
            EXPECT_EQ(rig.engine().state().duration(), *c.seconds);
        } else {
            EXPECT_EQ(rig.engine().customDuration(), before);
            EXPECT_EQ(rig.engine().state().selectedPresetID(), QStringLiteral("preset.quick-10"));
        }
        EXPECT_EQ(rig.mode(), TimerMode::Idle);
    }
}

TEST(TimerActionsTest, CommandsQueuedWhileTheLengthIsAskedWaitForTheAnswer)
{
    ControllerRig rig;
    rig.prompt->holdOpen = true;
    rig.prompt->answer = QStringLiteral("5");
    rig.commands().handleDeepLink({DeepLinkAction::Kind::Custom, {}});
    ControllerRig::deliver();
    ASSERT_TRUE(rig.prompt->isOpen());
    rig.queue().enqueue(TimerCommand::toggle());
    ControllerRig::deliver();
    EXPECT_EQ(rig.mode(), TimerMode::Idle) << "nothing starts behind the prompt";

    rig.prompt->finish();
    ControllerRig::deliver();
    EXPECT_EQ(rig.engine().customDuration(), 300);
    EXPECT_EQ(rig.mode(), TimerMode::Running) << "the held toggle, on the length just entered";
    EXPECT_EQ(rig.engine().state().duration(), 300);
}

TEST(TimerActionsTest, ASecondAskForTheLengthBringsTheOpenPromptForward)
{
    ControllerRig rig;
    rig.prompt->holdOpen = true;
    rig.commands().handleDeepLink({DeepLinkAction::Kind::Custom, {}});
    ControllerRig::deliver();
    rig.commands().askCustomDuration();
    rig.queue().enqueue(TimerCommand::selectPreset(QStringLiteral("preset.custom")));
    ControllerRig::deliver();
    EXPECT_EQ(rig.prompt->asked.size(), 1u);
    EXPECT_EQ(rig.prompt->raises, 1) << "the queued one waits for the answer";
    rig.prompt->finish();
    ControllerRig::deliver(); // the held drain
    ControllerRig::deliver(); // the prompt it asks for
    EXPECT_EQ(rig.prompt->asked.size(), 2u) << "then asks again";
}

TEST(TimerActionsTest, CustomDurationFieldStartsAtTheWholeMinutesOfTheCustomLength)
{
    ControllerRig rig;
    rig.engine().updateCustomDuration(150);
    rig.commands().askCustomDuration();
    ControllerRig::deliver();
    EXPECT_EQ(rig.prompt->asked, std::vector<int>{2});
}

TEST(TimerActionsTest, LeftClickOpensAndClosesThePopoverWithFreshContent)
{
    ControllerRig rig;
    rig.engine().updateCustomDuration(30);
    Q_EMIT rig.statusItem->leftClicked();
    ASSERT_TRUE(rig.popover->shown);
    EXPECT_EQ(rig.popover->content->customMinutes, 1) << "at least one minute";
    EXPECT_EQ(rig.popover->lastAnchor, rig.statusItem->anchorRect());

    Q_EMIT rig.statusItem->leftClicked();
    EXPECT_FALSE(rig.popover->shown);

    rig.engine().updateCustomDuration(45 * 60);
    Q_EMIT rig.statusItem->leftClicked();
    EXPECT_EQ(rig.popover->builds, 2);
    EXPECT_EQ(rig.popover->content->customMinutes, 45);
}

TEST(TimerActionsTest, PopoverClosuresReachTheController)
{
    ControllerRig rig;
    Q_EMIT rig.statusItem->leftClicked();
    const PopoverContent content = *rig.popover->content;

    content.onToggleFloatingDisplay();
    EXPECT_TRUE(rig.settings().floatingDisplayEnabled());
    content.onOpenSettings();
    EXPECT_FALSE(rig.popover->shown);
    EXPECT_EQ(rig.settingsWindow->shows, 1);
    content.onCheckForUpdates();
    EXPECT_EQ(rig.updates->checks, 1);
    content.onQuit();
    EXPECT_EQ(rig.quits, 1);

    rig.controller.reset();
    content.onQuit(); // the controller is gone: nothing happens
    EXPECT_EQ(rig.quits, 1);
}

TEST(TimerActionsTest, ABuildThatCannotCheckForUpdatesOffersNoCheck)
{
    ControllerRig rig;
    rig.updates->canCheck = false;
    Q_EMIT rig.statusItem->leftClicked();
    EXPECT_FALSE(rig.popover->content->onCheckForUpdates);
}

TEST(TimerActionsTest, CheckingForUpdatesClearsTheFlagFirst)
{
    ControllerRig rig;
    rig.updates->setUpdateAvailable(true);
    EXPECT_TRUE(rig.controller->updateAvailable());
    rig.controller->checkForUpdates();
    EXPECT_FALSE(rig.controller->updateAvailable());
    EXPECT_EQ(rig.updates->checks, 1);
}

TEST(TimerActionsTest, AnUpdateFlagChangeRebuildsOnlyAClosedPopover)
{
    ControllerRig rig;
    Q_EMIT rig.statusItem->leftClicked();
    rig.updates->setUpdateAvailable(true);
    ASSERT_TRUE(rig.popover->content);
    EXPECT_FALSE(rig.popover->content->updateAvailable) << "an open popover keeps its content";

    Q_EMIT rig.statusItem->leftClicked(); // closes
    Q_EMIT rig.statusItem->leftClicked(); // opens anew
    EXPECT_TRUE(rig.popover->content->updateAvailable);
}

TEST(TimerActionsTest, TheClickHintShowsOnceAfterTheFirstLaunch)
{
    ControllerRig rig;
    ManualOneShotTimer* hint = rig.pendingTimer(StatusItemController::clickHintDelay);
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(rig.clickHint->shows, 0);
    hint->fire();
    EXPECT_EQ(rig.clickHint->shows, 1);
    EXPECT_TRUE(rig.settings().hasSeenClickHint());

    rig.build();
    rig.pendingTimer(StatusItemController::clickHintDelay)->fire();
    EXPECT_EQ(rig.clickHint->shows, 0);
}

TEST(TimerActionsTest, TheClickHintFollowsTheItemIntoATrayThatCameUpLater)
{
    ControllerRig rig;
    rig.pendingTimer(StatusItemController::clickHintDelay)->fire();
    ASSERT_EQ(rig.clickHint->shows, 1);
    rig.statusItem->setShape(platform::StatusItem::Shape::Strip);
    Q_EMIT rig.statusItem->shapeChanged();
    ASSERT_EQ(rig.clickHint->moves.size(), 1u);
    EXPECT_EQ(rig.clickHint->moves.front(), rig.statusItem->anchorRect());
}

// A tray that paints the icon at its own size gets one picture of that size.
TEST(TimerActionsTest, ATrayThatTellsItsSizeGetsOnePictureOfIt)
{
    ControllerRig rig;
    const auto sides = [&] {
        QList<int> found;
        for (const QImage& image : rig.statusItem->images())
            found << image.width();
        return found;
    };
    EXPECT_EQ(sides(), (QList<int>{16, 22, 44}));
    rig.statusItem->setCellPixels(24);
    Q_EMIT rig.statusItem->cellPixelsChanged();
    EXPECT_EQ(sides(), QList<int>{24});
}

} // namespace
