// SPDX-License-Identifier: GPL-3.0-or-later
// Which database files the store takes as its own: the ones it creates and
// the ones earlier builds made. Any other database, however like ours, is
// refused without a byte of it or a file beside it changed, and the store
// keeps its values in this process's memory.
#include "PlatformKit/store/UserDefaults.h"
#include "support/StoreFiles.h"
#include "support/StoredCounter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using platform::StoredValue;
using platform::UserDefaults;
using platform::test::execOn;
using platform::test::fileHash;
using platform::test::filesBeside;
using platform::test::incremented;
using platform::test::queryOn;
using platform::test::RawConnection;

namespace {

// The ASCII of "KLVN": changing it would disown every existing store.
constexpr const char* ourApplicationId = "1263294030";

// The table as every build so far has created it.
constexpr const char* ourTable = "CREATE TABLE entries (key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value);";

QString storePath(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("store.sqlite"));
}

struct ForeignFile {
    const char* what;
    std::string sql;
};

const ForeignFile foreignFiles[] = {
    {"another program's table",
     "CREATE TABLE notes (id INTEGER PRIMARY KEY, body TEXT); INSERT INTO notes (body) VALUES ('keep me');"},
    {"another program's table, write-ahead log",
     "PRAGMA journal_mode=WAL; CREATE TABLE notes (body TEXT); INSERT INTO notes VALUES ('keep me');"},
    {"an entries table with an extra NOT NULL column",
     "CREATE TABLE entries (key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value, owner TEXT NOT NULL);"},
    {"an entries table of other columns", "CREATE TABLE entries (a, b); INSERT INTO entries VALUES (1, 2);"},
    {"an entries table with a CHECK",
     "CREATE TABLE entries (key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value, CHECK (type <> 'integer'));"},
    {"our table with a trigger",
     std::string(ourTable)
         + "CREATE TRIGGER refuse BEFORE INSERT ON entries BEGIN SELECT RAISE(ABORT, 'not yours'); END;"},
    {"our table beside another", std::string(ourTable) + "CREATE TABLE notes (body TEXT);"},
    {"our table with an index", std::string(ourTable) + "CREATE INDEX by_type ON entries (type);"},
    {"our table under another application id", std::string("PRAGMA application_id = 7;") + ourTable},
    {"another program's empty database", "PRAGMA user_version = 3;"},
};

TEST(SqliteOwnership, ForeignDatabasesAreLeftAloneAndTheStoreKeepsValuesInMemory)
{
    for (const auto& foreign : foreignFiles) {
        SCOPED_TRACE(foreign.what);
        QTemporaryDir dir;
        const QString path = storePath(dir);
        execOn(path, foreign.sql.c_str());
        const std::string before = fileHash(path);
        ASSERT_EQ(filesBeside(path), "store.sqlite");
        {
            const auto defaults = UserDefaults::openFile(path);
            EXPECT_FALSE(defaults->isShared());
            defaults->setInteger(QStringLiteral("ownership.count"), 5);
            defaults->update(QStringLiteral("ownership.count"), incremented);
            EXPECT_EQ(defaults->integer(QStringLiteral("ownership.count")), 6);
            defaults->remove(QStringLiteral("ownership.count"));
            EXPECT_EQ(fileHash(path), before);
        }
        EXPECT_EQ(fileHash(path), before);
        EXPECT_EQ(filesBeside(path), "store.sqlite");
    }
}

TEST(SqliteOwnership, ForeignDatabaseInUseKeepsItsLogAndItsData)
{
    QTemporaryDir dir;
    const QString path = storePath(dir);
    // The other program has the file open in write-ahead mode, its last
    // change still only in the log.
    auto other = std::make_optional<RawConnection>(path);
    ASSERT_EQ(other->exec("PRAGMA journal_mode=WAL; CREATE TABLE notes (body TEXT);"
                          "INSERT INTO notes VALUES ('in the log');"),
              SQLITE_OK);
    const std::string files = filesBeside(path);
    ASSERT_EQ(files, "store.sqlite store.sqlite-shm store.sqlite-wal");
    const std::string before = fileHash(path);

    EXPECT_FALSE(UserDefaults::openFile(path)->isShared());

    EXPECT_EQ(fileHash(path), before);
    EXPECT_EQ(filesBeside(path), files);
    other.reset();
    EXPECT_EQ(queryOn(path, "SELECT body FROM notes"), "in the log");
}

TEST(SqliteOwnership, NewFileCarriesOurApplicationId)
{
    QTemporaryDir dir;
    const QString path = storePath(dir);
    UserDefaults::openFile(path)->setInteger(QStringLiteral("k"), 1);
    EXPECT_EQ(queryOn(path, "PRAGMA application_id"), ourApplicationId);
    EXPECT_EQ(queryOn(path, "PRAGMA journal_mode"), "wal");
    EXPECT_TRUE(UserDefaults::openFile(path)->isShared());
}

TEST(SqliteOwnership, FileOfAnEarlierBuildIsTakenAndStamped)
{
    // Earlier builds set the log up first and had no application id; the
    // other program of such a build may still have the file open.
    for (const bool stillOpen : {false, true}) {
        SCOPED_TRACE(stillOpen ? "still open elsewhere" : "closed");
        QTemporaryDir dir;
        const QString path = storePath(dir);
        auto earlier = std::make_optional<RawConnection>(path);
        ASSERT_EQ(earlier->exec("PRAGMA journal_mode=WAL;"
                                "CREATE TABLE IF NOT EXISTS entries ("
                                "key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value);"
                                "INSERT INTO entries VALUES ('count', 'integer', 41);"),
                  SQLITE_OK);
        if (!stillOpen)
            earlier.reset();
        {
            const auto defaults = UserDefaults::openFile(path);
            EXPECT_TRUE(defaults->isShared());
            EXPECT_EQ(defaults->integer(QStringLiteral("count")), 41);
            defaults->update(QStringLiteral("count"), incremented);
        }
        earlier.reset();
        EXPECT_EQ(queryOn(path, "PRAGMA application_id"), ourApplicationId);
        EXPECT_EQ(queryOn(path, "SELECT value FROM entries WHERE key = 'count'"), "42");
    }
}

} // namespace
