// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The timer as the program stored it, read from the shared store as the widget
// reads it.

#include "TimerCoreKit/engine/TimerStateSnapshot.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QFileInfo>
#include <QString>

#include <memory>
#include <optional>

class StoredTimer {
public:
    explicit StoredTimer(QString storePath)
        : m_path(std::move(storePath))
    {
    }

    // None until the program has created the store and saved a snapshot.
    std::optional<TimerStateSnapshot> snapshot()
    {
        // Opened only once the program made it: the store is the program's.
        if (!m_store && QFileInfo::exists(m_path))
            m_store = platform::UserDefaults::openFile(m_path);
        if (m_store && !m_store->isShared())
            m_store.reset(); // caught while the program was still creating it
        if (!m_store)
            return std::nullopt;
        const auto json = m_store->data(SharedDefaultsKeys::timerState);
        return json ? TimerStateSnapshot::fromJson(*json) : std::nullopt;
    }

    // Stores `snapshot` as the program would have left it, before the program
    // starts.
    static bool seed(const QString& path, const TimerStateSnapshot& snapshot)
    {
        const auto json = snapshot.toJson();
        const auto store = platform::UserDefaults::openFile(path);
        if (!json || !store || !store->isShared())
            return false;
        store->setData(SharedDefaultsKeys::timerState, *json);
        return true;
    }

    // The first-run card marked as seen, as on any day after the first.
    static bool markClickHintSeen(const QString& path)
    {
        const auto store = platform::UserDefaults::openFile(path);
        if (!store || !store->isShared())
            return false;
        store->setBool(SharedDefaultsKeys::hasSeenClickHint.name, true);
        return true;
    }

    std::optional<TimerMode> mode()
    {
        const auto stored = snapshot();
        return stored ? std::optional(stored->mode) : std::nullopt;
    }

private:
    QString m_path;
    std::unique_ptr<platform::UserDefaults> m_store;
};
