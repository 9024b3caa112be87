// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/dbus/DesktopNotifications.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QObject>

// Tells the user once per run, with a desktop notification, that the changes
// they make cannot be saved: the store's file could not be opened, is
// read-only, or has refused a write (a full disk). A problem that is there
// when the notice is made is told at once, one that appears later as soon as
// it does. Lives on the thread of its notification service; a problem met on
// another thread is told on that one.
class StorageProblemNotice final : public QObject {
    Q_OBJECT
public:
    static constexpr QLatin1StringView identifier{"com.morrowfen.kelvane.storageProblem"};

    StorageProblemNotice(platform::UserDefaults& defaults, platform::DesktopNotifications& notifications,
                         QObject* parent = nullptr);
    // Stops the store's calls.
    ~StorageProblemNotice() override;

    // The notification for `problem`. Pure.
    static platform::DesktopNotification notificationFor(const platform::PersistenceProblem& problem);

private:
    void tell(const platform::PersistenceProblem& problem);

    platform::UserDefaults& m_defaults;
    platform::DesktopNotifications& m_notifications;
    bool m_told = false;
};
