// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <QDBusConnection>
#include <QObject>

namespace platform {

// The screensaver service's Inhibit: its cookie is handed back to UnInhibit.
// The last resort, for desktops that offer neither the portal nor logind.
class ScreenSaverSleepInhibitor final : public SleepInhibitor {
public:
    explicit ScreenSaverSleepInhibitor(QDBusConnection bus = QDBusConnection::sessionBus());
    QString name() const override { return QStringLiteral("the screensaver service"); }
    void inhibit(const QString& reason, Granted granted) override;

private:
    QDBusConnection m_bus;
    QObject m_context;
};

} // namespace platform
