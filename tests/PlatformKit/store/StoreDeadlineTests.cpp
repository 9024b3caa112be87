// SPDX-License-Identifier: GPL-3.0-or-later
// Another process holds the store's file locked for longer than a call may
// wait: reads and writes give up at the access deadline, well within a bound
// the GUI thread can live with, a write is dropped with a warning, and once
// the lock is gone the store works again. (Shorter locks are waited out: see
// SqliteLockTests.)
#include "PlatformKit/store/SqliteBackend.h"
#include "PlatformKit/store/UserDefaults.h"
#include "support/StoreWarnings.h"
#include "support/StoredCounter.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;
using platform::StoredValue;
using platform::UserDefaults;
using platform::detail::SqliteOptions;
using platform::test::incremented;
using platform::test::StoreWarnings;

namespace {

// A call on a locked store returns within this: a fault path's bound, not a
// speed goal.
constexpr auto bound = 4s;
const auto accessDeadline = SqliteOptions{}.accessDeadline;
// A call that gives up took at least the deadline (less a little for the
// rounding of two clocks).
const auto gaveUpAfter = accessDeadline - 10ms;

// The helper program holding the file's write lock (see StoreLockHolder.cpp)
// until `release`, or for a minute at most.
class OtherProcessLock {
public:
    OtherProcessLock(const QString& path, const char* mode)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(KELVANE_STORE_LOCK_HELPER),
                        {path, QString::fromLatin1(mode), QStringLiteral("60")});
        EXPECT_TRUE(m_process.waitForStarted(10000));
        m_locked = readLine() == "locked";
    }
    ~OtherProcessLock()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    OtherProcessLock(const OtherProcessLock&) = delete;
    OtherProcessLock& operator=(const OtherProcessLock&) = delete;

    bool isLocked() const { return m_locked; }

    // Ends the other process's transaction and waits for it to exit.
    void release()
    {
        m_process.write("release\n");
        m_process.closeWriteChannel();
        EXPECT_EQ(readLine(), "released");
        EXPECT_TRUE(m_process.waitForFinished(10000));
        EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(m_process.exitCode(), 0);
    }

private:
    QByteArray readLine()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return {};
        }
        return m_process.readLine().trimmed();
    }

    QProcess m_process;
    bool m_locked = false;
};

template <typename F>
std::chrono::milliseconds timed(F&& f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return std::chrono::milliseconds(timer.elapsed());
}

// A store file of its own in a fresh directory, for each test.
class StoreDeadline : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
};

TEST_F(StoreDeadline, WritesGiveUpWhileAnotherProcessHoldsTheWriteLockAndWorkOnceItEnds)
{
    // The store as the programs open it: write-ahead log, default options.
    const auto defaults = UserDefaults::openFile(path);
    ASSERT_TRUE(defaults->isShared());
    defaults->setInteger(QStringLiteral("kept"), 1);
    defaults->setInteger(QStringLiteral("removed"), 1);

    OtherProcessLock other(path, "immediate");
    ASSERT_TRUE(other.isLocked());
    StoreWarnings warnings;

    const auto write = timed([&] { defaults->setInteger(QStringLiteral("dropped"), 2); });
    EXPECT_LT(write, bound);
    EXPECT_GE(write, gaveUpAfter) << "gave up before the deadline";
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("dropped")), 1) << StoreWarnings::all().toStdString();

    const auto update = timed([&] { defaults->update(QStringLiteral("kept"), incremented); });
    EXPECT_LT(update, bound);
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("kept")), 1) << StoreWarnings::all().toStdString();

    const auto remove = timed([&] { defaults->remove(QStringLiteral("removed")); });
    EXPECT_LT(remove, bound);
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("removed")), 1) << StoreWarnings::all().toStdString();

    // Readers of the write-ahead log go on during the other's transaction.
    std::optional<StoredValue> read;
    EXPECT_LT(timed([&] { read = defaults->object(QStringLiteral("kept")); }), bound);
    EXPECT_EQ(read, StoredValue(qint64{1}));

    other.release();
    EXPECT_FALSE(defaults->object(QStringLiteral("dropped")));
    EXPECT_EQ(defaults->object(QStringLiteral("kept")), StoredValue(qint64{1}));
    EXPECT_EQ(defaults->object(QStringLiteral("removed")), StoredValue(qint64{1}));

    // Nothing is stuck: writes work again.
    defaults->setInteger(QStringLiteral("dropped"), 3);
    defaults->update(QStringLiteral("kept"), incremented);
    defaults->remove(QStringLiteral("removed"));
    EXPECT_EQ(defaults->object(QStringLiteral("dropped")), StoredValue(qint64{3}));
    EXPECT_EQ(defaults->object(QStringLiteral("kept")), StoredValue(qint64{2}));
    EXPECT_FALSE(defaults->object(QStringLiteral("removed")));
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("Shared store")), 3) << StoreWarnings::all().toStdString();
}

TEST_F(StoreDeadline, ReadsGiveUpWhileAnotherProcessHoldsReadersOffAndWorkOnceItEnds)
{
    // A rollback journal, whose exclusive lock holds readers off too; the
    // other options as the programs have them.
    SqliteOptions options;
    options.writeAheadLog = false;
    UserDefaults defaults(platform::detail::openSqliteBackend(path, options));
    ASSERT_TRUE(defaults.isShared());
    defaults.setInteger(QStringLiteral("k"), 7);

    OtherProcessLock other(path, "exclusive");
    ASSERT_TRUE(other.isLocked());
    StoreWarnings warnings;

    std::optional<StoredValue> read = StoredValue(false);
    const auto elapsed = timed([&] { read = defaults.object(QStringLiteral("k")); });
    EXPECT_LT(elapsed, bound);
    EXPECT_GE(elapsed, gaveUpAfter) << "gave up before the deadline";
    // As a read of a failing file: absent, with a warning.
    EXPECT_FALSE(read);
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("read k")), 1) << StoreWarnings::all().toStdString();

    EXPECT_LT(timed([&] { defaults.setInteger(QStringLiteral("k"), 8); }), bound);
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("write k")), 1) << StoreWarnings::all().toStdString();

    other.release();
    EXPECT_EQ(defaults.object(QStringLiteral("k")), StoredValue(qint64{7}));
    defaults.setInteger(QStringLiteral("k"), 9);
    EXPECT_EQ(defaults.object(QStringLiteral("k")), StoredValue(qint64{9}));
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("Shared store")), 2) << StoreWarnings::all().toStdString();
}

TEST_F(StoreDeadline, OpeningAFileHeldLockedFallsBackToMemoryInTime)
{
    {
        SqliteOptions options;
        options.writeAheadLog = false;
        UserDefaults(platform::detail::openSqliteBackend(path, options)).setInteger(QStringLiteral("k"), 4);
    }
    OtherProcessLock other(path, "exclusive");
    ASSERT_TRUE(other.isLocked());

    std::unique_ptr<UserDefaults> defaults;
    const auto elapsed = timed([&] { defaults = UserDefaults::openFile(path); });
    EXPECT_LT(elapsed, bound);
    EXPECT_FALSE(defaults->isShared());

    other.release();
    EXPECT_EQ(UserDefaults::openFile(path)->integer(QStringLiteral("k")), 4);
}

} // namespace
