#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <chrono>

namespace platform {

// How long a sleep inhibitor waits for its service: long enough for one that
// is started on demand, short enough that a hung one does not freeze the tray.
inline constexpr std::chrono::milliseconds sleepInhibitorCallTimeout{3000};

// Sends `call` on `bus` and waits for the answer, at most the time above.
QDBusMessage callSleepService(QDBusConnection& bus, const QDBusMessage& call);

// An inhibition that a service keeps for this connection until it is sent
// one release call.
class BusSleepInhibition final : public SleepInhibition {
public:
    BusSleepInhibition(QDBusConnection bus, QDBusMessage releaseCall);
    // Also true when the service has gone away: its inhibitions went with it.
    bool release() override;

private:
    QDBusConnection m_bus;
    QDBusMessage m_releaseCall;
};

} // namespace platform
