// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/Date.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace platform {

// One typed value as the store keeps it.
using StoredValue = std::variant<bool, qint64, double, QString, QByteArray, Date>;

// Given the current value of a key (none when absent), returns the value to
// store (none removes the key). It runs while the store is locked against
// every other thread and process, so it must be quick and must not use the
// same store. It normally runs once; if the database refuses the step for a
// moment it runs again with the then-current value, and only the result of
// its last run is stored (nothing, when the store gives up waiting). An
// exception from it leaves the value unchanged and propagates.
using ValueChange = std::function<std::optional<StoredValue>(const std::optional<StoredValue>&)>;

// Where the values live: a database shared by both programs, or this process's
// memory when that cannot be opened.
class KeyValueBackend {
public:
    virtual ~KeyValueBackend() = default;
    virtual std::optional<StoredValue> read(const QString& key) = 0;
    virtual void write(const QString& key, const StoredValue& value) = 0;
    virtual void remove(const QString& key) = 0;
    // Read, change and write one key as a single step that no other process or
    // thread can interleave with.
    virtual void update(const QString& key, const ValueChange& change) = 0;
    virtual bool isShared() const = 0;
    // Why changes are not reaching the file just now; none while they are.
    virtual std::optional<QString> persistenceProblem() const { return std::nullopt; }
    // Called, on the thread that made the change, when a problem appears
    // where there was none.
    virtual void setOnPersistenceProblem(std::function<void(const QString& reason)> onProblem)
    {
        static_cast<void>(onProblem);
    }
};

// Why the changes of this run may be lost: the file and what is wrong with it.
struct PersistenceProblem {
    QString path;
    QString reason;
};

// A typed key-value store. Getters convert between numeric kinds the way a
// settings store is expected to: an absent or unconvertible value reads as
// false, 0 or none. Safe to use from any thread.
//
// The getters, value by value:
//   boolValue   true for bool true, a non-zero integer or double (not NaN),
//               and the strings "true", "yes" and "1" in any case.
//   integer     an integer; a double truncated towards zero, saturating at the
//               limits (NaN reads 0); bool 0 or 1; a string that is a number
//               in C-locale notation (blanks around it allowed): whole numbers
//               exactly, others truncated like doubles.
//   doubleValue a double; an integer; bool 0 or 1; a numeric string as above.
//   string      a string; an integer's or double's shortest decimal text
//               ("42", "0.1", "1e+300", "inf"); none for bool, data and dates.
//   data, date  only a value stored as data, or as a date.
// `object` and `setObject` give back and store a value exactly as it is.
//
// A read or write that the shared database refuses for a moment (the other
// program is writing) waits and tries again; it never reads as absent while it
// waits. The wait is bounded (about two seconds in all), so no call hangs on
// another program's long transaction: past it, a write is dropped and a read
// reads as absent, with a warning, as after a failure of the file.
//
// A file that can be read but not written (a read-only file or folder) is read
// as it is, nothing made beside it, and changes are kept in this process's
// memory over its values. A change that the file cannot take (a full disk) is
// kept in memory too and written with the next change. Either way the values
// read are this process's own, and `persistenceProblem()` says why they may
// not last.
class UserDefaults {
public:
    // A null backend is replaced by a new memory one.
    explicit UserDefaults(std::unique_ptr<KeyValueBackend> backend);
    // A store that belongs to the file at `path`; `fallbackReason` says why it
    // has had to fall back to `backend` in memory instead.
    UserDefaults(std::unique_ptr<KeyValueBackend> backend, QString path, std::optional<QString> fallbackReason);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    // The SQLite database at `path`, created (with its parent directories)
    // when missing. A file that cannot be opened or is not a healthy database
    // of this store is left untouched, and the store falls back to this
    // process's memory: one map for the whole process, shared by every
    // `openFile` store that fell back.
    static std::unique_ptr<UserDefaults> openFile(const QString& path);
    // A new, empty store of its own in memory (for tests and fakes).
    static std::unique_ptr<UserDefaults> inMemory();

    std::optional<StoredValue> object(const QString& key) const;
    bool boolValue(const QString& key) const;
    qint64 integer(const QString& key) const;
    double doubleValue(const QString& key) const;
    std::optional<QString> string(const QString& key) const;
    std::optional<QByteArray> data(const QString& key) const;
    // Only a value stored as a date reads as one.
    std::optional<Date> date(const QString& key) const;

    void setObject(const QString& key, const StoredValue& value);
    void setBool(const QString& key, bool value);
    void setInteger(const QString& key, qint64 value);
    void setDouble(const QString& key, double value);
    void setString(const QString& key, const QString& value);
    void setData(const QString& key, const QByteArray& value);
    void setDate(const QString& key, Date value);
    void remove(const QString& key);

    // Reads, changes and writes `key` as one step (see ValueChange): two
    // processes updating the same key at once never lose each other's change.
    void update(const QString& key, const ValueChange& change);

    // False when this store fell back to process memory.
    bool isShared() const;

    // Why this run's changes may not reach the store's file: it could not be
    // opened, it is read-only, or a write has failed and waits for the next;
    // none otherwise (and always for a store in memory by choice).
    std::optional<PersistenceProblem> persistenceProblem() const;
    // Called when a problem appears after the store was opened, on the thread
    // whose change met it; one that was there at opening is for the caller to
    // ask `persistenceProblem()`. An empty function stops the calls.
    void setOnPersistenceProblem(std::function<void(const PersistenceProblem&)> onProblem);

private:
    std::unique_ptr<KeyValueBackend> m_backend;
    QString m_path;
    std::optional<QString> m_fallbackReason;
};

} // namespace platform
