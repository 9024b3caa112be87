// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// Calls a handler periodically. The engine keeps no time itself: it asks a
// ticker to call back and recomputes the state from dates on each call.
class CountdownTicker {
public:
    virtual ~CountdownTicker() = default;
    // Begins calling `handler` every `interval` seconds, replacing whatever the
    // ticker was doing before.
    virtual void start(double interval, std::function<void()> handler) = 0;
    // Stops calling the handler; stopping a stopped ticker does nothing.
    virtual void stop() = 0;
};

// An optional override of how often the engine ticks. Emit `changed()` on the
// engine's thread; a running engine then restarts its ticker.
class DebugTickProvider : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    virtual bool isEnabled() const = 0;
    virtual double interval() const = 0;

Q_SIGNALS:
    void changed();
};
