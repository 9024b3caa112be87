// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/store/SqliteBackend.h"

#include "PlatformKit/core/Logging.h"
#include "PlatformKit/store/SqliteOwnership.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <mutex>
#include <string_view>
#include <thread>
#include <type_traits>
#include <variant>

#include <unistd.h>

namespace platform::detail {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* tagBool = "bool";
constexpr const char* tagInteger = "integer";
constexpr const char* tagDouble = "double";
constexpr const char* tagString = "string";
constexpr const char* tagData = "data";
constexpr const char* tagDate = "date";

// Failures that go away by themselves once another connection is done.
bool isTransient(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_BUSY: // includes SQLITE_BUSY_SNAPSHOT, SQLITE_BUSY_RECOVERY
    case SQLITE_LOCKED:
    case SQLITE_PROTOCOL:
        return true;
    default:
        return false;
    }
}

// Failures of the file itself to take a write: the change is kept for later.
bool isStorageFailure(int rc)
{
    switch (rc & 0xff) {
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return true;
    default:
        return false;
    }
}

// Why the existing file at `path` cannot be written; empty when it can. A
// journal or log is made beside the file, so its folder must be writable too.
QString whyNotWritable(const QString& path)
{
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return QStringLiteral("the file is not writable");
    if (::access(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), W_OK) != 0)
        return QStringLiteral("its folder is not writable");
    return {};
}

QString errorText(sqlite3* db, int rc)
{
    // The connection's own message is the more precise one, unless a later
    // step (a rollback) has replaced it.
    const char* message = db && sqlite3_extended_errcode(db) == rc ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(message)).arg(rc);
}

// What the bytes of the file say before SQLite sees it.
struct FileHeader {
    // Why it cannot be one of our databases; empty when it may be one.
    QString reason;
    // Missing or empty: a new database to SQLite.
    bool isNew = false;
    // The header asks for a write-ahead log.
    bool writeAheadLog = false;
};

