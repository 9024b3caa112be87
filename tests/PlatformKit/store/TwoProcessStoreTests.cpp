// SPDX-License-Identifier: GPL-3.0-or-later
// Two processes updating one store file at the same moment lose nothing.
#include "PlatformKit/store/UserDefaults.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

using platform::StoredValue;
using platform::UserDefaults;

namespace {

constexpr int perProcess = 500;

TEST(TwoProcessStore, ConcurrentUpdatesFromTwoProcessesLoseNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/shared.sqlite"));
    const auto defaults = UserDefaults::openFile(path);
    ASSERT_TRUE(defaults->isShared());
    defaults->setInteger(QStringLiteral("counter"), 0);

    QProcess first;
    QProcess second;
    for (auto [process, tag] : {std::pair{&first, "a"}, std::pair{&second, "b"}}) {
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(KELVANE_STORE_COUNTER_HELPER),
                       {path, QString::fromLatin1(tag), QString::number(perProcess), QStringLiteral("100")});
    }
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(second.waitForStarted(10000));
    // Each opens the store, then waits for this line: they count together.
    first.write("go\n");
    second.write("go\n");
    first.closeWriteChannel();
    second.closeWriteChannel();

    // Meanwhile this process reads: the counter is never absent and never
    // goes back.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    qint64 last = 0;
    int reads = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "helpers did not finish";
        const auto value = defaults->object(QStringLiteral("counter"));
        ASSERT_TRUE(value) << "the counter read as absent during the other processes' writes";
        const qint64 now = std::get<qint64>(*value);
        ASSERT_GE(now, last);
        last = now;
        ++reads;
        first.waitForFinished(2);
        second.waitForFinished(2);
    }

    for (QProcess* process : {&first, &second}) {
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process->exitCode(), 0);
    }
    EXPECT_EQ(defaults->integer(QStringLiteral("counter")), 2 * perProcess);
    const auto log = defaults->data(QStringLiteral("log"));
    ASSERT_TRUE(log);
    EXPECT_EQ(log->size(), 2 * perProcess);
    EXPECT_EQ(log->count('a'), perProcess);
    EXPECT_EQ(log->count('b'), perProcess);
    EXPECT_GT(reads, 0);

    // How much the two took turns (informational: how the runs overlap
    // depends on the machine's load).
    int turns = 0;
    for (qsizetype i = 1; i < log->size(); ++i)
        turns += log->at(i) != log->at(i - 1) ? 1 : 0;
    RecordProperty("turns", turns);
    std::printf("the two processes took %d turns; this process read %d times meanwhile\n", turns, reads);
}

} // namespace
