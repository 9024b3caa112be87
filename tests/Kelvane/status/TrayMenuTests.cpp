// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/TrayMenu.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayMenuTest, TheFirstEntryIsTheRightClicksActionNamedForTheMode)
{
    const struct {
        TimerMode mode;
        const char* first;
        bool resetEnabled;
    } cases[] = {
        {TimerMode::Idle, "Start", false},
        {TimerMode::Running, "Pause", true},
        {TimerMode::Paused, "Resume", true},
        {TimerMode::Completed, "Reset", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        QStringList ran;
        const TrayMenu::Actions actions{[&] { ran << "toggle"; }, [&] { ran << "reset"; }, [&] { ran << "controls"; },
                                        [&] { ran << "settings"; }, [&] { ran << "quit"; }};
        const auto entries = TrayMenu::entries(c.mode, actions);
        QStringList labels;
        for (const auto& entry : entries) {
            labels << entry.label;
            entry.trigger();
        }
        EXPECT_EQ(labels, (QStringList{c.first, "Reset", "Open Kelvane", "Settings…", "Quit Kelvane"}));
        EXPECT_EQ(ran, (QStringList{"toggle", "reset", "controls", "settings", "quit"}));
        EXPECT_TRUE(entries[0].enabled);
        EXPECT_EQ(entries[1].enabled, c.resetEnabled);
    }
}

} // namespace
