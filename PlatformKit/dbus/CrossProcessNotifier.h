// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

// Keeps an observation alive; destroying it stops the deliveries.
using ObservationToken = std::unique_ptr<QObject>;

// A named notification that carries no data, posted by one process and seen by
// every process observing that name (the poster included).
class CrossProcessNotifier {
public:
    virtual ~CrossProcessNotifier() = default;
    virtual void post(const QString& name) = 0;
    // `handler` runs on the observing thread's event loop.
    virtual ObservationToken observe(const QString& name, std::function<void()> handler) = 0;
};

} // namespace platform
