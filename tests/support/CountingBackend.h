// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/store/UserDefaults.h"

#include <QHash>
#include <QMap>

#include <memory>

// A store in memory that counts the writes to each key, so tests can tell when
// something was saved.
class CountingBackend final : public platform::KeyValueBackend {
public:
    std::optional<platform::StoredValue> read(const QString& key) override
    {
        const auto it = values.constFind(key);
        return it == values.cend() ? std::nullopt : std::optional(*it);
    }
    void write(const QString& key, const platform::StoredValue& value) override
    {
        ++writes[key];
        values.insert(key, value);
    }
    void remove(const QString& key) override
    {
        ++writes[key];
        values.remove(key);
    }
    void update(const QString& key, const platform::ValueChange& change) override
    {
        const auto next = change(read(key));
        next ? write(key, *next) : remove(key);
    }
    bool isShared() const override { return false; }

    QMap<QString, platform::StoredValue> values;
    QHash<QString, int> writes;
};

// A store together with a view of its write counts.
struct CountingStore {
    CountingStore()
        : backend(new CountingBackend)
        , defaults(std::unique_ptr<platform::KeyValueBackend>(backend))
    {
    }
    int writes(const QString& key) const { return backend->writes.value(key); }

    CountingBackend* backend; // owned by `defaults`
    platform::UserDefaults defaults;
};
