// SPDX-License-Identifier: GPL-3.0-or-later
// A store whose file cannot take the user's changes: read-only, full, a
// symbolic link. The user's own values are kept for the run, nothing is made
// beside a file that is only read, and the problem is said once.
#include "PlatformKit/store/SqliteBackend.h"
#include "PlatformKit/store/UserDefaults.h"

#include "support/StoreFiles.h"
#include "support/StoreWarnings.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using platform::StoredValue;
using platform::UserDefaults;
using platform::detail::SqliteOptions;
using platform::test::fileHash;
using platform::test::filesBeside;
using platform::test::queryOn;
using platform::test::StoreWarnings;

namespace {

struct ReaderRun {
    QStringList lines;
    int exitCode = -1;
};

// The store reader helper on `path`: reads `key`, sets it to `value`.
ReaderRun runReader(const QString& path, const QString& key, const QString& value)
{
    QProcess reader;
    reader.start(QStringLiteral(KELVANE_STORE_READER_HELPER), {path, key, value});
    ReaderRun run;
    if (!reader.waitForFinished(30000))
        return run;
    run.exitCode = reader.exitCode();
    run.lines = QString::fromLocal8Bit(reader.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (run.exitCode != 0)
        run.lines << QString::fromLocal8Bit(reader.readAllStandardError());
    return run;
}

void setMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
}

TEST(StoreProblems, AReadOnlyStoreIsReadAsItIsAndChangesStayInMemory)
{
    // The helper runs as nobody when this test runs as root, for whom no
    // file is read-only; the file and folder stay root's.
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* name;
        mode_t folder;
        mode_t file;
        const char* reason;
    };
    const Case cases[] = {
        {"read-only file", root ? 0777u : 0700u, root ? 0644u : 0444u, "the file is not writable"},
        {"read-only folder", root ? 0755u : 0500u, root ? 0666u : 0600u, "its folder is not writable"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("store.sqlite"));
        {
            const auto defaults = UserDefaults::openFile(path);
            ASSERT_TRUE(defaults->isShared());
            defaults->setString(QStringLiteral("theme"), QStringLiteral("mine from before"));
        }
        const std::string files = filesBeside(path);
        const std::string bytes = fileHash(path);
        setMode(path, c.file);
        setMode(dir.path(), c.folder);

        const auto run = runReader(path, QStringLiteral("theme"), QStringLiteral("changed now"));
        setMode(dir.path(), 0700);
        setMode(path, 0600);
        ASSERT_EQ(run.exitCode, 0) << run.lines.join('\n').toStdString();
        EXPECT_EQ(run.lines,
                  (QStringList{QStringLiteral("before mine from before"), QStringLiteral("after changed now"),
                               QStringLiteral("problem read-only: %1").arg(QLatin1String(c.reason))}));
        EXPECT_EQ(filesBeside(path), files) << "files were made beside a read-only store";
        EXPECT_EQ(fileHash(path), bytes);
    }
}

// A full disk, as SQLite sees it: the file may not grow past a few pages more.
class FullStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto other = UserDefaults::openFile(path);
        other->setData(QStringLiteral("filler"), QByteArray(24 * 1024, 'f'));
        SqliteOptions options;
        options.maxPageCount = std::stoi(queryOn(path, "PRAGMA page_count")) + 2;
        store = std::make_unique<UserDefaults>(platform::detail::openSqliteBackend(path, options), path, std::nullopt);
        ASSERT_TRUE(store->isShared());
        store->setOnPersistenceProblem([this](const platform::PersistenceProblem& problem) { told.append(problem); });
    }

    std::optional<StoredValue> inTheFile(const QString& key) const { return UserDefaults::openFile(path)->object(key); }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    std::unique_ptr<UserDefaults> store;
    QList<platform::PersistenceProblem> told;
};

TEST_F(FullStore, AWriteTheDiskCannotTakeIsKeptAndWrittenWithTheNext)
{
    StoreWarnings warnings;
    const QByteArray big(16 * 1024, 'b');
    store->setInteger(QStringLiteral("small"), 1);
    store->setData(QStringLiteral("big"), big);
    EXPECT_EQ(store->data(QStringLiteral("big")), big) << "the user's change is gone";
    EXPECT_FALSE(inTheFile(QStringLiteral("big")));
    ASSERT_TRUE(store->persistenceProblem());
    EXPECT_EQ(store->persistenceProblem()->path, path);
    EXPECT_TRUE(store->persistenceProblem()->reason.contains(QStringLiteral("full")))
        << store->persistenceProblem()->reason.toStdString();
    ASSERT_EQ(told.size(), 1);

    // Still full: later changes wait behind it, and nothing more is said.
    store->setInteger(QStringLiteral("small"), 2);
    store->update(QStringLiteral("small"), [](const std::optional<StoredValue>& current) {
        return std::optional(StoredValue(std::get<qint64>(*current) + 1));
    });
    store->remove(QStringLiteral("filler"));
    EXPECT_EQ(store->integer(QStringLiteral("small")), 3);
    EXPECT_FALSE(store->object(QStringLiteral("filler")));
    EXPECT_FALSE(inTheFile(QStringLiteral("big")));
    EXPECT_TRUE(inTheFile(QStringLiteral("filler")));
    EXPECT_EQ(told.size(), 1);
    EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("keeping changes in memory")), 1)
        << StoreWarnings::all().toStdString();

    // Room again (another program removed what filled it): the next change
    // writes everything kept.
    UserDefaults::openFile(path)->remove(QStringLiteral("filler"));
    store->setBool(QStringLiteral("next"), true);
    EXPECT_FALSE(store->persistenceProblem());
    EXPECT_EQ(inTheFile(QStringLiteral("big")), StoredValue(big));
    EXPECT_EQ(inTheFile(QStringLiteral("small")), StoredValue(qint64{3}));
    EXPECT_EQ(inTheFile(QStringLiteral("next")), StoredValue(true));
}

TEST(StoreProblems, ASymbolicLinkIsNotFollowed)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("elsewhere.sqlite"));
    const QString link = dir.filePath(QStringLiteral("store.sqlite"));
    struct Case {
        const char* name;
        bool targetExists;
    };
    for (const Case c : {Case{"to nothing", false}, Case{"to a store", true}}) {
        SCOPED_TRACE(c.name);
        QFile::remove(target);
        QFile::remove(link);
        if (c.targetExists)
            UserDefaults::openFile(target)->setInteger(QStringLiteral("k"), 1);
        const std::string before = c.targetExists ? fileHash(target) : std::string();
        ASSERT_TRUE(QFile::link(target, link));

        StoreWarnings warnings;
        const auto defaults = UserDefaults::openFile(link);
        defaults->setInteger(QStringLiteral("k"), 2);
        EXPECT_FALSE(defaults->isShared());
        ASSERT_TRUE(defaults->persistenceProblem());
        EXPECT_EQ(defaults->persistenceProblem()->path, link);
        EXPECT_EQ(StoreWarnings::mentioning(QStringLiteral("symbolic link")), 1) << StoreWarnings::all().toStdString();
        EXPECT_EQ(QFile::exists(target), c.targetExists);
        if (c.targetExists) {
            EXPECT_EQ(fileHash(target), before);
        }
    }
}

} // namespace
