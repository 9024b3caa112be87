// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/WidgetReloadRequests.h"

#include "Kelvane/settings/AppSettings.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"

WidgetReloadRequests::WidgetReloadRequests(
    platform::CrossProcessNotifier& notifier, platform::UserDefaults& defaults,
    const std::function<std::unique_ptr<platform::OneShotTimer>()>& makeOneShotTimer, QObject* parent)
    : QObject(parent)
    , m_notifier(notifier)
    , m_defaults(defaults)
    , m_settingsThrottle(makeOneShotTimer(), settingsReloadWindow, [this] { reload(); })
{
}

void WidgetReloadRequests::reload()
{
    m_notifier.post(TimerCommandQueue::widgetReloadNotificationName);
}

void WidgetReloadRequests::follow(AppSettings& settings)
{
    // The widget reads its settings only when it reloads, and the engine asks
    // for that only when the timer changes.
    m_widgetAppearance = WidgetAppearanceSettings::current(m_defaults);
    // The stores announce a change before they write it: compare on the next turn.
    connect(&settings, &AppSettings::changed, this, &WidgetReloadRequests::compareSettings, Qt::QueuedConnection);
    connect(&settings.colorManager(), &ColorManager::changed, this, &WidgetReloadRequests::compareSettings,
            Qt::QueuedConnection);
    connect(&settings.completionSettings(), &CompletionSettings::changed, this, &WidgetReloadRequests::compareSettings,
            Qt::QueuedConnection);
}

void WidgetReloadRequests::compareSettings()
{
    WidgetAppearanceSettings current = WidgetAppearanceSettings::current(m_defaults);
    if (current == m_widgetAppearance)
        return;
    m_widgetAppearance = std::move(current);
    m_settingsThrottle.poke();
}
