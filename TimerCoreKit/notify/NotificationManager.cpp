// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/notify/NotificationManager.h"

using namespace std::chrono_literals;

NotificationManager::NotificationManager(std::unique_ptr<platform::DesktopNotifications> notifications, QObject* parent)
    : QObject(parent)
    , m_notifications(std::move(notifications))
{
    Q_ASSERT_X(m_notifications, "NotificationManager", "a notification service is required");
    // Answers come through the backend we own, so none arrives once we are gone.
    m_notifications->checkAuthorization([this](bool authorized) { setAuthorized(authorized); });
}

NotificationManager::~NotificationManager() = default;

platform::DesktopNotification NotificationManager::completionNotification()
{
    return {
        .identifier = QString(completionIdentifier),
        .title = QStringLiteral("Timer Completed"),
        .body = QStringLiteral("Your countdown has finished."),
        .playsDefaultSound = true,
        .delay = 100ms,
    };
}

void NotificationManager::requestAuthorization(std::function<void(bool)> granted)
{
    m_notifications->requestAuthorization([this, granted = std::move(granted)](bool answer) {
        setAuthorized(answer);
        if (granted)
            granted(answer);
    });
}

void NotificationManager::sendTimerCompletedNotification(std::function<void()> done)
{
    if (!done)
        done = [] {};
    if (m_isAuthorized) {
        m_notifications->post(completionNotification(), std::move(done));
        return;
    }
    requestAuthorization([this, done = std::move(done)](bool granted) {
        if (granted)
            m_notifications->post(completionNotification(), done);
        else
            done();
    });
}

void NotificationManager::setAuthorized(bool authorized)
{
    if (m_isAuthorized == authorized)
        return;
    m_isAuthorized = authorized;
    emit isAuthorizedChanged(authorized);
}
