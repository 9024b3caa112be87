// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/TimelineScheduler.h"

#include <algorithm>

namespace {

// The index of the entry current at `now`: the last one whose date has come,
// or the first when none has.
std::size_t currentIndex(const std::vector<TimerWidgetEntry>& entries, platform::Date now)
{
    std::size_t index = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].date <= now)
            index = i;
    }
    return index;
}

} // namespace

TimelineScheduler::TimelineScheduler(std::function<WidgetTimeline()> provide, platform::Clock clock,
                                     std::unique_ptr<platform::OneShotTimer> timer)
    : m_provide(std::move(provide))
    , m_clock(std::move(clock))
    , m_timer(std::move(timer))
{
}

const TimerWidgetEntry* TimelineScheduler::currentEntry() const
{
    return m_current ? &m_timeline.entries[*m_current] : nullptr;
}

void TimelineScheduler::reload()
{
    m_timeline = m_provide();
    m_current.reset();
    const platform::Date now = m_clock();
    if (m_timeline.entries.empty()) {
        m_timer->cancel();
        return;
    }
    const platform::Date due = m_timeline.policy.kind == TimelineReloadPolicy::Kind::After
        ? m_timeline.policy.date
        : m_timeline.entries.back().date;
    m_reloadAt = std::max(due, now + shortestReloadDelay);
    showCurrent(true);
}

void TimelineScheduler::wake()
{
    if (m_clock() >= m_reloadAt)
        reload();
    else
        showCurrent(false);
}

void TimelineScheduler::showCurrent(bool announceAlways)
{
    const platform::Date now = m_clock();
    const std::size_t index = currentIndex(m_timeline.entries, now);
    const bool changed = m_current != index;
    m_current = index;
    if ((changed || announceAlways) && m_onEntry)
        m_onEntry(m_timeline.entries[index]);

    platform::Date next = std::min(m_reloadAt, now + longestWait);
    if (index + 1 < m_timeline.entries.size())
        next = std::min(next, m_timeline.entries[index + 1].date);
    m_timer->start(std::max(next.secondsSince(now), 0.0), [this] { wake(); });
}
