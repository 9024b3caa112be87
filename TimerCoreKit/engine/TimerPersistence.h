// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerStateSnapshot.h"

#include "PlatformKit/store/UserDefaults.h"

#include <optional>

// Keeps the timer's snapshot and the custom preset's length in a store,
// normally the one shared with the widget.
class TimerPersistence {
public:
    explicit TimerPersistence(platform::UserDefaults& defaults);

    platform::UserDefaults& defaults() const { return *m_defaults; }

    // Returns false, and leaves the stored value as it was, when the snapshot
    // cannot be encoded.
    bool save(const TimerStateSnapshot& state) const;
    // None when nothing is stored or what is stored does not decode; a bad value
    // stays until the next save overwrites it.
    std::optional<TimerStateSnapshot> restore() const;
    void clearState() const;

    // The stored custom length bounded to the allowed range, or the default one
    // when nothing usable is stored.
    double loadCustomDuration() const;
    // Stores the length bounded to the allowed range; a length that is not a
    // finite number is ignored.
    void saveCustomDuration(double seconds) const;

    static constexpr double minimumCustomDuration = 1;
    static constexpr double maximumCustomDuration = 10800;
    // The custom length as every entry point accepts it: bounded, or none when
    // it is not a finite number.
    static std::optional<double> boundedCustomDuration(double seconds);

private:
    platform::UserDefaults* m_defaults;
};
