#pragma once

#include <QString>

#include <memory>

namespace platform {

// One inhibition taken from a desktop service. Dropping it without a
// successful `release()` lets the service clean up as it can.
class SleepInhibition {
public:
    virtual ~SleepInhibition() = default;
    // Lets the computer sleep again; false when the service refused, which
    // leaves the inhibition held.
    virtual bool release() = 0;

protected:
    SleepInhibition() = default;
};

// A desktop service that keeps the computer from suspending on idle while an
// inhibition is held, without blocking a suspend the user asks for.
class SleepInhibitor {
public:
    virtual ~SleepInhibitor() = default;
    // None when the service is not there or refused.
    virtual std::unique_ptr<SleepInhibition> inhibit(const QString& reason) = 0;

protected:
    SleepInhibitor() = default;
};

} // namespace platform
