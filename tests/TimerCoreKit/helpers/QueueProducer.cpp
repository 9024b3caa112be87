// SPDX-License-Identifier: GPL-3.0-or-later
// Enqueues `count` distinct commands into the command queue of the store at
// `path`, holding back while the queue is nearly full so that none is dropped.
#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

class SilentNotifier final : public platform::CrossProcessNotifier {
public:
    void post(const QString&) override { }
    platform::ObservationToken observe(const QString&, std::function<void()>) override { return nullptr; }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <store> <producer> <count>\n", argv[0]);
        return 2;
    }
    const auto defaults = platform::UserDefaults::openFile(QString::fromLocal8Bit(argv[1]));
    if (!defaults->isShared())
        return 3;
    SilentNotifier notifier;
    const TimerCommandQueue queue(*defaults, notifier);
    const QString producer = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    for (int i = 0; i < count; ++i) {
        while (queue.pendingCommands().size() >= TimerCommandQueue::capacity - 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        queue.enqueue(TimerCommand::selectPreset(producer + QLatin1Char(':') + QString::number(i)));
    }
    return 0;
}
