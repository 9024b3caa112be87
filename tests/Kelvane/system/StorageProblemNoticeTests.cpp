// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/StorageProblemNotice.h"

#include "support/WaitUntil.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;
using platform::DesktopNotification;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

class RecordingNotifications final : public platform::DesktopNotifications {
public:
    void checkAuthorization(Answer answer) override { answer(true); }
    void requestAuthorization(Answer answer) override { answer(true); }
    void post(const DesktopNotification& notification, std::function<void()> done) override
    {
        posted.push_back(notification);
        done();
    }

    std::vector<DesktopNotification> posted;
};

// A store in memory whose problem the test sets, as a full disk would.
class TroubledBackend final : public platform::KeyValueBackend {
public:
    std::optional<platform::StoredValue> read(const QString&) override { return std::nullopt; }
    void write(const QString&, const platform::StoredValue&) override { }
    void remove(const QString&) override { }
    void update(const QString&, const platform::ValueChange&) override { }
    bool isShared() const override { return true; }
    std::optional<QString> persistenceProblem() const override { return problem; }
    void setOnPersistenceProblem(std::function<void(const QString&)> callback) override
    {
        onProblem = std::move(callback);
    }

    void fail(const QString& reason)
    {
        problem = reason;
        if (onProblem)
            onProblem(reason);
    }

    std::optional<QString> problem;
    std::function<void(const QString&)> onProblem;
};

TEST(StorageProblemNotice, AFileThatCannotBeOpenedIsToldOnceNamingIt)
{
    QTemporaryDir dir;
    // A folder where the file should be.
    const auto defaults = platform::UserDefaults::openFile(dir.path());
    ASSERT_TRUE(defaults->persistenceProblem());
    RecordingNotifications notifications;
    StorageProblemNotice notice(*defaults, notifications);
    ASSERT_TRUE(waitUntil([&] { return !notifications.posted.empty(); }, 5s));
    EXPECT_EQ(notifications.posted.size(), 1u);
    const auto& told = notifications.posted.front();
    EXPECT_EQ(told.identifier, StorageProblemNotice::identifier);
    EXPECT_TRUE(told.body.contains(dir.path())) << told.body.toStdString();
    EXPECT_TRUE(told.body.contains(defaults->persistenceProblem()->reason)) << told.body.toStdString();
}

TEST(StorageProblemNotice, AProblemThatAppearsLaterIsToldOncePerRun)
{
    auto backend = std::make_unique<TroubledBackend>();
    TroubledBackend& troubled = *backend;
    platform::UserDefaults defaults(std::move(backend), QStringLiteral("/home/u/store.sqlite"), std::nullopt);
    RecordingNotifications notifications;
    StorageProblemNotice notice(defaults, notifications);
    runEventLoop(20ms);
    EXPECT_TRUE(notifications.posted.empty()) << "told of a problem that is not there";

    // From another thread, as a write elsewhere would meet it.
    std::thread([&] { troubled.fail(QStringLiteral("database or disk is full (13)")); }).join();
    ASSERT_TRUE(waitUntil([&] { return !notifications.posted.empty(); }, 5s));
    EXPECT_TRUE(notifications.posted.front().body.contains(QStringLiteral("/home/u/store.sqlite")));
    EXPECT_TRUE(notifications.posted.front().body.contains(QStringLiteral("disk is full")));

    troubled.problem.reset();
    troubled.fail(QStringLiteral("disk I/O error (10)"));
    runEventLoop(20ms);
    EXPECT_EQ(notifications.posted.size(), 1u);
}

TEST(StorageProblemNotice, StopsTheStoresCallsWhenGone)
{
    auto backend = std::make_unique<TroubledBackend>();
    TroubledBackend& troubled = *backend;
    platform::UserDefaults defaults(std::move(backend), QStringLiteral("/s"), std::nullopt);
    RecordingNotifications notifications;
    std::make_unique<StorageProblemNotice>(defaults, notifications).reset();
    EXPECT_FALSE(troubled.onProblem);
}

} // namespace
