// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/commands/TimerCommand.h"

#include "PlatformKit/dbus/CrossProcessNotifier.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QList>

#include <optional>

// The widget-to-app command queue: a JSON array, oldest first, under one key of
// the shared store, with a cross-process notification on every append. Each
// operation reads, changes and writes the array as one atomic step, so the app
// and the widget never lose each other's commands.
class TimerCommandQueue {
public:
    // Posted on the cross-process notifier after each append.
    static constexpr QLatin1StringView queuedNotificationName{"com.morrowfen.kelvane.commandQueued"};
    // Posted by the app whenever the widget of kind "KelvaneWidget" should
    // read the shared state again.
    static constexpr QLatin1StringView widgetReloadNotificationName{"com.morrowfen.kelvane.widgetReload.KelvaneWidget"};
    static constexpr qsizetype capacity = 100;

    TimerCommandQueue(platform::UserDefaults& defaults, platform::CrossProcessNotifier& notifier);

    // Appends and notifies, unless the queue is full, the newest command is the
    // same one, or the command cannot be encoded.
    void enqueue(const TimerCommand& command) const;
    // Removes and returns the oldest command; none when the queue is empty or
    // unreadable (unreadable data is left as it is).
    std::optional<TimerCommand> dequeue() const;
    // Removes and returns the whole queue, oldest first, in one step. Past
    // the capacity only the oldest `capacity` commands are returned, as an
    // append to a full queue would have dropped the rest. Unreadable data is
    // left as it is and reads as an empty queue.
    QList<TimerCommand> takeAll() const;
    QList<TimerCommand> pendingCommands() const;
    void clearQueue() const;

    // The stored form; none when it does not decode. An empty list is stored as
    // no value at all.
    static std::optional<QList<TimerCommand>> decode(const QByteArray& data);
    static std::optional<QByteArray> encode(const QList<TimerCommand>& commands);

private:
    platform::UserDefaults* m_defaults;
    platform::CrossProcessNotifier* m_notifier;
};
