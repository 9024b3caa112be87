#include "Kelvane/app/AppStartup.h"

#include "Kelvane/app/DeepLinkParser.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

AppStartup::AppStartup(StoreProvider store, TargetFactory makeTarget, platform::Clock now,
                       DeepLinkGate::MonotonicClock gateClock)
    : m_store(std::move(store)), m_makeTarget(std::move(makeTarget)), m_now(std::move(now)),
      m_gate(std::move(gateClock))
{
}

AppStartup::~AppStartup() = default;

void AppStartup::launch()
{
    if (m_launched)
        return;
    m_launched = true;
    platform::UserDefaults& store = m_store();
    m_target = m_makeTarget(store);
    SharedAppState::recordHeartbeat(m_now(), store);
    if (m_target)
        m_target->processPendingCommands();
}

void AppStartup::openUrls(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        const auto action = parseDeepLink(url);
        if (!action || !m_gate.admit())
            continue;
        if (m_target)
            m_target->handleDeepLink(*action);
    }
}

void AppStartup::activate()
{
    if (m_target)
        m_target->processPendingCommands();
}