FileHeader readHeader(const QString& path)
{
    const QFileInfo info(path);
    // Followed, a link would make the store wherever it points.
    if (info.isSymLink())
        return {.reason = QStringLiteral("a symbolic link, not followed")};
    if (!info.exists())
        return {.isNew = true};
    if (!info.isFile())
        return {.reason = QStringLiteral("not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {.reason = QStringLiteral("cannot be read: %1").arg(file.errorString())};
    if (file.size() == 0)
        return {.isNew = true};
    const QByteArray header = file.read(100);
    if (header.size() < 100)
        return {.reason = QStringLiteral("shorter than a database header")};
    static constexpr char magic[] = "SQLite format 3";
    if (std::memcmp(header.constData(), magic, sizeof magic) != 0)
        return {.reason = QStringLiteral("not an SQLite database")};
    const auto byte = [&](int i) { return static_cast<unsigned>(static_cast<unsigned char>(header[i])); };
    const unsigned pageSize = (byte(16) << 8) | byte(17);
    const bool powerOfTwo = pageSize == 1 || (pageSize >= 512 && (pageSize & (pageSize - 1)) == 0);
    if (!powerOfTwo)
        return {.reason = QStringLiteral("bad page size in the database header")};
    // The file format's write and read versions: 2 for a write-ahead log.
    return {.writeAheadLog = byte(18) == 2 || byte(19) == 2};
}

// Whether a file judged `ownership` may serve as the store: an empty one only
// when it was new, not when another program left it so.
bool mayClaim(Ownership ownership, bool isNew)
{
    return ownership == Ownership::Ours || ownership == Ownership::EarlierBuild
        || (ownership == Ownership::Blank && isNew);
}

QString notOurs(Ownership ownership, const QString& why)
{
    if (ownership == Ownership::Blank)
        return QStringLiteral("not a store of ours: an empty database of another program");
    return QStringLiteral("not a store of ours: %1").arg(why);
}

// Closes a connection, its statements finalized before.
struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

class Statement {
public:
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { finalize(); }

    void finalize()
    {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }

    int prepare(sqlite3* db, const char* sql)
    {
        finalize();
        return sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr);
    }
    sqlite3_stmt* get() const { return m_stmt; }
    // Leaves the statement ready for the next use, bindings cleared.
    void reset() const
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

void bindText(sqlite3_stmt* stmt, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void bindValue(sqlite3_stmt* stmt, int typeIndex, int valueIndex, const StoredValue& value)
{
    const auto tag = [&](const char* name) { sqlite3_bind_text(stmt, typeIndex, name, -1, SQLITE_STATIC); };
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>) {
                tag(tagBool);
                sqlite3_bind_int64(stmt, valueIndex, v ? 1 : 0);
            } else if constexpr (std::is_same_v<T, qint64>) {
                tag(tagInteger);
                sqlite3_bind_int64(stmt, valueIndex, v);
            } else if constexpr (std::is_same_v<T, double>) {
                tag(tagDouble);
                sqlite3_bind_double(stmt, valueIndex, v);
            } else if constexpr (std::is_same_v<T, QString>) {
                tag(tagString);
                bindText(stmt, valueIndex, v);
            } else if constexpr (std::is_same_v<T, QByteArray>) {
                tag(tagData);
                if (v.isEmpty())
                    sqlite3_bind_zeroblob(stmt, valueIndex, 0); // a null pointer would bind NULL
                else
                    sqlite3_bind_blob(stmt, valueIndex, v.constData(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
            } else {
                static_assert(std::is_same_v<T, Date>);
                tag(tagDate);
                sqlite3_bind_double(stmt, valueIndex, v.secondsSinceReferenceDate());
            }
        },
        value);
}

double realColumn(sqlite3_stmt* stmt, int index)
{
    // SQLite stores a NaN as NULL.
    if (sqlite3_column_type(stmt, index) == SQLITE_NULL)
        return std::numeric_limits<double>::quiet_NaN();
    return sqlite3_column_double(stmt, index);
}

std::optional<StoredValue> columnValue(sqlite3_stmt* stmt, int typeIndex, int valueIndex)
{
    const auto* typeText = reinterpret_cast<const char*>(sqlite3_column_text(stmt, typeIndex));
    if (!typeText)
        return std::nullopt;
    const std::string_view type(typeText);
    if (type == tagBool)
        return StoredValue(sqlite3_column_int64(stmt, valueIndex) != 0);
    if (type == tagInteger)
        return StoredValue(static_cast<qint64>(sqlite3_column_int64(stmt, valueIndex)));
    if (type == tagDouble)
        return StoredValue(realColumn(stmt, valueIndex));
    if (type == tagDate)
        return StoredValue(Date::fromSecondsSinceReferenceDate(realColumn(stmt, valueIndex)));
    if (type == tagString) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, valueIndex));
        const int size = sqlite3_column_bytes(stmt, valueIndex);
        return StoredValue(QString::fromUtf8(text ? text : "", size));
    }
    if (type == tagData) {
        const auto* blob = static_cast<const char*>(sqlite3_column_blob(stmt, valueIndex));
        const int size = sqlite3_column_bytes(stmt, valueIndex);
        return StoredValue(blob ? QByteArray(blob, size) : QByteArray());
    }
    return std::nullopt; // a type of a later version
}

class SqliteBackend final : public KeyValueBackend {
public:
    SqliteBackend(QString path, const SqliteOptions& options)
        : m_path(std::move(path))
        , m_options(options)
    {
    }
    ~SqliteBackend() override;

    // Empty on success, else why the file cannot serve.
    QString open();

