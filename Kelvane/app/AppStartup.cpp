// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/AppStartup.h"

#include "Kelvane/app/DeepLinkParser.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

AppStartup::AppStartup(StoreProvider store, ProgramFactory makeProgram, platform::Clock now,
                       DeepLinkGate::MonotonicClock gateClock)
    : m_store(std::move(store))
    , m_makeProgram(std::move(makeProgram))
    , m_now(std::move(now))
    , m_gate(std::move(gateClock))
{
}

AppStartup::~AppStartup() = default;

void AppStartup::launch()
{
    if (m_launched)
        return;
    m_launched = true;
    platform::UserDefaults& store = m_store();
    m_program = m_makeProgram(store);
    SharedAppState::recordHeartbeat(m_now(), store);
    if (DeepLinkTarget* performer = target())
        performer->processPendingCommands();
}

void AppStartup::openUrls(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        const auto action = parseDeepLink(url);
        if (!action || !m_gate.admit())
            continue;
        if (DeepLinkTarget* performer = target())
            performer->handleDeepLink(*action);
    }
}

void AppStartup::activate()
{
    if (DeepLinkTarget* performer = target())
        performer->processPendingCommands();
}
