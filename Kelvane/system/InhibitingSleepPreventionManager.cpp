#include "Kelvane/system/InhibitingSleepPreventionManager.h"

InhibitingSleepPreventionManager::InhibitingSleepPreventionManager(
    std::vector<std::unique_ptr<platform::SleepInhibitor>> inhibitors)
    : m_inhibitors(std::move(inhibitors))
{
}

InhibitingSleepPreventionManager::~InhibitingSleepPreventionManager()
{
    if (m_inhibition)
        m_inhibition->release();
}

void InhibitingSleepPreventionManager::beginPreventingSleep()
{
    if (m_inhibition)
        return;
    for (const auto& inhibitor : m_inhibitors) {
        m_inhibition = inhibitor->inhibit(QString::fromLatin1(reason));
        if (m_inhibition)
            return;
    }
}

bool InhibitingSleepPreventionManager::release()
{
    if (!m_inhibition)
        return true;
    if (!m_inhibition->release())
        return false;
    m_inhibition.reset();
    return true;
}