    std::optional<StoredValue> read(const QString& key) override;
    void write(const QString& key, const StoredValue& value) override;
    void remove(const QString& key) override;
    void update(const QString& key, const ValueChange& change) override;
    bool isShared() const override { return true; }
    std::optional<QString> persistenceProblem() const override;
    void setOnPersistenceProblem(std::function<void(const QString&)> onProblem) override;
    // Why the file is read and not written; empty when it is written.
    const QString& readOnlyReason() const { return m_readOnlyReason; }

private:
    enum class Outcome { Done, Retry, Failed };

    // SQLite's busy handler: waits for the lock in short pauses, for at most
    // the busy timeout within one step and never past the deadline.
    static int onBusy(void* backend, int earlierCalls);
    // Starts the time a call (or the opening) may take in total.
    void startDeadline(std::chrono::milliseconds allowed) { m_deadline = Clock::now() + allowed; }
    // Whether a step that failed with `rc` is to be tried again: true, after
    // a short pause, for a transient failure before the deadline.
    bool retryAfter(int rc) const;
    // One step of a statement that returns no rows, then reset.
    int stepOnce(const Statement& statement);
    // Runs `statement` until it is not transiently refused or the deadline
    // has passed; false on failure.
    bool stepRetrying(const Statement& statement, const char* what, const QString& key);
    Outcome readLocked(const QString& key, std::optional<StoredValue>& result, int& rc);
    int writeLocked(const QString& key, const std::optional<StoredValue>& value);
    // Writes or removes `key` until done, refused for a moment past the
    // deadline, or failed; the last step's result code.
    int writeRetryingLocked(const QString& key, const std::optional<StoredValue>& value);
    // Sets or removes `key` (`what` names the step in a warning): the changes
    // kept from earlier first, then this one; one the file cannot take is
    // kept. True when the caller is to announce a new problem.
    bool changeLocked(const char* what, const QString& key, const std::optional<StoredValue>& value);
    // Writes the changes kept in memory; false when one still fails.
    bool flushLocked(int& rc, QString& failedKey);
    // Keeps `value` for `key` in memory; true when the problem is new.
    bool keepLocked(const QString& key, const std::optional<StoredValue>& value, const QString& reason);
    std::optional<StoredValue> readRetryingLocked(const QString& key);
    // The update's steps; see update().
    bool updateLocked(const QString& key, const ValueChange& change);
    void updateInFileLocked(const QString& key, const ValueChange& change,
                            std::optional<std::optional<StoredValue>>& computed, QString& storageError);
    // Announces a new problem, outside the lock.
    void announce(bool isNew);
    void rollbackLocked();
    // `error` is the failed step's message, when a later step (a rollback)
    // has replaced the connection's own.
    void warn(const char* what, const QString& key, int rc, const QString& error = {}) const;

    // Setting up, with transient failures retried until the deadline.
    int execRetrying(const char* sql);
    int queryTextRetrying(sqlite3* db, const char* sql, QByteArray& firstColumn);
    // Opens `name` with `flags` into `db` (set even on failure, for the caller
    // to close), its waiting for locks bounded by the deadline, and reads its
    // schema. Empty on success, else why it failed.
    QString connect(const QByteArray& name, int flags, sqlite3*& db);
    // Empty when the existing file at m_path, looked at read-only and without a
    // file made beside it, is a healthy database of ours.
    QString probe(const FileHeader& header, Connection& kept);
    // Empty when the open file is ours to use; marks a new file (`isNew`) and
    // one of an earlier build as ours.
    QString claim(bool isNew);

    const QString m_path;
    const SqliteOptions m_options;
    mutable std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    // When the current call gives up waiting for a lock, and when SQLite's
    // busy handler began waiting in the current step. Used under m_mutex.
    Clock::time_point m_deadline;
    Clock::time_point m_busySince;
    Statement m_select;
    Statement m_upsert;
    Statement m_delete;
    Statement m_begin;
    Statement m_commit;
    Statement m_rollback;
    // Why the file is only read; changes then all stay in m_unsaved.
    QString m_readOnlyReason;
    // Changes not yet in the file (none: removed), read in place of its values.
    QHash<QString, std::optional<StoredValue>> m_unsaved;
    std::optional<QString> m_problem;
    std::function<void(const QString&)> m_onProblem;
};

