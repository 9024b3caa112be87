// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/power/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include <chrono>
#include <functional>

namespace platform {

// How long a sleep inhibitor's answer is waited for, on the event loop:
// long enough for a service that is started on demand. After it the next
// service is asked.
inline constexpr std::chrono::milliseconds sleepInhibitorCallTimeout{25000};

// Sends `call` on `bus` without waiting; `answered` gets the reply (an error
// message on a timeout) on a later turn of the event loop, unless `context`
// is gone by then.
void callSleepService(const QDBusConnection& bus, const QDBusMessage& call, QObject& context,
                      std::function<void(const QDBusMessage& reply)> answered);

// An inhibition that a service keeps for this connection until it is sent
// one release call.
class BusSleepInhibition final : public SleepInhibition {
public:
    BusSleepInhibition(QDBusConnection bus, QDBusMessage releaseCall);
    // Also released when the service has gone away: its inhibitions went
    // with it.
    void release(Released released) override;

private:
    QDBusConnection m_bus;
    QDBusMessage m_releaseCall;
    // The answer is dropped once the inhibition is gone.
    QObject m_context;
};

} // namespace platform
