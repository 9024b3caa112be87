// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/notify/NotificationManager.h"

#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <deque>

using platform::DesktopNotification;
using platform::DesktopNotifications;

namespace {

// A notification service whose answers the test gives by hand, in order.
class ScriptedNotifications final : public DesktopNotifications {
public:
    struct Log {
        int checks = 0;
        int requests = 0;
        std::vector<DesktopNotification> posted;
    };

    explicit ScriptedNotifications(std::shared_ptr<Log> log)
        : m_log(std::move(log))
    {
    }

    void checkAuthorization(Answer answer) override
    {
        ++m_log->checks;
        m_answers.push_back(std::move(answer));
    }
    void requestAuthorization(Answer answer) override
    {
        ++m_log->requests;
        m_answers.push_back(std::move(answer));
    }
    void post(const DesktopNotification& notification, std::function<void()> done) override
    {
        m_log->posted.push_back(notification);
        done();
    }

    bool hasQuestion() const { return !m_answers.empty(); }
    void answer(bool value)
    {
        ASSERT_FALSE(m_answers.empty());
        auto next = std::move(m_answers.front());
        m_answers.pop_front();
        next(value);
    }

private:
    std::shared_ptr<Log> m_log;
    std::deque<Answer> m_answers;
};

class NotificationManagerTest : public ::testing::Test {
protected:
    NotificationManagerTest()
    {
        auto backend = std::make_unique<ScriptedNotifications>(log);
        service = backend.get();
        manager = std::make_unique<NotificationManager>(std::move(backend));
    }

    std::shared_ptr<ScriptedNotifications::Log> log = std::make_shared<ScriptedNotifications::Log>();
    ScriptedNotifications* service = nullptr;
    std::unique_ptr<NotificationManager> manager;
};

TEST_F(NotificationManagerTest, StartsUnauthorizedAndFollowsTheFirstCheck)
{
    std::vector<bool> changed;
    QObject::connect(manager.get(), &NotificationManager::isAuthorizedChanged,
                     [&](bool authorized) { changed.push_back(authorized); });
    EXPECT_EQ(log->checks, 1);
    EXPECT_FALSE(manager->isAuthorized());
    service->answer(true);
    EXPECT_TRUE(manager->isAuthorized());
    EXPECT_EQ(changed, std::vector<bool>{true});
}

TEST_F(NotificationManagerTest, RequestReportsAndStoresTheAnswer)
{
    service->answer(true);
    std::optional<bool> granted;
    manager->requestAuthorization([&](bool answer) { granted = answer; });
    service->answer(false);
    EXPECT_EQ(granted, false);
    EXPECT_FALSE(manager->isAuthorized());
}

TEST_F(NotificationManagerTest, AuthorizedManagerPostsWithoutAsking)
{
    service->answer(true);
    bool done = false;
    manager->sendTimerCompletedNotification([&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_EQ(log->requests, 0);
    ASSERT_EQ(log->posted.size(), 1u);
    const auto& posted = log->posted.front();
    EXPECT_EQ(posted.identifier, u"com.morrowfen.kelvane.timerCompleted");
    EXPECT_EQ(posted.title, u"Timer Completed");
    EXPECT_EQ(posted.body, u"Your countdown has finished.");
    EXPECT_TRUE(posted.playsDefaultSound);
    EXPECT_EQ(posted.delay, std::chrono::milliseconds(100));
}

TEST_F(NotificationManagerTest, UnauthorizedManagerAsksFirstAndPostsOnlyWhenGranted)
{
    service->answer(false);
    for (const bool grant : {false, true}) {
        SCOPED_TRACE(grant);
        bool done = false;
        manager->sendTimerCompletedNotification([&] { done = true; });
        EXPECT_FALSE(done) << "nothing may happen before the answer";
        service->answer(grant);
        EXPECT_TRUE(done);
        EXPECT_EQ(manager->isAuthorized(), grant);
        EXPECT_EQ(log->posted.size(), grant ? 1u : 0u);
    }
    EXPECT_EQ(log->requests, 2);
}

TEST_F(NotificationManagerTest, EveryCompletionPostsUnderTheSameIdentifier)
{
    service->answer(true);
    manager->sendTimerCompletedNotification();
    manager->sendTimerCompletedNotification();
    ASSERT_EQ(log->posted.size(), 2u);
    EXPECT_EQ(log->posted[0].identifier, log->posted[1].identifier);
}

// The real service on this binary's missing bus: nothing is allowed, nothing
// shown, and every answer still comes.
TEST(NotificationManagerWithoutBus, StaysUnauthorizedAndFinishesEverySend)
{
    NotificationManager manager(std::make_unique<platform::FreedesktopNotifications>());
    bool done = false;
    manager.sendTimerCompletedNotification([&] { done = true; });
    EXPECT_FALSE(done) << "answers come later, not inside the call";
    ASSERT_TRUE(platform::test::waitUntil([&] { return done; }));
    EXPECT_FALSE(manager.isAuthorized());
}

} // namespace
