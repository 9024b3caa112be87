// SPDX-License-Identifier: GPL-3.0-or-later
// Queues one widget command in the shared store at <store> and announces it
// on the session bus, as the widget does. Writes the time of queueing first,
// in milliseconds since the epoch.
#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include "PlatformKit/dbus/DBusNotifier.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <store> toggle|start|pause|reset\n", argv[0]);
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[2]);
    const auto command = TimerCommand::fromJson({{QStringLiteral("type"), name}});
    if (!command) {
        std::fprintf(stderr, "unknown command %s\n", argv[2]);
        return 2;
    }
    const auto defaults = platform::UserDefaults::openFile(QString::fromLocal8Bit(argv[1]));
    if (!defaults->isShared())
        return 3;
    platform::DBusNotifier notifier;
    const TimerCommandQueue queue(*defaults, notifier);
    std::printf("%lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    std::fflush(stdout);
    queue.enqueue(*command);
    return 0;
}