SqliteBackend::~SqliteBackend()
{
    for (Statement* statement : {&m_select, &m_upsert, &m_delete, &m_begin, &m_commit, &m_rollback})
        statement->finalize();
    sqlite3_close_v2(m_db);
}

int SqliteBackend::onBusy(void* backend, int earlierCalls)
{
    auto* self = static_cast<SqliteBackend*>(backend);
    const auto now = Clock::now();
    if (earlierCalls == 0)
        self->m_busySince = now;
    const auto until = std::min(self->m_busySince + self->m_options.busyTimeout, self->m_deadline);
    if (now >= until)
        return 0; // the step returns busy
    std::this_thread::sleep_for(std::min<Clock::duration>(self->m_options.retryPause, until - now));
    return 1; // SQLite looks at the lock again
}

bool SqliteBackend::retryAfter(int rc) const
{
    if (!isTransient(rc))
        return false;
    const auto left = m_deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return false;
    std::this_thread::sleep_for(std::min<Clock::duration>(m_options.retryPause, left));
    return true;
}

int SqliteBackend::execRetrying(const char* sql)
{
    for (;;) {
        const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
        if (!retryAfter(rc))
            return rc;
    }
}

int SqliteBackend::queryTextRetrying(sqlite3* db, const char* sql, QByteArray& firstColumn)
{
    Statement statement;
    for (;;) {
        int rc = statement.get() ? SQLITE_OK : statement.prepare(db, sql);
        if (rc == SQLITE_OK) {
            rc = sqlite3_step(statement.get());
            if (rc == SQLITE_ROW) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
                firstColumn = QByteArray(text ? text : "");
                statement.reset();
                return SQLITE_OK;
            }
            statement.reset();
            if (rc == SQLITE_DONE) {
                firstColumn.clear();
                return SQLITE_OK;
            }
        }
        if (!retryAfter(rc))
            return rc;
    }
}

QString SqliteBackend::connect(const QByteArray& name, int flags, sqlite3*& db)
{
    int rc = sqlite3_open_v2(name.constData(), &db, flags | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_NOFOLLOW, nullptr);
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot open: %1").arg(errorText(db, rc));
    sqlite3_extended_result_codes(db, 1);
    // Until the file has proven ours, closing must not write to it.
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_busy_handler(db, &SqliteBackend::onBusy, this);
    // Reading the schema reads the header and the first page: "file is not a
    // database" shows here.
    QByteArray answer;
    rc = queryTextRetrying(db, "SELECT count(*) FROM sqlite_master", answer);
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot read: %1").arg(errorText(db, rc));
    return {};
}

QString SqliteBackend::probe(const FileHeader& header, Connection& kept)
{
    // A log that another connection still uses must be read for the file's
    // true state, through its shared memory, which then exists. Otherwise the
    // file alone holds everything, and is read immutable: nothing is made
    // beside it and no journal mode can change.
    const bool logInUse = header.writeAheadLog && QFile::exists(m_path + QStringLiteral("-wal"))
        && QFile::exists(m_path + QStringLiteral("-shm"));
    const bool immutable = header.writeAheadLog && !logInUse;
    sqlite3* raw = nullptr;
    const QString failure = connect(readOnlyUri(m_path, immutable), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, raw);
    Connection db(raw);
    if (!failure.isEmpty())
        return failure;

    QByteArray answer;
    int rc = queryTextRetrying(raw, "PRAGMA quick_check(1)", answer);
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot check: %1").arg(errorText(raw, rc));
    if (answer != "ok")
        return QStringLiteral("damaged: %1").arg(QString::fromUtf8(answer));

    Ownership ownership = Ownership::Foreign;
    QString why;
    rc = judgeOwnership([&](const char* sql, QByteArray& text) { return queryTextRetrying(raw, sql, text); }, ownership,
                        why);
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot read the schema: %1").arg(errorText(raw, rc));
    if (!mayClaim(ownership, false))
        return notOurs(ownership, why);
    kept = std::move(db);
    return {};
}

