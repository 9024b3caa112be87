// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include "support/RecordingNotifier.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <thread>

namespace {

// The consumer's two ways of taking commands: one at a time, or the whole
// queue at once.
QList<TimerCommand> takeOne(const TimerCommandQueue& queue)
{
    if (const auto command = queue.dequeue())
        return {*command};
    return {};
}

QList<TimerCommand> takeAll(const TimerCommandQueue& queue)
{
    return queue.takeAll();
}

struct Drain {
    const char* name;
    QList<TimerCommand> (*take)(const TimerCommandQueue&);
};

void PrintTo(const Drain& drain, std::ostream* out)
{
    *out << drain.name;
}

class TimerCommandQueueProcesses : public ::testing::TestWithParam<Drain> { };

// Two producer processes and this consumer share one store file: every command
// must arrive exactly once and in each producer's order.
TEST_P(TimerCommandQueueProcesses, ConcurrentProducersLoseNoCommand)
{
    constexpr int perProducer = 500;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("store.sqlite");
    const auto defaults = platform::UserDefaults::openFile(path);
    ASSERT_TRUE(defaults->isShared());
    RecordingNotifier notifier;
    const TimerCommandQueue queue(*defaults, notifier);

    QProcess producers[2];
    const QString names[2] = {"a", "b"};
    for (int i = 0; i < 2; ++i)
        producers[i].start(QStringLiteral(QUEUE_PRODUCER_PATH), {path, names[i], QString::number(perProducer)});
    for (auto& producer : producers)
        ASSERT_TRUE(producer.waitForStarted(5000));

    QHash<QString, int> nextExpected;
    int received = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    const auto running
        = [&] { return producers[0].state() != QProcess::NotRunning || producers[1].state() != QProcess::NotRunning; };
    while (std::chrono::steady_clock::now() < deadline) {
        const bool stillRunning = running();
        const auto commands = GetParam().take(queue);
        if (commands.isEmpty()) {
            if (!stillRunning)
                break;
            producers[0].waitForFinished(1);
            producers[1].waitForFinished(1);
            continue;
        }
        for (const auto& command : commands) {
            const auto parts = command.presetID().split(':');
            ASSERT_EQ(parts.size(), 2);
            EXPECT_EQ(parts[1].toInt(), nextExpected[parts[0]]++) << "out of order from " << parts[0].toStdString();
            ++received;
        }
    }
    for (auto& producer : producers) {
        producer.waitForFinished(5000);
        EXPECT_EQ(producer.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(producer.exitCode(), 0) << producer.readAllStandardError().toStdString();
    }
    EXPECT_EQ(received, 2 * perProducer);
    EXPECT_EQ(nextExpected.value("a"), perProducer);
    EXPECT_EQ(nextExpected.value("b"), perProducer);
}

INSTANTIATE_TEST_SUITE_P(Drains, TimerCommandQueueProcesses,
                         ::testing::Values(Drain{"OneAtATime", &takeOne}, Drain{"AllAtOnce", &takeAll}),
                         [](const ::testing::TestParamInfo<Drain>& drain) { return std::string(drain.param.name); });

} // namespace
