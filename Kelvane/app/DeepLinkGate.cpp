#include "Kelvane/app/DeepLinkGate.h"

#include <chrono>
#include <ctime>

DeepLinkGate::DeepLinkGate(MonotonicClock clock) : m_clock(std::move(clock)) {}

bool DeepLinkGate::admit()
{
    const double now = m_clock();
    if (m_lastAccepted && now - *m_lastAccepted < minimumInterval)
        return false;
    m_lastAccepted = now;
    return true;
}

double DeepLinkGate::systemClock()
{
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}
