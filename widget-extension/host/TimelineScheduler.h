// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/provider/TimerWidgetEntry.h"

#include "PlatformKit/core/OneShotTimer.h"

#include <functional>
#include <memory>

// Keeps one widget's timeline as a widget host would: shows each entry from
// its date and asks for a new timeline by the timeline's policy. It never
// waits more than a minute at a time and reads the wall clock whenever it
// wakes, because timers stand still while the computer sleeps.
class TimelineScheduler {
public:
    static constexpr double longestWait = 60;
    // A fresh timeline whose reload date has already come is asked for again
    // only after this long, so a timer at its very end cannot spin.
    static constexpr double shortestReloadDelay = 1;

    TimelineScheduler(std::function<WidgetTimeline()> provide, platform::Clock clock,
                      std::unique_ptr<platform::OneShotTimer> timer);

    // Called with each entry when it becomes current, and again on every reload.
    void setOnEntry(std::function<void(const TimerWidgetEntry&)> onEntry) { m_onEntry = std::move(onEntry); }

    // Asks for a new timeline now.
    void reload();
    // None before the first reload.
    const TimerWidgetEntry* currentEntry() const;

private:
    void wake();
    void showCurrent(bool announceAlways);

    std::function<WidgetTimeline()> m_provide;
    platform::Clock m_clock;
    std::unique_ptr<platform::OneShotTimer> m_timer;
    std::function<void(const TimerWidgetEntry&)> m_onEntry;
    WidgetTimeline m_timeline;
    std::optional<std::size_t> m_current;
    platform::Date m_reloadAt;
};
