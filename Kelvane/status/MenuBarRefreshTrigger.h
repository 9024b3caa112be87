// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <cstdint>

// A counter whose every increment tells the tray's views to draw again; the
// value means nothing of its own.
class MenuBarRefreshTrigger final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    std::uint64_t tick() const { return m_tick; }
    void bump()
    {
        ++m_tick;
        Q_EMIT tickChanged();
    }

Q_SIGNALS:
    void tickChanged();

private:
    std::uint64_t m_tick = 0;
};
