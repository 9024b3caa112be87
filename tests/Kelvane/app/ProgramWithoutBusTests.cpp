// SPDX-License-Identifier: GPL-3.0-or-later
// Without a session bus (this binary's main points it at a missing socket)
// the program runs alone: it starts, and keeps running, whatever its links;
// but only one copy runs, as one would with a bus.
#include "ProgramProcess.h"

#include "TimerCoreKit/engine/TimerPersistence.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

using namespace std::chrono_literals;
using platform::test::runEventLoop;
using platform::test::waitUntil;

TEST(ProgramWithoutBus, RunsAlone)
{
    const auto hasHeartbeat = [] {
        const auto store = platform::UserDefaults::openFile(AppGroup::storePath());
        return SharedAppState::lastHeartbeatDate(*store).has_value();
    };
    ASSERT_FALSE(hasHeartbeat());
    ProgramProcess program({QStringLiteral("kelvane://timer/toggle")});
    ASSERT_TRUE(waitUntil(hasHeartbeat, 20s)) << "no heartbeat at launch";
    runEventLoop(300ms);
    EXPECT_TRUE(program.isRunning());
}

TEST(ProgramWithoutBus, ASecondCopyThatCannotHandItsLinkOverEndsWithoutActing)
{
    const auto mode = [] {
        const auto store = platform::UserDefaults::openFile(AppGroup::storePath());
        const auto snapshot = TimerPersistence(*store).restore();
        return snapshot ? std::optional(snapshot->mode) : std::nullopt;
    };
    ProgramProcess first({QStringLiteral("kelvane://timer/start")});
    ASSERT_TRUE(waitUntil([&] { return mode() == TimerMode::Running; }, 20s)) << "the first copy did not start";

    ProgramProcess second({QStringLiteral("kelvane://timer/pause")});
    EXPECT_EQ(second.waitForExit(20s), EXIT_FAILURE);
    EXPECT_EQ(mode(), TimerMode::Running) << "a second copy acted on the store";
    EXPECT_TRUE(first.isRunning());
}
