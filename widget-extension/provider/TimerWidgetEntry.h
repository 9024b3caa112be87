// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/intents/WidgetIntents.h"

#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"
#include "shared-ui/desktopwidget/WidgetTimerState.h"

#include "PlatformKit/core/Date.h"

#include <optional>
#include <vector>

// What one widget shows from `date` on.
struct TimerWidgetEntry {
    platform::Date date;
    WidgetTimerState timerState;
    TimerWidgetConfigurationIntent configuration;
    WidgetAppearanceSettings appearanceSettings;
    std::optional<WidgetLoadError> loadError;

    friend bool operator==(const TimerWidgetEntry&, const TimerWidgetEntry&) = default;
};

// When the host asks for the next timeline: once the last entry is current,
// or at a date.
struct TimelineReloadPolicy {
    enum class Kind { AtEnd, After };
    Kind kind = Kind::AtEnd;
    platform::Date date; // for After

    static TimelineReloadPolicy atEnd() { return {}; }
    static TimelineReloadPolicy after(platform::Date date) { return {Kind::After, date}; }
    friend bool operator==(const TimelineReloadPolicy&, const TimelineReloadPolicy&) = default;
};

struct WidgetTimeline {
    std::vector<TimerWidgetEntry> entries; // in date order, never empty
    TimelineReloadPolicy policy;
};
