// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/RecordingNotifier.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class TimerCommandQueueTest : public ::testing::Test {
protected:
    QJsonArray storedArray() const
    {
        return QJsonDocument::fromJson(defaults->data(SharedDefaultsKeys::commandQueue).value_or("")).array();
    }

    std::unique_ptr<platform::UserDefaults> defaults = platform::UserDefaults::inMemory();
    RecordingNotifier notifier;
    TimerCommandQueue queue{*defaults, notifier};
};

TEST_F(TimerCommandQueueTest, EveryCommandRoundTripsThroughItsJson)
{
    const TimerCommand commands[] = {
        TimerCommand::toggle(),
        TimerCommand::start(),
        TimerCommand::pause(),
        TimerCommand::reset(),
        TimerCommand::selectPreset("preset.deep-45"),
        TimerCommand::openSettings(),
        TimerCommand::skipPhase(),
        TimerCommand::enterTimerMode("preset.quick-5", true),
        TimerCommand::startPomodoro(),
        TimerCommand::startCustomDuration(600),
        TimerCommand::switchDirection(TimerDirection::CountUp),
    };
    for (const auto& command : commands) {
        const auto json = command.toJson();
        ASSERT_TRUE(json);
        EXPECT_EQ(TimerCommand::fromJson(*json), command) << QJsonDocument(*json).toJson().constData();
    }
}

