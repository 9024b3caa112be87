// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/InhibitingSleepPreventionManager.h"

#include "PlatformKit/core/Logging.h"

#include <algorithm>

InhibitingSleepPreventionManager::InhibitingSleepPreventionManager(
    std::vector<std::unique_ptr<platform::SleepInhibitor>> inhibitors)
    : m_inhibitors(std::move(inhibitors))
{
}

InhibitingSleepPreventionManager::~InhibitingSleepPreventionManager()
{
    // The release goes out now; its answer is not waited for.
    if (m_inhibition)
        m_inhibition->release([](bool) {});
}

bool InhibitingSleepPreventionManager::isActive() const
{
    return m_inhibition != nullptr || (m_asking && m_wanted);
}

void InhibitingSleepPreventionManager::beginPreventingSleep()
{
    m_wanted = true;
    if (m_inhibition || m_asking)
        return;
    ask(0);
}

bool InhibitingSleepPreventionManager::release()
{
    m_wanted = false;
    if (m_inhibition)
        letGo(std::move(m_inhibition));
    return true;
}

void InhibitingSleepPreventionManager::ask(std::size_t inhibitor)
{
    if (inhibitor >= m_inhibitors.size() || !m_wanted) {
        m_asking = false;
        if (!m_told && inhibitor >= m_inhibitors.size()) {
            m_told = true;
            qCWarning(lcPower) << "no sleep inhibitor is available; the computer may sleep while a timer runs";
        }
        return;
    }
    m_asking = true;
    qCDebug(lcPower) << "asking" << m_inhibitors[inhibitor]->name() << "to keep the computer awake";
    // The inhibitors are ours, so no answer arrives once we are gone.
    m_inhibitors[inhibitor]->inhibit(QString::fromLatin1(reason),
                                     [this, inhibitor](std::unique_ptr<platform::SleepInhibition> inhibition) {
                                         granted(inhibitor, std::move(inhibition));
                                     });
}

void InhibitingSleepPreventionManager::granted(std::size_t inhibitor,
                                               std::unique_ptr<platform::SleepInhibition> inhibition)
{
    if (!inhibition) {
        qCDebug(lcPower) << m_inhibitors[inhibitor]->name() << "did not keep the computer awake";
        ask(inhibitor + 1);
        return;
    }
    m_asking = false;
    if (!m_told) {
        m_told = true;
        qCWarning(lcPower) << "keeping the computer awake through" << m_inhibitors[inhibitor]->name();
    }
    if (!m_wanted || m_inhibition) {
        letGo(std::move(inhibition));
        return;
    }
    m_inhibition = std::move(inhibition);
}

void InhibitingSleepPreventionManager::letGo(std::unique_ptr<platform::SleepInhibition> inhibition)
{
    platform::SleepInhibition* sent = inhibition.get();
    m_releasing.push_back(std::move(inhibition));
    // Held until the answer, which never arrives once it is gone.
    sent->release([this, sent](bool succeeded) { released(sent, succeeded); });
}

void InhibitingSleepPreventionManager::released(platform::SleepInhibition* inhibition, bool succeeded)
{
    const auto found = std::find_if(m_releasing.begin(), m_releasing.end(),
                                    [inhibition](const auto& releasing) { return releasing.get() == inhibition; });
    if (found == m_releasing.end())
        return;
    std::unique_ptr<platform::SleepInhibition> answered = std::move(*found);
    m_releasing.erase(found);
    if (succeeded)
        return;
    qCWarning(lcPower) << "the sleep inhibitor refused to let go; trying again at the next release";
    // Kept for the next release, unless another has been taken meanwhile.
    if (!m_inhibition && !m_asking)
        m_inhibition = std::move(answered);
}
