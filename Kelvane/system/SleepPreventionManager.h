// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps the computer from going to sleep while a timer runs. Holds at most
// one inhibition at a time; never blocks a suspend the user asks for.
class SleepPreventionManager {
public:
    virtual ~SleepPreventionManager() = default;

    virtual bool isActive() const = 0;
    // Nothing while active; a failure leaves the manager inactive, so the
    // next request tries again.
    virtual void beginPreventingSleep() = 0;
    // Lets the computer sleep again; false when the inhibition could not be
    // released, which leaves it recorded as held.
    virtual bool release() = 0;

protected:
    SleepPreventionManager() = default;
};
