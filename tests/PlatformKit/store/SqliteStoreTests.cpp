// SPDX-License-Identifier: GPL-3.0-or-later
// The SQLite backend against real files: sharing, persistence, and the files
// it must refuse without touching them.
#include "PlatformKit/store/SqliteBackend.h"
#include "PlatformKit/store/UserDefaults.h"
#include "support/StoreFiles.h"
#include "support/StoreWarnings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <random>

using platform::Date;
using platform::StoredValue;
using platform::UserDefaults;
using platform::test::fileHash;
using platform::test::filesBeside;
using platform::test::readFile;
using platform::test::StoreWarnings;
using platform::test::writeFile;

namespace {

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(size, Qt::Uninitialized);
    for (auto& b : bytes)
        b = static_cast<char>(byte(generator));
    return bytes;
}

// A real store file holding a few values, closed (its log folded back in).
QString makeStore(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    const auto defaults = UserDefaults::openFile(path);
    EXPECT_TRUE(defaults->isShared());
    defaults->setInteger(QStringLiteral("count"), 3);
    defaults->setString(QStringLiteral("name"), QStringLiteral("Kelvane"));
    defaults->setData(QStringLiteral("blob"), QByteArray(3000, 'k'));
    return path;
}

// A bad file makes the store fall back to memory, and the file keeps every
// byte it had, with nothing made or removed beside it.
void expectFallbackLeavesFileAlone(const QString& path)
{
    const std::string before = fileHash(path);
    const std::string filesBefore = filesBeside(path);
    {
        const auto defaults = UserDefaults::openFile(path);
        EXPECT_FALSE(defaults->isShared());
        // The fallback still works as a store.
        defaults->setInteger(QStringLiteral("fallback.value"), 11);
        EXPECT_EQ(defaults->integer(QStringLiteral("fallback.value")), 11);
        EXPECT_EQ(fileHash(path), before);
    }
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(fileHash(path), before);
    EXPECT_EQ(filesBeside(path), filesBefore);
}

TEST(SqliteStore, TwoObjectsOnOneFileShareTheirValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.sqlite"));
    const auto app = UserDefaults::openFile(path);
    const auto widget = UserDefaults::openFile(path);
    ASSERT_TRUE(app->isShared());
    ASSERT_TRUE(widget->isShared());

    app->setDate(QStringLiteral("heartbeat"), Date::fromSecondsSinceReferenceDate(12345.5));
    EXPECT_EQ(widget->date(QStringLiteral("heartbeat")), Date::fromSecondsSinceReferenceDate(12345.5));

    widget->update(QStringLiteral("queue"), [](const std::optional<StoredValue>&) {
        return std::optional(StoredValue(QByteArray("[{\"type\":\"toggle\"}]")));
    });
    EXPECT_EQ(app->data(QStringLiteral("queue")), QByteArray("[{\"type\":\"toggle\"}]"));

    app->remove(QStringLiteral("queue"));
    EXPECT_FALSE(widget->object(QStringLiteral("queue")));
}

TEST(SqliteStore, ValuesPersistAcrossReopening)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    {
        const auto defaults = UserDefaults::openFile(path);
        ASSERT_TRUE(defaults->isShared());
        defaults->setBool(QStringLiteral("b"), true);
        defaults->setInteger(QStringLiteral("i"), -9);
        defaults->setDouble(QStringLiteral("d"), 900.0);
        defaults->setString(QStringLiteral("s"), QStringLiteral("preset.custom"));
        defaults->setData(QStringLiteral("x"), QByteArray("\0ab", 3));
        defaults->setDate(QStringLiteral("t"), Date::fromSecondsSinceReferenceDate(-3.25));
        defaults->setInteger(QStringLiteral("gone"), 1);
        defaults->remove(QStringLiteral("gone"));
    }
    const auto reopened = UserDefaults::openFile(path);
    ASSERT_TRUE(reopened->isShared());
    EXPECT_EQ(reopened->object(QStringLiteral("b")), StoredValue(true));
    EXPECT_EQ(reopened->object(QStringLiteral("i")), StoredValue(qint64{-9}));
    EXPECT_EQ(reopened->object(QStringLiteral("d")), StoredValue(900.0));
    EXPECT_EQ(reopened->object(QStringLiteral("s")), StoredValue(QStringLiteral("preset.custom")));
    EXPECT_EQ(reopened->object(QStringLiteral("x")), StoredValue(QByteArray("\0ab", 3)));
    EXPECT_EQ(reopened->object(QStringLiteral("t")), StoredValue(Date::fromSecondsSinceReferenceDate(-3.25)));
    EXPECT_FALSE(reopened->object(QStringLiteral("gone")));
}

TEST(SqliteStore, CreatesMissingParentDirectories)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/deeper/still/store.sqlite"));
    const auto defaults = UserDefaults::openFile(path);
    EXPECT_TRUE(defaults->isShared());
    defaults->setInteger(QStringLiteral("k"), 1);
    EXPECT_TRUE(QFile::exists(path));
}

TEST(SqliteStore, UsesWriteAheadLogAndTheTypeTags)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    const auto defaults = UserDefaults::openFile(path);
    defaults->setDate(QStringLiteral("t"), Date::fromSecondsSinceReferenceDate(5));
    defaults->setDouble(QStringLiteral("d"), 5);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &stmt, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "wal");
    sqlite3_finalize(stmt);
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT type, value FROM entries WHERE key = 't'", -1, &stmt, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "date");
    EXPECT_EQ(sqlite3_column_double(stmt, 1), 5.0);
    sqlite3_finalize(stmt);
    sqlite3_close(db);

    // Same number, different tags: only the date reads as a date.
    EXPECT_TRUE(defaults->date(QStringLiteral("t")));
    EXPECT_FALSE(defaults->date(QStringLiteral("d")));
}

