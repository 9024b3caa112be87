// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/core/MainThreadHandOff.h"

#include <QMetaObject>
#include <QObject>

#include <mutex>
#include <utility>

namespace platform {

namespace {

// Held while work is queued, and taken again on the owning thread before the
// work runs. Qt's own lock around its event queue is out of ThreadSanitizer's
// sight (Qt is not built with it); this one shows that the work, and all the
// queueing thread wrote before, come after the queueing. Only ever held for
// a moment. It cannot live in the shared state: the queued work would have to
// read its captured pointer to reach it, and that read comes before the lock.
std::mutex queueing;

} // namespace

// What the hand-off and every bound callable share. `receiver` lives on the
// owning thread; it is null once the hand-off is gone.
struct MainThreadHandOff::Shared {
    QObject* receiver = nullptr;
};

MainThreadHandOff::MainThreadHandOff()
    : m_shared(std::make_shared<Shared>())
{
    m_shared->receiver = new QObject;
}

MainThreadHandOff::~MainThreadHandOff()
{
    QObject* receiver = nullptr;
    {
        const std::lock_guard lock(queueing);
        receiver = std::exchange(m_shared->receiver, nullptr);
    }
    // No call can queue to it any more; deleting it (on its own thread)
    // removes the work still queued for it.
    delete receiver;
}

std::function<void()> MainThreadHandOff::bind(std::function<void()> work) const
{
    if (!work)
        return [] {};
    return [shared = m_shared, work = std::move(work)] {
        // Queueing happens under the lock, so the receiver cannot be deleted
        // between the check and the post.
        const std::lock_guard lock(queueing);
        if (!shared->receiver)
            return;
        QMetaObject::invokeMethod(
            shared->receiver,
            [work] {
                {
                    const std::lock_guard after(queueing);
                }
                work();
            },
            Qt::QueuedConnection);
    };
}

} // namespace platform
