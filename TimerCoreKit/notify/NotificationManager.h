// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/dbus/DesktopNotifications.h"

#include <QObject>

#include <functional>
#include <memory>

// Tells the user that a countdown has finished, through the desktop's
// notification service, and keeps whether that service lets us post.
// Main thread only.
class NotificationManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isAuthorized READ isAuthorized NOTIFY isAuthorizedChanged)

public:
    // Every completion posts under this identifier, so a newer one replaces
    // the last.
    static constexpr QLatin1StringView completionIdentifier{"com.morrowfen.kelvane.timerCompleted"};

    // Posts through `notifications` (required; the program passes
    // FreedesktopNotifications). Starts false; the service's current answer
    // arrives a little later.
    explicit NotificationManager(std::unique_ptr<platform::DesktopNotifications> notifications,
                                 QObject* parent = nullptr);
    ~NotificationManager() override;

    bool isAuthorized() const { return m_isAuthorized; }

    // Asks for permission ahead of the first completion; `granted` receives
    // the answer.
    void requestAuthorization(std::function<void(bool granted)> granted = {});
    // Posts the completion notification, asking for permission first when it
    // is not known to be granted. `done` runs when the attempt is over, posted
    // or not.
    void sendTimerCompletedNotification(std::function<void()> done = {});

    // The notification a completion posts.
    static platform::DesktopNotification completionNotification();

signals:
    void isAuthorizedChanged(bool isAuthorized);

private:
    void setAuthorized(bool authorized);

    std::unique_ptr<platform::DesktopNotifications> m_notifications;
    bool m_isAuthorized = false;
};
