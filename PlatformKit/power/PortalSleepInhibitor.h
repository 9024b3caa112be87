#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <QDBusConnection>

namespace platform {

// The desktop portal's Inhibit (suspend), released by closing the request it
// answers with. The portal leaves suspending on the user's request to the
// desktop, which allows it.
class PortalSleepInhibitor final : public SleepInhibitor {
public:
    explicit PortalSleepInhibitor(QDBusConnection bus = QDBusConnection::sessionBus());
    std::unique_ptr<SleepInhibition> inhibit(const QString& reason) override;

private:
    QDBusConnection m_bus;
};

} // namespace platform
