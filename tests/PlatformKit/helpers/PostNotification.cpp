// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-test-post NAME...
// Posts each NAME with DBusNotifier on the session bus and exits: 0 when
// posted, 3 when there is no bus.
#include "PlatformKit/dbus/DBusNotifier.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!QDBusConnection::sessionBus().isConnected()) {
        std::fprintf(stderr, "no session bus\n");
        return 3;
    }
    platform::DBusNotifier notifier;
    for (int i = 1; i < argc; ++i)
        notifier.post(QString::fromLocal8Bit(argv[i]));
    return 0;
}
