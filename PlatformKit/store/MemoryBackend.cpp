// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/store/MemoryBackend.h"

namespace platform::detail {

MemoryBackend::MemoryBackend()
    : m_map(std::make_shared<Map>())
{
}

MemoryBackend::MemoryBackend(std::shared_ptr<Map> map)
    : m_map(std::move(map))
{
}

std::unique_ptr<MemoryBackend> MemoryBackend::processFallback()
{
    // Created once, even when first used from two threads. Every backend holds
    // its own reference, so the order of static destruction does not matter.
    static const auto map = std::make_shared<Map>();
    return std::make_unique<MemoryBackend>(map);
}

std::optional<StoredValue> MemoryBackend::read(const QString& key)
{
    const std::lock_guard lock(m_map->mutex);
    const auto it = m_map->values.constFind(key);
    if (it == m_map->values.cend())
        return std::nullopt;
    return *it;
}

void MemoryBackend::write(const QString& key, const StoredValue& value)
{
    const std::lock_guard lock(m_map->mutex);
    m_map->values.insert(key, value);
}

void MemoryBackend::remove(const QString& key)
{
    const std::lock_guard lock(m_map->mutex);
    m_map->values.remove(key);
}

void MemoryBackend::update(const QString& key, const ValueChange& change)
{
    const std::lock_guard lock(m_map->mutex);
    const auto it = m_map->values.constFind(key);
    std::optional<StoredValue> current;
    if (it != m_map->values.cend())
        current = *it;
    const auto next = change(current);
    if (next)
        m_map->values.insert(key, *next);
    else
        m_map->values.remove(key);
}

} // namespace platform::detail
