// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace platform {

// One inhibition taken from a desktop service. Dropping it without a
// successful release lets the service clean up as it can.
class SleepInhibition {
public:
    // Whether the service let the inhibition go.
    using Released = std::function<void(bool released)>;

    virtual ~SleepInhibition() = default;
    // Lets the computer sleep again. `released` runs later on this thread's
    // event loop, never inside the call and never once the inhibition is
    // gone; false when the service refused, which leaves the inhibition held.
    virtual void release(Released released) = 0;

protected:
    SleepInhibition() = default;
};

// A desktop service that keeps the computer from suspending on idle while an
// inhibition is held, without blocking a suspend the user asks for. Nothing
// waits for the service: its answer arrives later.
class SleepInhibitor {
public:
    // None when the service is not there, refused or never answered.
    using Granted = std::function<void(std::unique_ptr<SleepInhibition>)>;

    virtual ~SleepInhibitor() = default;
    // What the logs call this service.
    virtual QString name() const = 0;
    // `granted` runs later on this thread's event loop, never inside the
    // call and never once the inhibitor is gone.
    virtual void inhibit(const QString& reason, Granted granted) = 0;

protected:
    SleepInhibitor() = default;
};

} // namespace platform
