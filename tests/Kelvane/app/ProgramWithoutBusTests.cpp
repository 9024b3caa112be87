// Without a session bus (this binary's main points it at a missing socket)
// the program runs alone: it starts, and keeps running, whatever its links.
#include "ProgramProcess.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>

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
