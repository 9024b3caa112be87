#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <QDBusConnection>

namespace platform {

// The screensaver service's Inhibit: its cookie is handed back to UnInhibit.
// The last resort, for desktops that offer neither the portal nor logind.
class ScreenSaverSleepInhibitor final : public SleepInhibitor {
public:
    explicit ScreenSaverSleepInhibitor(QDBusConnection bus = QDBusConnection::sessionBus());
    std::unique_ptr<SleepInhibition> inhibit(const QString& reason) override;

private:
    QDBusConnection m_bus;
};

} // namespace platform