QString SqliteBackend::claim(bool isNew)
{
    const auto judge = [this](Ownership& ownership, QString& why) {
        return judgeOwnership([this](const char* sql, QByteArray& text) { return queryTextRetrying(m_db, sql, text); },
                              ownership, why);
    };
    Ownership ownership = Ownership::Foreign;
    QString why;
    int rc = judge(ownership, why);
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot read the schema: %1").arg(errorText(m_db, rc));
    if (ownership == Ownership::Ours)
        return {};
    if (!mayClaim(ownership, isNew))
        return notOurs(ownership, why);

    // The mark is set under the write lock, and the file judged again there:
    // the other program may be setting up the same file.
    rc = execRetrying("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot take the write lock: %1").arg(errorText(m_db, rc));
    rc = judge(ownership, why);
    const bool claimed = rc == SQLITE_OK && mayClaim(ownership, isNew);
    if (claimed && ownership != Ownership::Ours) {
        const QByteArray mark = "PRAGMA application_id = " + QByteArray::number(storeApplicationId);
        rc = execRetrying(mark.constData());
        if (rc == SQLITE_OK && ownership == Ownership::Blank)
            rc = execRetrying(entriesTableSql);
    }
    if (claimed && rc == SQLITE_OK)
        rc = execRetrying("COMMIT");
    if (claimed && rc == SQLITE_OK)
        return {};
    const QString error = errorText(m_db, rc);
    if (!sqlite3_get_autocommit(m_db))
        execRetrying("ROLLBACK");
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot mark the file as ours: %1").arg(error);
    return notOurs(ownership, why);
}

QString SqliteBackend::open()
{
    // A file of other bytes is judged before SQLite opens it, so nothing (not
    // even a journal beside it) is made for it. A database being created by
    // the other program can look short for an instant: look again first.
    FileHeader header = readHeader(m_path);
    for (int attempt = 0; !header.reason.isEmpty() && attempt < 3; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        header = readHeader(m_path);
    }
    if (!header.reason.isEmpty())
        return header.reason;

    // Set before any step: SQLite's own waiting counts towards the deadline.
    startDeadline(m_options.openDeadline);
    // An existing file is judged read-only first, so a foreign or damaged
    // one is never written to.
    if (!header.isNew) {
        Connection readOnly;
        const QString reason = probe(header, readOnly);
        if (!reason.isEmpty())
            return reason;
        // A file that is ours but cannot be written is read through the
        // probe's connection, which makes nothing beside it.
        if (m_readOnlyReason = whyNotWritable(m_path); !m_readOnlyReason.isEmpty()) {
            m_db = readOnly.release();
            int rc = SQLITE_OK;
            do {
                rc = m_select.prepare(m_db, "SELECT type, value FROM entries WHERE key = ?1");
            } while (retryAfter(rc));
            if (rc != SQLITE_OK)
                return QStringLiteral("not a store of ours: %1").arg(errorText(m_db, rc));
            m_problem = QStringLiteral("read-only: %1").arg(m_readOnlyReason);
            return {};
        }
    }

    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot create the directory %1").arg(info.absolutePath());

    if (const QString failure = connect(QFile::encodeName(m_path), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, m_db);
        !failure.isEmpty())
        return failure;
    if (sqlite3_db_readonly(m_db, "main") == 1)
        return QStringLiteral("read-only");
    if (const QString reason = claim(header.isNew); !reason.isEmpty())
        return reason;

    QByteArray answer;
    int rc = queryTextRetrying(m_db, m_options.writeAheadLog ? "PRAGMA journal_mode=WAL" : "PRAGMA journal_mode=DELETE",
                               answer);
    if (rc != SQLITE_OK)
        return QStringLiteral("cannot set the journal mode: %1").arg(errorText(m_db, rc));
    if (answer == "wal") {
        // Safe with a write-ahead log: a power cut may lose the last changes,
        // never the database.
        execRetrying("PRAGMA synchronous=NORMAL");
    }
    if (m_options.maxPageCount) {
        const QByteArray limit = "PRAGMA max_page_count = " + QByteArray::number(*m_options.maxPageCount);
        queryTextRetrying(m_db, limit.constData(), answer);
    }

    const std::pair<Statement*, const char*> statements[] = {
        {&m_select, "SELECT type, value FROM entries WHERE key = ?1"},
        {&m_upsert, "INSERT OR REPLACE INTO entries (key, type, value) VALUES (?1, ?2, ?3)"},
        {&m_delete, "DELETE FROM entries WHERE key = ?1"},
        {&m_begin, "BEGIN IMMEDIATE"},
        {&m_commit, "COMMIT"},
        {&m_rollback, "ROLLBACK"},
    };
    for (const auto& [statement, sql] : statements) {
        do {
            rc = statement->prepare(m_db, sql);
        } while (retryAfter(rc));
        if (rc != SQLITE_OK)
            return QStringLiteral("not a store of ours: %1").arg(errorText(m_db, rc));
    }
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    return {};
}

