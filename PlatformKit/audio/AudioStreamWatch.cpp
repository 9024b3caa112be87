// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/audio/AudioStreamWatch.h"

namespace platform {

AudioStreamWatch::AudioStreamWatch(Clock clock)
    : m_clock(std::move(clock))
{
}

void AudioStreamWatch::opened()
{
    m_bytesRead = 0;
    m_lastRead = m_clock();
}

AudioStreamWatch::Verdict AudioStreamWatch::check(bool failed, qint64 bytesRead)
{
    const Date now = m_clock();
    if (!failed && !isStalled(now, bytesRead))
        return Verdict::Play;
    if (!mayRetry(now))
        return Verdict::Drop;
    m_hasTried = true;
    m_lastTry = now;
    return Verdict::Reopen;
}

bool AudioStreamWatch::isStalled(Date now, qint64 bytesRead)
{
    if (bytesRead != m_bytesRead) {
        m_bytesRead = bytesRead;
        m_lastRead = now;
        return false;
    }
    return now.secondsSince(m_lastRead) > stallLimit;
}

bool AudioStreamWatch::mayRetry(Date now) const
{
    // A clock set back would otherwise hold the retry off for as long.
    const double since = now.secondsSince(m_lastTry);
    return !m_hasTried || since >= retryInterval || since < 0;
}

} // namespace platform
