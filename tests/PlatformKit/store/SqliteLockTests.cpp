// SPDX-License-Identifier: GPL-3.0-or-later
// A store whose file another connection holds locked for a while (shorter
// than the access deadline): reads and writes wait the lock out (past SQLite's
// own busy timeout) and never read as absent. Longer locks: StoreDeadlineTests.
#include "PlatformKit/store/SqliteBackend.h"
#include "PlatformKit/store/UserDefaults.h"
#include "support/StoreFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;
using platform::StoredValue;
using platform::UserDefaults;
using platform::detail::SqliteOptions;
using platform::test::RawConnection;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto busyTimeout = 30ms;
// Ten times SQLite's own wait: only the retry loop gets past it.
constexpr auto lockHeld = 300ms;

// Whether a plain read of a connection that does not retry is refused.
int tryRead(const RawConnection& reader)
{
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(reader.get(), "SELECT value FROM entries WHERE key = 'k'", -1, &stmt, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    return rc;
}

std::unique_ptr<UserDefaults> openWith(const QString& path, bool writeAheadLog)
{
    SqliteOptions options;
    options.busyTimeout = busyTimeout;
    options.writeAheadLog = writeAheadLog;
    auto backend = platform::detail::openSqliteBackend(path, options);
    EXPECT_TRUE(backend);
    return std::make_unique<UserDefaults>(std::move(backend));
}

// Ends the lock of `holder` with `sql` after `lockHeld`, on another thread,
// and tells when it began to end it.
class Releaser {
public:
    Releaser(RawConnection& holder, const char* sql)
        : m_thread([this, &holder, sql] {
            std::this_thread::sleep_for(lockHeld);
            m_releasing = Clock::now();
            EXPECT_EQ(holder.exec(sql), SQLITE_OK);
        })
    {
    }
    // Joins, then: when the lock began to be released.
    Clock::time_point join()
    {
        m_thread.join();
        return m_releasing;
    }

private:
    Clock::time_point m_releasing;
    std::thread m_thread;
};

// Runs `f` while `holder` keeps its lock for `lockHeld`, and checks `f` came
// back only after the lock was gone: it waited, and did not give up.
template <typename F>
void expectWaitsOutTheLock(RawConnection& holder, const char* release, F&& f)
{
    Releaser releaser(holder, release);
    f();
    const auto finished = Clock::now();
    const auto releasing = releaser.join();
    EXPECT_GE(finished, releasing) << "came back while the lock was still held";
}

// A store file of its own in a fresh directory, for each test.
class SqliteLock : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
};

TEST_F(SqliteLock, WriteAheadLogReadDuringAWriteLockReturnsTheCommittedValue)
{
    const auto defaults = openWith(path, true);
    ASSERT_TRUE(defaults->isShared());
    defaults->setInteger(QStringLiteral("k"), 1);

    RawConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    ASSERT_EQ(other.exec("UPDATE entries SET value = 2 WHERE key = 'k'"), SQLITE_OK);
    EXPECT_EQ(defaults->object(QStringLiteral("k")), StoredValue(qint64{1}));
    EXPECT_EQ(other.exec("ROLLBACK"), SQLITE_OK);
}

TEST_F(SqliteLock, WriteWaitsOutALockHeldPastTheBusyTimeout)
{
    const auto defaults = openWith(path, true);
    defaults->setInteger(QStringLiteral("k"), 1);

    RawConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    expectWaitsOutTheLock(other, "ROLLBACK", [&] { defaults->setInteger(QStringLiteral("k"), 3); });
    EXPECT_EQ(defaults->object(QStringLiteral("k")), StoredValue(qint64{3}));
}

TEST_F(SqliteLock, UpdateWaitsOutALockAndKeepsTheOtherWrite)
{
    const auto defaults = openWith(path, true);
    defaults->setInteger(QStringLiteral("k"), 1);

    RawConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    ASSERT_EQ(other.exec("UPDATE entries SET value = 10 WHERE key = 'k'"), SQLITE_OK);
    expectWaitsOutTheLock(other, "COMMIT", [&] {
        defaults->update(QStringLiteral("k"), [](const std::optional<StoredValue>& current) {
            return std::optional(StoredValue(std::get<qint64>(*current) + 1));
        });
    });
    // The other connection's 10, then our increment: nothing lost.
    EXPECT_EQ(defaults->object(QStringLiteral("k")), StoredValue(qint64{11}));
}

TEST_F(SqliteLock, RollbackJournalReadWaitsOutAnExclusiveLockAndReturnsTheValue)
{
    const auto defaults = openWith(path, false);
    ASSERT_TRUE(defaults->isShared());
    defaults->setInteger(QStringLiteral("k"), 7);

    RawConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    // The lock really refuses readers that do not retry.
    RawConnection plainReader(path);
    ASSERT_EQ(tryRead(plainReader) & 0xff, SQLITE_BUSY);

    std::optional<StoredValue> read;
    expectWaitsOutTheLock(other, "COMMIT", [&] { read = defaults->object(QStringLiteral("k")); });
    EXPECT_EQ(read, StoredValue(qint64{7}));
}

TEST_F(SqliteLock, RollbackJournalTypedGettersAndRemoveWaitOutTheLock)
{
    const auto defaults = openWith(path, false);
    defaults->setBool(QStringLiteral("running"), true);
    defaults->setInteger(QStringLiteral("k"), 1);

    RawConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    bool running = false;
    expectWaitsOutTheLock(other, "COMMIT", [&] { running = defaults->boolValue(QStringLiteral("running")); });
    EXPECT_TRUE(running);

    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    expectWaitsOutTheLock(other, "COMMIT", [&] { defaults->remove(QStringLiteral("k")); });
    EXPECT_FALSE(defaults->object(QStringLiteral("k")));
}

TEST_F(SqliteLock, OpeningWaitsOutALockedFile)
{
    openWith(path, false)->setInteger(QStringLiteral("k"), 4);

    RawConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    std::unique_ptr<UserDefaults> defaults;
    expectWaitsOutTheLock(other, "COMMIT", [&] { defaults = openWith(path, false); });
    ASSERT_TRUE(defaults->isShared());
    EXPECT_EQ(defaults->integer(QStringLiteral("k")), 4);
}

} // namespace