TEST(SqliteStore, RowOfAnUnknownTypeReadsAsAbsent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    const auto defaults = UserDefaults::openFile(path);
    ASSERT_TRUE(defaults->isShared());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "INSERT INTO entries VALUES ('future', 'colour', 'red')", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    EXPECT_FALSE(defaults->object(QStringLiteral("future")));
    EXPECT_FALSE(defaults->string(QStringLiteral("future")));
}

TEST(SqliteStore, RandomBytesFallBackToMemoryUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    ASSERT_TRUE(writeFile(path, randomBytes(8192, 2101)));
    expectFallbackLeavesFileAlone(path);
    // Nothing was made beside it either (no journal, no log).
    EXPECT_EQ(filesBeside(path), "store.sqlite");
}

TEST(SqliteStore, ShortFileFallsBackToMemoryUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    ASSERT_TRUE(writeFile(path, QByteArray("SQLite")));
    expectFallbackLeavesFileAlone(path);
}

TEST(SqliteStore, TruncatedHeaderFallsBackToMemoryUntouched)
{
    QTemporaryDir dir;
    const QString path = makeStore(dir);
    const QByteArray whole = readFile(path).value_or(QByteArray());
    ASSERT_GT(whole.size(), 100);
    ASSERT_TRUE(whole.startsWith("SQLite format 3"));
    ASSERT_TRUE(writeFile(path, whole.left(50)));
    expectFallbackLeavesFileAlone(path);
    EXPECT_EQ(filesBeside(path), "store.sqlite");
}

TEST(SqliteStore, DamagedPagesFallBackToMemoryUntouched)
{
    QTemporaryDir dir;
    const QString path = makeStore(dir);
    QByteArray bytes = readFile(path).value_or(QByteArray());
    const int pageSize = (static_cast<unsigned char>(bytes[16]) << 8) | static_cast<unsigned char>(bytes[17]);
    ASSERT_GE(bytes.size(), 2 * pageSize);
    // A sound header and schema page, garbage after it.
    bytes.replace(pageSize, bytes.size() - pageSize, randomBytes(static_cast<int>(bytes.size()) - pageSize, 7));
    ASSERT_TRUE(writeFile(path, bytes));
    expectFallbackLeavesFileAlone(path);
}

TEST(SqliteStore, ForeignDatabaseFallsBackToMemoryUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.sqlite"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(db, "CREATE TABLE entries (a, b); INSERT INTO entries VALUES (1, 2);", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
    expectFallbackLeavesFileAlone(path);
}

TEST(SqliteStore, DirectoryPathFallsBackToMemory)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a-directory"));
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));
    const auto defaults = UserDefaults::openFile(path);
    EXPECT_FALSE(defaults->isShared());
    defaults->setBool(QStringLiteral("fallback.flag"), true);
    EXPECT_TRUE(defaults->boolValue(QStringLiteral("fallback.flag")));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("inside")});
}

TEST(SqliteStore, ParentThatIsAFileFallsBackToMemory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("plain")), "not a directory"));
    const auto defaults = UserDefaults::openFile(dir.filePath(QStringLiteral("plain/store.sqlite")));
    EXPECT_FALSE(defaults->isShared());
}

TEST(SqliteStore, FallbackIsTheMemoryOfThisProcess)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first"));
    const QString second = dir.filePath(QStringLiteral("second"));
    ASSERT_TRUE(QDir().mkpath(first));
    ASSERT_TRUE(QDir().mkpath(second));
    const auto a = UserDefaults::openFile(first);
    const auto b = UserDefaults::openFile(second);
    ASSERT_FALSE(a->isShared());
    ASSERT_FALSE(b->isShared());
    a->setString(QStringLiteral("fallback.shared"), QStringLiteral("seen"));
    EXPECT_EQ(b->string(QStringLiteral("fallback.shared")), QStringLiteral("seen"));
    // A store made in memory on purpose is its own.
    EXPECT_FALSE(UserDefaults::inMemory()->object(QStringLiteral("fallback.shared")));
}

TEST(SqliteStore, EmptyFileBecomesAStore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    ASSERT_TRUE(writeFile(path, QByteArray()));
    const auto defaults = UserDefaults::openFile(path);
    EXPECT_TRUE(defaults->isShared());
    defaults->setInteger(QStringLiteral("k"), 2);
    EXPECT_EQ(defaults->integer(QStringLiteral("k")), 2);
}

TEST(SqliteStore, UpdateWarningNamesTheFailedWriteNotTheRollback)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    const auto defaults = UserDefaults::openFile(path);
    ASSERT_TRUE(defaults->isShared());
    // Another program makes every write fail, with a message of its own.
    platform::test::execOn(path,
                           "CREATE TRIGGER refuse BEFORE INSERT ON entries "
                           "BEGIN SELECT RAISE(ABORT, 'refused by the trigger'); END");

    StoreWarnings warnings;
    defaults->update(QStringLiteral("count"),
                     [](const std::optional<StoredValue>&) { return std::optional(StoredValue(qint64{1})); });
    EXPECT_FALSE(defaults->object(QStringLiteral("count")));
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("count")), 1) << StoreWarnings::all().toStdString();
    // The write's own message and extended code (SQLITE_CONSTRAINT_TRIGGER).
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("refused by the trigger (%1)").arg(SQLITE_CONSTRAINT_TRIGGER)),
              1)
        << StoreWarnings::all().toStdString();
}

} // namespace
