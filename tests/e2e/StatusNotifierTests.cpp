// SPDX-License-Identifier: GPL-3.0-or-later
// With a StatusNotifierWatcher on the bus the program's item goes on the bus
// instead of into an XEmbed host; the host's requests reach the timer.
#include "NotifierItemFixture.h"

using namespace std::chrono_literals;
using platform::test::runEventLoop;

namespace {

class StatusNotifier : public OnNotifierBus { };

TEST_F(StatusNotifier, TheHostsRequestsReachTheTimer)
{
    startProgram();
    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << "the program registered no item with the watcher";
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    EXPECT_TRUE(m_screen->programWindows({}).isEmpty()) << "a strip window beside the bus item";

    // The context request is what a right click sends.
    ASSERT_EQ(ask(item, QStringLiteral("ContextMenu")), QString());
    ASSERT_TRUE(waitForMode(TimerMode::Running)) << "ContextMenu did not start the timer";

    // The primary activation is a left click: it opens the popover, the timer runs on.
    EXPECT_EQ(ask(item, QStringLiteral("Activate")), QString());
    runEventLoop(300ms);
    EXPECT_EQ(m_timer->mode(), TimerMode::Running);

    // The secondary one, a middle click, does what the right click does.
    ASSERT_EQ(ask(item, QStringLiteral("SecondaryActivate")), QString());
    EXPECT_TRUE(waitForMode(TimerMode::Paused)) << "SecondaryActivate did not pause the timer";
    ASSERT_EQ(ask(item, QStringLiteral("ContextMenu")), QString());
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "a second ContextMenu did not resume the timer";
}

} // namespace