void SqliteBackend::warn(const char* what, const QString& key, int rc, const QString& error) const
{
    const QString gaveUp
        = isTransient(rc) ? QStringLiteral("; gave up after %1 ms").arg(m_options.accessDeadline.count()) : QString();
    qCWarning(lcStore).noquote() << "Shared store" << m_path << "could not" << what << key << ":"
                                 << (error.isEmpty() ? errorText(m_db, rc) : error) + gaveUp;
}

int SqliteBackend::stepOnce(const Statement& statement)
{
    int rc = sqlite3_step(statement.get());
    statement.reset();
    return rc == SQLITE_ROW ? SQLITE_DONE : rc;
}

bool SqliteBackend::stepRetrying(const Statement& statement, const char* what, const QString& key)
{
    for (;;) {
        const int rc = stepOnce(statement);
        if (rc == SQLITE_DONE || rc == SQLITE_OK)
            return true;
        if (!retryAfter(rc)) {
            warn(what, key, rc);
            return false;
        }
    }
}

SqliteBackend::Outcome SqliteBackend::readLocked(const QString& key, std::optional<StoredValue>& result, int& rc)
{
    bindText(m_select.get(), 1, key);
    rc = sqlite3_step(m_select.get());
    Outcome outcome = Outcome::Done;
    if (rc == SQLITE_ROW)
        result = columnValue(m_select.get(), 0, 1);
    else if (rc == SQLITE_DONE)
        result.reset();
    else
        outcome = isTransient(rc) ? Outcome::Retry : Outcome::Failed;
    m_select.reset();
    return outcome;
}

int SqliteBackend::writeLocked(const QString& key, const std::optional<StoredValue>& value)
{
    if (value) {
        bindText(m_upsert.get(), 1, key);
        bindValue(m_upsert.get(), 2, 3, *value);
        return stepOnce(m_upsert);
    }
    bindText(m_delete.get(), 1, key);
    return stepOnce(m_delete);
}

void SqliteBackend::rollbackLocked()
{
    if (!sqlite3_get_autocommit(m_db))
        stepOnce(m_rollback);
}

std::optional<StoredValue> SqliteBackend::read(const QString& key)
{
    const std::lock_guard lock(m_mutex);
    if (const auto it = m_unsaved.constFind(key); it != m_unsaved.cend())
        return *it;
    startDeadline(m_options.accessDeadline);
    return readRetryingLocked(key);
}

