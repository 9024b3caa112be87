#pragma once

#include "PlatformKit/core/Date.h"

#include <functional>
#include <memory>

// A clock that only moves when the test says so.
class FakeClock {
public:
    explicit FakeClock(double start = 700'000'000)
        : m_now(std::make_shared<platform::Date>(platform::Date::fromSecondsSinceReferenceDate(start)))
    {
    }

    platform::Date now() const { return *m_now; }
    void advance(double seconds) { *m_now = *m_now + seconds; }
    std::function<platform::Date()> provider() const
    {
        return [now = m_now] { return *now; };
    }

private:
    std::shared_ptr<platform::Date> m_now;
};
