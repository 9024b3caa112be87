// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/Date.h"
#include "PlatformKit/core/ElapsedClock.h"

#include <functional>
#include <memory>

// A wall clock and a boot clock that only move when the test says so.
// `advance()` is time passing (a suspend too): both move alike. `stepWall()`
// sets the wall clock alone, as a user or NTP does; `setBootTime()` puts the
// boot clock alone somewhere else, as another boot would.
class FakeClock {
public:
    explicit FakeClock(double start = 700'000'000, double bootStart = 1'000)
        : m_now(std::make_shared<platform::Date>(platform::Date::fromSecondsSinceReferenceDate(start)))
        , m_boot(std::make_shared<double>(bootStart))
    {
    }

    platform::Date now() const { return *m_now; }
    double bootTime() const { return *m_boot; }
    void advance(double seconds)
    {
        stepWall(seconds);
        *m_boot += seconds;
    }
    void stepWall(double seconds) { *m_now = *m_now + seconds; }
    void setBootTime(double seconds) { *m_boot = seconds; }

    std::function<platform::Date()> provider() const
    {
        return [now = m_now] { return *now; };
    }
    platform::ElapsedClock bootProvider() const
    {
        return [boot = m_boot] { return *boot; };
    }

private:
    std::shared_ptr<platform::Date> m_now;
    std::shared_ptr<double> m_boot;
};