std::optional<StoredValue> SqliteBackend::readRetryingLocked(const QString& key)
{
    std::optional<StoredValue> result;
    int rc = SQLITE_OK;
    for (;;) {
        if (readLocked(key, result, rc) == Outcome::Done)
            return result;
        if (!retryAfter(rc)) {
            warn("read", key, rc);
            return std::nullopt;
        }
    }
}

int SqliteBackend::writeRetryingLocked(const QString& key, const std::optional<StoredValue>& value)
{
    for (;;) {
        const int rc = writeLocked(key, value);
        if (rc == SQLITE_DONE || !retryAfter(rc))
            return rc;
    }
}

bool SqliteBackend::keepLocked(const QString& key, const std::optional<StoredValue>& value, const QString& reason)
{
    m_unsaved.insert(key, value);
    if (m_problem)
        return false;
    m_problem = reason;
    return true;
}

bool SqliteBackend::flushLocked(int& rc, QString& failedKey)
{
    rc = SQLITE_DONE;
    for (auto it = m_unsaved.begin(); it != m_unsaved.end();) {
        rc = writeRetryingLocked(it.key(), it.value());
        if (rc != SQLITE_DONE) {
            failedKey = it.key();
            return false;
        }
        it = m_unsaved.erase(it);
    }
    if (m_problem) {
        qCWarning(lcStore).noquote() << "Shared store" << m_path << "takes changes again";
        m_problem.reset();
    }
    return true;
}

bool SqliteBackend::changeLocked(const char* what, const QString& key, const std::optional<StoredValue>& value)
{
    if (!m_readOnlyReason.isEmpty()) {
        m_unsaved.insert(key, value);
        return false;
    }
    int rc = SQLITE_DONE;
    QString failedKey;
    // While an earlier change waits, this one waits behind it, so the file
    // never holds a later value under an earlier one.
    if (!flushLocked(rc, failedKey)) {
        if (!isStorageFailure(rc))
            warn("write", failedKey, rc);
        m_unsaved.insert(key, value);
        return false;
    }
    rc = writeRetryingLocked(key, value);
    if (rc == SQLITE_DONE)
        return false;
    if (!isStorageFailure(rc)) {
        warn(what, key, rc);
        return false;
    }
    const QString reason = errorText(m_db, rc);
    const bool isNew = keepLocked(key, value, reason);
    if (isNew) {
        qCWarning(lcStore).noquote() << "Shared store" << m_path << "could not" << what << key << ":" << reason
                                     << "- keeping changes in memory until it takes them";
    }
    return isNew;
}

void SqliteBackend::announce(bool isNew)
{
    if (!isNew)
        return;
    std::function<void(const QString&)> onProblem;
    QString reason;
    {
        const std::lock_guard lock(m_mutex);
        onProblem = m_onProblem;
        reason = m_problem.value_or(QString());
    }
    if (onProblem)
        onProblem(reason);
}

void SqliteBackend::write(const QString& key, const StoredValue& value)
{
    bool isNew = false;
    {
        const std::lock_guard lock(m_mutex);
        startDeadline(m_options.accessDeadline);
        isNew = changeLocked("write", key, value);
    }
    announce(isNew);
}

void SqliteBackend::remove(const QString& key)
{
    bool isNew = false;
    {
        const std::lock_guard lock(m_mutex);
        startDeadline(m_options.accessDeadline);
        isNew = changeLocked("remove", key, std::nullopt);
    }
    announce(isNew);
}

std::optional<QString> SqliteBackend::persistenceProblem() const
{
    const std::lock_guard lock(m_mutex);
    return m_problem;
}

void SqliteBackend::setOnPersistenceProblem(std::function<void(const QString&)> onProblem)
{
    const std::lock_guard lock(m_mutex);
    m_onProblem = std::move(onProblem);
}

void SqliteBackend::update(const QString& key, const ValueChange& change)
{
    bool isNew = false;
    {
        const std::lock_guard lock(m_mutex);
        startDeadline(m_options.accessDeadline);
        isNew = updateLocked(key, change);
    }
    announce(isNew);
}

