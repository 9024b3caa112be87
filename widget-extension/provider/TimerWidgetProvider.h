// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/provider/TimerWidgetEntry.h"

#include "PlatformKit/store/UserDefaults.h"

// Turns the app's saved timer into the widget's timeline: one entry a minute
// while a timer runs, one entry otherwise. Keeps nothing between calls; every
// call reads the shared store afresh.
class TimerWidgetProvider {
public:
    // How far ahead a running timer is laid out, in entries a minute apart.
    static constexpr int minutesAhead = 60;
    // How long a stopped timer's timeline lasts.
    static constexpr double idleReloadSeconds = 300;

    TimerWidgetProvider(const platform::UserDefaults& defaults, platform::Clock clock);

    // The 25-minute preset, idle.
    TimerWidgetEntry placeholder() const;
    // For a preview, the configured preset idle; else the app's state now.
    TimerWidgetEntry snapshot(const TimerWidgetConfigurationIntent& configuration, bool isPreview) const;
    WidgetTimeline timeline(const TimerWidgetConfigurationIntent& configuration) const;

    // The timeline of a loaded state; pure.
    static WidgetTimeline makeTimeline(platform::Date now, const WidgetLoadResult& loaded,
                                       const TimerWidgetConfigurationIntent& configuration,
                                       const WidgetAppearanceSettings& appearance);
    // The configured preset, idle and full.
    static WidgetTimerState previewTimerState(const TimerWidgetConfigurationIntent& configuration);

private:
    const platform::UserDefaults& m_defaults;
    platform::Clock m_clock;
};
