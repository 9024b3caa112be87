// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/RestoreBounds.h"

#include <algorithm>
#include <cmath>

TimerStateSnapshot withinRestoreBounds(TimerStateSnapshot snapshot, double presetDuration)
{
    if (!std::isfinite(snapshot.duration))
        snapshot.duration = presetDuration;
    snapshot.duration = std::max(snapshot.duration, 0.0);
    snapshot.remaining = std::isfinite(snapshot.remaining) ? std::clamp(snapshot.remaining, 0.0, snapshot.duration)
                                                           : snapshot.duration;
    snapshot.elapsed = std::isfinite(snapshot.elapsed) ? std::max(snapshot.elapsed, 0.0) : 0.0;
    return snapshot;
}
