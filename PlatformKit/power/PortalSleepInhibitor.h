// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <QDBusConnection>
#include <QObject>

namespace platform {

// The desktop portal's Inhibit (suspend), released by closing the request it
// answers with. The portal leaves suspending on the user's request to the
// desktop, which allows it.
class PortalSleepInhibitor final : public SleepInhibitor {
public:
    explicit PortalSleepInhibitor(QDBusConnection bus = QDBusConnection::sessionBus());
    QString name() const override { return QStringLiteral("the desktop portal"); }
    void inhibit(const QString& reason, Granted granted) override;

private:
    QDBusConnection m_bus;
    QObject m_context;
};

} // namespace platform
