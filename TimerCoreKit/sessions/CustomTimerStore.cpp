// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/CustomTimerStore.h"

#include "TimerCoreKit/json/JsonRecordList.h"
#include "TimerCoreKit/sessions/DisplayText.h"
#include "TimerCoreKit/sessions/ListMoves.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

CustomTimer copyOf(const CustomTimer& source, platform::Date now)
{
    CustomTimer copy = source;
    copy.id = QUuid::createUuid();
    copy.name = leadingCharacters(source.name + " Copy"_L1, CustomTimer::nameMaxLength);
    for (auto& phase : copy.phases)
        phase.id = QUuid::createUuid();
    copy.createdAt = now;
    return copy;
}

} // namespace

CustomTimerStore::CustomTimerStore(platform::UserDefaults& defaults, platform::Clock now, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_now(std::move(now))
{
    load();
}

std::optional<CustomTimer> CustomTimerStore::timer(const QUuid& id) const
{
    const auto it = std::find_if(m_timers.cbegin(), m_timers.cend(), [&id](const auto& t) { return t.id == id; });
    if (it == m_timers.cend())
        return std::nullopt;
    return *it;
}

void CustomTimerStore::add(const CustomTimer& timer)
{
    auto timers = m_timers;
    timers.append(timer);
    setTimers(std::move(timers));
    save();
}

void CustomTimerStore::update(const CustomTimer& timer)
{
    const auto it
        = std::find_if(m_timers.cbegin(), m_timers.cend(), [&timer](const auto& t) { return t.id == timer.id; });
    if (it == m_timers.cend())
        return;
    auto timers = m_timers;
    timers[std::distance(m_timers.cbegin(), it)] = timer;
    setTimers(std::move(timers));
    save();
}

void CustomTimerStore::remove(const QUuid& id)
{
    auto timers = m_timers;
    timers.removeIf([&id](const auto& t) { return t.id == id; });
    setTimers(std::move(timers));
    save();
}

void CustomTimerStore::duplicate(const QUuid& id)
{
    const auto source = timer(id);
    if (!source)
        return;
    add(copyOf(*source, m_now()));
}

void CustomTimerStore::move(const QList<qsizetype>& offsets, qsizetype destination)
{
    auto timers = m_timers;
    moveItems(timers, offsets, destination);
    setTimers(std::move(timers));
    save();
}

void CustomTimerStore::load()
{
    const auto data = m_defaults.data(SharedDefaultsKeys::customTimers);
    if (!data)
        return;
    m_timers = json::recordsFromJsonData<CustomTimer>(*data).value_or(QList<CustomTimer>{});
}

void CustomTimerStore::save() const
{
    // A list that cannot be encoded leaves the stored one in place.
    if (const auto data = json::recordsToJsonData(m_timers))
        m_defaults.setData(SharedDefaultsKeys::customTimers, *data);
}

void CustomTimerStore::setTimers(QList<CustomTimer> timers)
{
    if (timers == m_timers)
        return;
    m_timers = std::move(timers);
    Q_EMIT timersChanged();
}
