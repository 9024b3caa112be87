// SPDX-License-Identifier: GPL-3.0-or-later
// A change of what the widget shows asks the widget to reload, at most once a
// second; other settings do not.
#include "ControllerRig.h"

#include <gtest/gtest.h>

namespace {

qsizetype reloads(const ControllerRig& rig)
{
    return rig.notifier.posted.count(QString(TimerCommandQueue::widgetReloadNotificationName));
}

TEST(WidgetSettingsReload, ALookChangeReloadsAtOnceAndABurstOnceMoreAfterASecond)
{
    ControllerRig rig;
    rig.notifier.posted.clear();
    rig.settings().setTimeFormat(TimeFormat::Standard);
    ControllerRig::deliver();
    EXPECT_EQ(reloads(rig), 1);

    rig.settings().setDotShape(DotShape::Square);
    ControllerRig::deliver();
    rig.settings().colorManager().setSelectedPaletteID(QStringLiteral("neon"));
    ControllerRig::deliver();
    rig.settings().completionSettings().setDisplayBehavior(CompletionBehavior::FreezeAtZero);
    ControllerRig::deliver();
    EXPECT_EQ(reloads(rig), 1) << "held back inside the window";
    ManualOneShotTimer* window = rig.pendingTimer(WidgetReloadRequests::settingsReloadWindow);
    ASSERT_TRUE(window);
    window->fire();
    EXPECT_EQ(reloads(rig), 2) << "the burst merged into one";
}

TEST(WidgetSettingsReload, SettingsTheWidgetDoesNotReadAskForNothing)
{
    ControllerRig rig;
    rig.notifier.posted.clear();
    rig.settings().setPreventSleepWhileRunning(true);
    rig.settings().setMenuBarDisplayMode(MenuBarDisplayMode::Compact);
    rig.settings().completionSettings().setTickStyle(TickStyle::Soft);
    rig.settings().setTimeFormat(rig.settings().timeFormat()); // unchanged
    ControllerRig::deliver();
    EXPECT_EQ(reloads(rig), 0);
    EXPECT_FALSE(rig.pendingTimer(WidgetReloadRequests::settingsReloadWindow));
}

} // namespace
