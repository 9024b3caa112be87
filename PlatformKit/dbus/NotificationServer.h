// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the desktop's notification server answers on the session bus.
namespace platform::notificationServer {

inline const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
inline const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
inline const QString interfaceName = QStringLiteral("org.freedesktop.Notifications");

} // namespace platform::notificationServer