bool SqliteBackend::updateLocked(const QString& key, const ValueChange& change)
{
    int rc = SQLITE_DONE;
    QString failedKey;
    if (m_readOnlyReason.isEmpty() && flushLocked(rc, failedKey)) {
        std::optional<std::optional<StoredValue>> computed;
        QString storageError;
        updateInFileLocked(key, change, computed, storageError);
        if (storageError.isEmpty())
            return false;
        const bool isNew = keepLocked(key, *computed, storageError);
        if (isNew) {
            qCWarning(lcStore).noquote() << "Shared store" << m_path << "could not update" << key << ":" << storageError
                                         << "- keeping changes in memory until it takes them";
        }
        return isNew;
    }
    if (m_readOnlyReason.isEmpty() && !isStorageFailure(rc))
        warn("write", failedKey, rc);
    // In memory, over the file's value or an earlier change kept here.
    std::optional<StoredValue> current;
    if (const auto it = m_unsaved.constFind(key); it != m_unsaved.cend())
        current = *it;
    else
        current = readRetryingLocked(key);
    const auto next = change(current);
    if (next != current)
        m_unsaved.insert(key, next);
    return false;
}

void SqliteBackend::updateInFileLocked(const QString& key, const ValueChange& change,
                                       std::optional<std::optional<StoredValue>>& computed, QString& storageError)
{
    // Ends the transaction after a step failed with `rc`: true when the
    // update is to be tried again, else false with a warning that names the
    // step's own error, which the rollback replaces on the connection. A
    // change the file cannot take is left for the caller to keep.
    const auto rolledBackForRetry = [&](int rc, const char* what) {
        const QString error = errorText(m_db, rc);
        rollbackLocked();
        if (retryAfter(rc))
            return true;
        if (computed && isStorageFailure(rc)) {
            storageError = error;
            return false;
        }
        warn(what, key, rc, error);
        return false;
    };
    for (;;) {
        computed.reset();
        // The write lock first, so no other writer can come between the read
        // and the write and the snapshot read below is the newest.
        if (!stepRetrying(m_begin, "begin updating", key))
            return;

        std::optional<StoredValue> current;
        int rc = SQLITE_OK;
        if (readLocked(key, current, rc) != Outcome::Done) {
            if (!rolledBackForRetry(rc, "read for updating"))
                return;
            continue;
        }

        try {
            computed = change(current);
        } catch (...) {
            rollbackLocked();
            throw;
        }
        if (*computed == current) {
            // Nothing to write: end the transaction without touching the file.
            rollbackLocked();
            return;
        }

        rc = writeLocked(key, *computed);
        if (rc != SQLITE_DONE) {
            if (!rolledBackForRetry(rc, "write for updating"))
                return;
            continue;
        }

        for (;;) {
            rc = stepOnce(m_commit);
            if (rc == SQLITE_DONE)
                return;
            // A busy COMMIT (readers of a rollback journal) keeps the
            // transaction open and can simply be tried again.
            if (sqlite3_get_autocommit(m_db) || !retryAfter(rc))
                break;
        }
        if (!rolledBackForRetry(rc, "commit"))
            return;
    }
}

} // namespace

std::unique_ptr<KeyValueBackend> openSqliteBackend(const QString& path, const SqliteOptions& options, QString* failure)
{
    auto backend = std::make_unique<SqliteBackend>(path, options);
    const QString reason = backend->open();
    if (!reason.isEmpty()) {
        qCWarning(lcStore).noquote() << "Shared store" << path << reason << "- keeping this process's values in memory";
        if (failure)
            *failure = reason;
        return nullptr;
    }
    if (!backend->readOnlyReason().isEmpty()) {
        qCWarning(lcStore).noquote() << "Shared store" << path << "is read-only:" << backend->readOnlyReason()
                                     << "- reading it and keeping changes in memory";
    }
    return backend;
}

} // namespace platform::detail