TEST_F(TimerCommandQueueTest, WritesOnlyTheKeysOfTheCommandsType)
{
    struct Case {
        TimerCommand command;
        const char* json;
    };
    const Case cases[] = {
        {TimerCommand::toggle(), R"({"type":"toggle"})"},
        {TimerCommand::selectPreset("preset.deep-45"), R"({"presetID":"preset.deep-45","type":"selectPreset"})"},
        {TimerCommand::enterTimerMode("p", false), R"({"autoStart":false,"presetID":"p","type":"enterTimerMode"})"},
        {TimerCommand::startCustomDuration(90.5), R"({"seconds":90.5,"type":"startCustomDuration"})"},
        {TimerCommand::switchDirection(TimerDirection::CountUp), R"({"direction":"countUp","type":"switchDirection"})"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QJsonDocument(*c.command.toJson()).toJson(QJsonDocument::Compact), QByteArray(c.json));
}

TEST_F(TimerCommandQueueTest, DecodingNeedsTheTypesPayloadAndIgnoresOtherKeys)
{
    const char* bad[] = {
        R"({"presetID":"x"})",
        R"({"type":"dance"})",
        R"({"type":"enterTimerMode","presetID":"preset.quick-5"})",
        R"({"type":"selectPreset","presetID":7})",
        R"({"type":"startCustomDuration","seconds":"60"})",
        R"({"type":"switchDirection","direction":"sideways"})",
    };
    for (const char* json : bad)
        EXPECT_FALSE(TimerCommand::fromJson(QJsonDocument::fromJson(json).object())) << json;
    EXPECT_EQ(TimerCommand::fromJson(QJsonDocument::fromJson(R"({"type":"pause","presetID":"x"})").object()),
              TimerCommand::pause());
}

TEST_F(TimerCommandQueueTest, OneBadElementMakesTheWholeQueueReadEmpty)
{
    defaults->setData(SharedDefaultsKeys::commandQueue,
                      R"([{"type":"toggle"},{"type":"enterTimerMode","presetID":"preset.quick-5"}])");
    EXPECT_TRUE(queue.pendingCommands().isEmpty());
    EXPECT_FALSE(queue.dequeue());
    EXPECT_TRUE(defaults->data(SharedDefaultsKeys::commandQueue)); // left as it was

    queue.enqueue(TimerCommand::start());
    EXPECT_EQ(queue.pendingCommands(), QList{TimerCommand::start()});
}

TEST_F(TimerCommandQueueTest, OnlyTheNewestCommandIsComparedForDuplicates)
{
    queue.enqueue(TimerCommand::toggle());
    queue.enqueue(TimerCommand::toggle());
    EXPECT_EQ(queue.pendingCommands().size(), 1);
    EXPECT_EQ(notifier.posted.size(), 1);

    queue.enqueue(TimerCommand::start());
    queue.enqueue(TimerCommand::toggle());
    EXPECT_EQ(queue.pendingCommands(), (QList{TimerCommand::toggle(), TimerCommand::start(), TimerCommand::toggle()}));
    EXPECT_EQ(notifier.posted, QStringList(3, QString(TimerCommandQueue::queuedNotificationName)));
}

TEST_F(TimerCommandQueueTest, DequeuesOldestFirstAndRemovesTheKeyWhenEmpty)
{
    queue.enqueue(TimerCommand::selectPreset("a"));
    queue.enqueue(TimerCommand::selectPreset("b"));
    EXPECT_EQ(storedArray().size(), 2);
    EXPECT_EQ(queue.dequeue(), TimerCommand::selectPreset("a"));
    EXPECT_EQ(queue.dequeue(), TimerCommand::selectPreset("b"));
    EXPECT_FALSE(defaults->object(SharedDefaultsKeys::commandQueue));
    EXPECT_FALSE(queue.dequeue());

    queue.enqueue(TimerCommand::pause());
    queue.clearQueue();
    EXPECT_FALSE(defaults->object(SharedDefaultsKeys::commandQueue));
}

TEST_F(TimerCommandQueueTest, TakingAllEmptiesTheQueueOldestFirst)
{
    EXPECT_TRUE(queue.takeAll().isEmpty());
    queue.enqueue(TimerCommand::selectPreset("a"));
    queue.enqueue(TimerCommand::toggle());
    EXPECT_EQ(queue.takeAll(), (QList{TimerCommand::selectPreset("a"), TimerCommand::toggle()}));
    EXPECT_FALSE(defaults->object(SharedDefaultsKeys::commandQueue));
    EXPECT_TRUE(queue.takeAll().isEmpty());

    // Unreadable data reads as empty and stays for the next append to replace.
    defaults->setData(SharedDefaultsKeys::commandQueue, R"([{"type":"dance"}])");
    EXPECT_TRUE(queue.takeAll().isEmpty());
    EXPECT_TRUE(defaults->data(SharedDefaultsKeys::commandQueue));
}

// Another process may write more than the capacity; the taker keeps what an
// append to a full queue would have kept.
TEST_F(TimerCommandQueueTest, TakingAllKeepsTheOldestCommandsUpToTheCapacity)
{
    QList<TimerCommand> written;
    for (int i = 0; i < 3 * TimerCommandQueue::capacity; ++i)
        written.append(TimerCommand::selectPreset(QString::number(i)));
    defaults->setData(SharedDefaultsKeys::commandQueue, *TimerCommandQueue::encode(written));

    EXPECT_EQ(queue.takeAll(), written.first(TimerCommandQueue::capacity));
    EXPECT_FALSE(defaults->object(SharedDefaultsKeys::commandQueue));
}

TEST_F(TimerCommandQueueTest, AFullQueueDropsNewCommandsSilently)
{
    for (int i = 0; i < TimerCommandQueue::capacity; ++i)
        queue.enqueue(TimerCommand::selectPreset(QString::number(i)));
    notifier.posted.clear();
    queue.enqueue(TimerCommand::start());
    EXPECT_EQ(queue.pendingCommands().size(), TimerCommandQueue::capacity);
    EXPECT_TRUE(notifier.posted.isEmpty());
}

TEST_F(TimerCommandQueueTest, CustomDurationIsBoundedAndNonFiniteLengthsAreRefused)
{
    EXPECT_EQ(TimerCommand::startCustomDuration(0.1).seconds(), 1);
    EXPECT_EQ(TimerCommand::startCustomDuration(1e9).seconds(), 10800);
    const auto decoded
        = TimerCommand::fromJson(QJsonDocument::fromJson(R"({"type":"startCustomDuration","seconds":1e300})").object());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->seconds(), 10800);

    for (double bad : {NAN, INFINITY}) {
        queue.enqueue(TimerCommand::startCustomDuration(bad));
        EXPECT_TRUE(queue.pendingCommands().isEmpty());
        EXPECT_TRUE(notifier.posted.isEmpty());
    }
}

} // namespace
