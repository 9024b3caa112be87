// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/dbus/CrossProcessNotifier.h"

namespace platform {

// The notification as a signal on the D-Bus session bus: object path
// "/com/morrowfen/kelvane", interface "com.morrowfen.kelvane.Notifications",
// member "Posted", one string argument holding the name (a member name cannot
// hold its dots). Observers match on that argument, from any sender.
// Without a bus, posting does nothing and observing never fires; neither
// reports anything. Needs a QCoreApplication.
class DBusNotifier final : public CrossProcessNotifier {
public:
    // Returns once the bus has the signal (a round trip, at most a second),
    // so a process may exit right after posting.
    void post(const QString& name) override;
    // The token is a QObject of the calling thread: the handler runs on that
    // thread's event loop, and the token must be destroyed on that thread.
    // Destroying it also drops a delivery already queued for it.
    ObservationToken observe(const QString& name, std::function<void()> handler) override;
};

} // namespace platform
