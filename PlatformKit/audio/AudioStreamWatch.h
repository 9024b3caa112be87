// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/Date.h"

#include <QtGlobal>

namespace platform {

// Keeps an eye on the stream an audio output plays on, and decides for each
// sound scheduled on it whether the stream takes it or has died. A sound
// server that restarts (a headset switch, a crash) kills its clients'
// streams: they report a failure, or their device simply stops reading.
// A dead stream is reopened when the next sound comes, but not more often
// than `retryInterval`, so a server that stays away costs nothing.
class AudioStreamWatch {
public:
    enum class Verdict {
        Play, // the stream is alive: queue the sound after the rest
        Reopen, // dead: open a new stream, drop what the old one held, play on the new one
        Drop, // dead, and a new stream was tried too recently: the sound is lost
    };

    static constexpr double retryInterval = 0.75;
    // A live device reads every few milliseconds; this long without a read
    // means it has stopped.
    static constexpr double stallLimit = 2.0;

    explicit AudioStreamWatch(Clock clock);

    // A stream has just been opened: its device has read nothing yet.
    void opened();
    // A sound is to be scheduled. `failed`: there is no stream, or it reported
    // that it stopped. `bytesRead`: all the device has read from it so far.
    // A Reopen verdict counts as a try.
    Verdict check(bool failed, qint64 bytesRead);

private:
    bool isStalled(Date now, qint64 bytesRead);
    bool mayRetry(Date now) const;

    Clock m_clock;
    qint64 m_bytesRead = 0;
    Date m_lastRead;
    bool m_hasTried = false;
    Date m_lastTry;
};

} // namespace platform
