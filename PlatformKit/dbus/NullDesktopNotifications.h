// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/dbus/DesktopNotifications.h"

namespace platform {

// Where there is no notification service to talk to.
class NullDesktopNotifications final : public DesktopNotifications {
public:
    void checkAuthorization(Answer) override { }
    void requestAuthorization(Answer) override { }
    void post(const DesktopNotification&, std::function<void()>) override { }
};

} // namespace platform
