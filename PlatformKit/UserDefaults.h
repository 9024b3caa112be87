#pragma once

#include "PlatformKit/Date.h"

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
// store (none removes the key).
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
};

// A typed key-value store. Getters convert between numeric kinds the way a
// settings store is expected to: an absent or unconvertible value reads as
// false, 0 or none. Safe to use from any thread.
class UserDefaults {
public:
    explicit UserDefaults(std::unique_ptr<KeyValueBackend> backend);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    // The database at `path`, created when missing. A file that cannot be
    // opened or is not a healthy database is left untouched, and the store
    // falls back to this process's memory.
    static std::unique_ptr<UserDefaults> openFile(const QString& path);
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

    void update(const QString& key, const ValueChange& change);

    // False when this store fell back to process memory.
    bool isShared() const;

private:
    std::unique_ptr<KeyValueBackend> m_backend;
};

} // namespace platform
