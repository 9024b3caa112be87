// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/DeepLinkGate.h"

DeepLinkGate::DeepLinkGate(MonotonicClock clock)
    : m_clock(std::move(clock))
{
}

bool DeepLinkGate::admit()
{
    const double now = m_clock();
    if (m_lastAccepted && now - *m_lastAccepted < minimumInterval)
        return false;
    m_lastAccepted = now;
    return true;
}
