// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/AppStartup.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kind = DeepLinkAction::Kind;

std::string describe(const DeepLinkAction& action)
{
    switch (action.kind) {
    case Kind::Open:
        return "open";
    case Kind::Settings:
        return "settings";
    case Kind::Custom:
        return "custom";
    case Kind::Toggle:
        return "toggle";
    case Kind::Start:
        return "start";
    case Kind::Pause:
        return "pause";
    case Kind::Reset:
        return "reset";
    case Kind::Preset:
        return "preset " + action.presetID.toStdString();
    }
    return "?";
}

// Writes what happens to it, and what the store held at each drain, into the
// fixture's log.
class RecordingTarget final : public DeepLinkTarget, public RunningProgram {
public:
    RecordingTarget(std::vector<std::string>& log, platform::UserDefaults& store)
        : m_log(log)
        , m_store(store)
    {
    }
    DeepLinkTarget& deepLinkTarget() override { return *this; }
    void handleDeepLink(const DeepLinkAction& action) override { m_log.push_back(describe(action)); }
    void processPendingCommands() override
    {
        const auto heartbeat = SharedAppState::lastHeartbeatDate(m_store);
        m_log.push_back(heartbeat ? "drain after heartbeat " + std::to_string(heartbeat->secondsSinceReferenceDate())
                                  : "drain without heartbeat");
    }

private:
    std::vector<std::string>& m_log;
    platform::UserDefaults& m_store;
};

class Startup : public ::testing::Test {
protected:
    AppStartup makeStartup(bool withTarget = true)
    {
        return AppStartup(
            [this]() -> platform::UserDefaults& {
                log.push_back("take store");
                return *store;
            },
            [this, withTarget](platform::UserDefaults& given) -> std::unique_ptr<RunningProgram> {
                log.push_back(&given == store.get() ? "make target over the store" : "make target over another store");
                if (!withTarget)
                    return nullptr;
                return std::make_unique<RecordingTarget>(log, given);
            },
            wall.provider(), [this] { return monotonic; });
    }

    // Opens `urls` at `seconds` on the monotonic clock.
    void openAt(AppStartup& startup, double seconds, const std::vector<const char*>& urls)
    {
        monotonic = seconds;
        QList<QUrl> list;
        for (const char* url : urls)
            list.append(QUrl(QString::fromUtf8(url)));
        startup.openUrls(list);
    }

    std::unique_ptr<platform::UserDefaults> store = platform::UserDefaults::inMemory();
    FakeClock wall{700'000'000};
    double monotonic = 50.0;
    std::vector<std::string> log;
};

TEST_F(Startup, LaunchTakesTheStoreBuildsTheTargetThenHeartbeatThenDrainsOnce)
{
    auto startup = makeStartup();
    startup.launch();
    startup.launch();
    EXPECT_EQ(log,
              (std::vector<std::string>{"take store", "make target over the store",
                                        "drain after heartbeat 700000000.000000"}));
    ASSERT_NE(startup.target(), nullptr);
}

TEST_F(Startup, WithoutATargetLaunchStillRecordsTheHeartbeat)
{
    auto startup = makeStartup(false);
    startup.launch();
    startup.activate();
    openAt(startup, 60, {"kelvane://timer/toggle"});
    EXPECT_EQ(log, (std::vector<std::string>{"take store", "make target over the store"}));
    const auto heartbeat = SharedAppState::lastHeartbeatDate(*store);
    ASSERT_TRUE(heartbeat);
    EXPECT_EQ(*heartbeat, wall.now());
}

TEST_F(Startup, ActivationDrainsTheQueueOnlyOnceLaunched)
{
    auto startup = makeStartup();
    startup.activate();
    EXPECT_TRUE(log.empty());
    startup.launch();
    log.clear();
    startup.activate();
    EXPECT_EQ(log, (std::vector<std::string>{"drain after heartbeat 700000000.000000"}));
}

struct Delivery {
    double monotonic;
    double wallStep; // moves the wall clock before the delivery
    std::vector<const char*> urls;
};

struct RoutingCase {
    const char* name;
    std::vector<Delivery> deliveries;
    std::vector<std::string> performed;
};

TEST_F(Startup, LinksReachTheTargetParsedAndASecondApart)
{
    const RoutingCase cases[] = {
        {"0.4 s apart the second is dropped; 1.2 s after the first passes",
         {{100.0, 0, {"kelvane://timer/toggle"}},
          {100.4, 0, {"kelvane://timer/reset"}},
          {101.2, 0, {"kelvane://timer/preset?id=preset.quick-5"}}},
         {"toggle", "preset preset.quick-5"}},
        {"several links in one call: only the first valid one passes",
         {{100.0, 0, {"kelvane://timer/start", "kelvane://settings"}}},
         {"start"}},
        {"links that do not parse neither count nor hold off the next",
         {{100.0, 0, {"https://example.org", "kelvane://stopwatch", "kelvane://timer/preset?ID=x", "kelvane://custom"}},
          {100.5, 0, {"kelvane://nothing"}},
          {101.0, 0, {"kelvane://open"}}},
         {"custom", "open"}},
        {"the wall clock set back an hour does not hold links off",
         {{100.0, 0, {"kelvane://timer/start"}},
          {101.5, -3600, {"kelvane://timer/pause"}},
          {103.0, -3600, {"kelvane://timer/reset"}}},
         {"start", "pause", "reset"}},
        {"the wall clock set forward does not let a repeat through",
         {{100.0, 0, {"kelvane://timer/toggle"}}, {100.2, 3600, {"kelvane://timer/toggle"}}},
         {"toggle"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto startup = makeStartup();
        startup.launch();
        log.clear();
        for (const auto& delivery : c.deliveries) {
            wall.advance(delivery.wallStep);
            openAt(startup, delivery.monotonic, delivery.urls);
        }
        EXPECT_EQ(log, c.performed);
    }
}

TEST_F(Startup, ALinkBeforeTheTargetExistsIsLostButMovesTheGate)
{
    auto startup = makeStartup();
    openAt(startup, 100.0, {"kelvane://timer/toggle"});
    startup.launch();
    log.clear();
    openAt(startup, 100.5, {"kelvane://timer/start"});
    openAt(startup, 101.1, {"kelvane://timer/pause"});
    EXPECT_EQ(log, (std::vector<std::string>{"pause"}));
}

} // namespace
