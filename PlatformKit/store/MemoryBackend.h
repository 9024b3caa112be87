// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Private to PlatformKit (and its tests): the store of one process's memory.

#include "PlatformKit/store/UserDefaults.h"

#include <QHash>

#include <memory>
#include <mutex>

namespace platform::detail {

// A mutex-guarded map. Several backends may share one map: the fallback of
// `UserDefaults::openFile` is the one map of this process, so every store that
// could not open its file still sees the others' values, as the process's
// standard defaults would.
class MemoryBackend final : public KeyValueBackend {
public:
    struct Map {
        std::mutex mutex;
        QHash<QString, StoredValue> values;
    };

    // A new, empty map of its own.
    MemoryBackend();
    explicit MemoryBackend(std::shared_ptr<Map> map);

    // A backend over the process-wide fallback map.
    static std::unique_ptr<MemoryBackend> processFallback();

    std::optional<StoredValue> read(const QString& key) override;
    void write(const QString& key, const StoredValue& value) override;
    void remove(const QString& key) override;
    void update(const QString& key, const ValueChange& change) override;
    bool isShared() const override { return false; }

private:
    std::shared_ptr<Map> m_map;
};

} // namespace platform::detail
