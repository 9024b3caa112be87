// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-test-store-counter PATH TAG COUNT [PAUSE_US]
// Opens the shared store at PATH, waits for a line on standard input (so two
// copies can be started together), then COUNT times atomically increments the
// integer "counter" and appends the byte TAG to the data value "log", pausing
// PAUSE_US microseconds after each (so two copies take turns rather than one
// running through while the other waits). Exits 0 when done, non-zero when
// the store is not shared.
#include "PlatformKit/store/UserDefaults.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

using platform::StoredValue;

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5 || std::string(argv[2]).size() != 1) {
        std::fprintf(stderr, "usage: %s PATH TAG COUNT [PAUSE_US]\n", argv[0]);
        return 64;
    }
    const auto defaults = platform::UserDefaults::openFile(QString::fromLocal8Bit(argv[1]));
    if (!defaults->isShared()) {
        std::fprintf(stderr, "store is not shared\n");
        return 2;
    }
    const char tag = argv[2][0];
    const long count = std::strtol(argv[3], nullptr, 10);
    const auto pause = std::chrono::microseconds(argc == 5 ? std::strtol(argv[4], nullptr, 10) : 0);

    std::string go;
    std::getline(std::cin, go);

    for (long i = 0; i < count; ++i) {
        defaults->update(QStringLiteral("counter"), [](const std::optional<StoredValue>& current) {
            const qint64* value = current ? std::get_if<qint64>(&*current) : nullptr;
            return std::optional<StoredValue>(qint64{value ? *value + 1 : 1});
        });
        defaults->update(QStringLiteral("log"), [tag](const std::optional<StoredValue>& current) {
            const QByteArray* value = current ? std::get_if<QByteArray>(&*current) : nullptr;
            QByteArray log = value ? *value : QByteArray();
            log.append(tag);
            return std::optional<StoredValue>(log);
        });
        if (pause.count() > 0)
            std::this_thread::sleep_for(pause);
    }
    return 0;
}
