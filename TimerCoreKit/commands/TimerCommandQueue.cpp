// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include "TimerCoreKit/json/JsonRecordList.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

namespace {

// The queue held in a stored value; empty when absent or unreadable.
QList<TimerCommand> commandsIn(const std::optional<platform::StoredValue>& stored)
{
    if (!stored)
        return {};
    const auto* data = std::get_if<QByteArray>(&*stored);
    if (!data)
        return {};
    return TimerCommandQueue::decode(*data).value_or(QList<TimerCommand>{});
}

} // namespace

TimerCommandQueue::TimerCommandQueue(platform::UserDefaults& defaults, platform::CrossProcessNotifier& notifier)
    : m_defaults(&defaults)
    , m_notifier(&notifier)
{
}

std::optional<QList<TimerCommand>> TimerCommandQueue::decode(const QByteArray& data)
{
    return json::recordsFromJsonData<TimerCommand>(data);
}

std::optional<QByteArray> TimerCommandQueue::encode(const QList<TimerCommand>& commands)
{
    return json::recordsToJsonData(commands);
}

void TimerCommandQueue::enqueue(const TimerCommand& command) const
{
    if (!command.toJson())
        return;
    bool appended = false;
    m_defaults->update(SharedDefaultsKeys::commandQueue,
                       [&](const std::optional<platform::StoredValue>& stored) -> std::optional<platform::StoredValue> {
                           appended = false;
                           auto commands = commandsIn(stored);
                           if (commands.size() >= capacity || (!commands.isEmpty() && commands.last() == command))
                               return stored;
                           commands.append(command);
                           const auto data = encode(commands);
                           if (!data)
                               return stored;
                           appended = true;
                           return *data;
                       });
    if (appended)
        m_notifier->post(queuedNotificationName);
}

std::optional<TimerCommand> TimerCommandQueue::dequeue() const
{
    std::optional<TimerCommand> oldest;
    m_defaults->update(SharedDefaultsKeys::commandQueue,
                       [&](const std::optional<platform::StoredValue>& stored) -> std::optional<platform::StoredValue> {
                           oldest.reset();
                           auto commands = commandsIn(stored);
                           if (commands.isEmpty())
                               return stored;
                           oldest = commands.takeFirst();
                           if (commands.isEmpty())
                               return std::nullopt;
                           const auto data = encode(commands);
                           if (!data) {
                               oldest.reset();
                               return stored;
                           }
                           return *data;
                       });
    return oldest;
}

QList<TimerCommand> TimerCommandQueue::takeAll() const
{
    QList<TimerCommand> taken;
    m_defaults->update(SharedDefaultsKeys::commandQueue,
                       [&](const std::optional<platform::StoredValue>& stored) -> std::optional<platform::StoredValue> {
                           taken = commandsIn(stored);
                           if (taken.isEmpty())
                               return stored;
                           // Another process may have written past the capacity; what enqueue
                           // would have refused is dropped here.
                           if (taken.size() > capacity)
                               taken.remove(capacity, taken.size() - capacity);
                           return std::nullopt;
                       });
    return taken;
}

QList<TimerCommand> TimerCommandQueue::pendingCommands() const
{
    return commandsIn(m_defaults->object(SharedDefaultsKeys::commandQueue));
}

void TimerCommandQueue::clearQueue() const
{
    m_defaults->remove(SharedDefaultsKeys::commandQueue);
}
