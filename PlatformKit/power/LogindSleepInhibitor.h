// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <QDBusConnection>
#include <QObject>

namespace platform {

// logind's "idle" inhibitor on the system bus: it holds off the automatic
// idle action, never a suspend the user asks for. The inhibition lasts while
// the file descriptor logind answers with stays open.
class LogindSleepInhibitor final : public SleepInhibitor {
public:
    explicit LogindSleepInhibitor(QDBusConnection bus = QDBusConnection::systemBus());
    QString name() const override { return QStringLiteral("logind"); }
    void inhibit(const QString& reason, Granted granted) override;

private:
    QDBusConnection m_bus;
    QObject m_context;
};

} // namespace platform
