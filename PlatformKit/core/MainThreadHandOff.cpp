#include "PlatformKit/core/MainThreadHandOff.h"

#include <QMetaObject>
#include <QObject>

#include <mutex>

namespace platform {

// What the hand-off and every bound callable share. `receiver` lives on the
// owning thread; it is null once the hand-off is gone.
struct MainThreadHandOff::Shared {
    std::mutex mutex;
    QObject* receiver = nullptr;
};

MainThreadHandOff::MainThreadHandOff() : m_shared(std::make_shared<Shared>())
{
    m_shared->receiver = new QObject;
}

MainThreadHandOff::~MainThreadHandOff()
{
    QObject* receiver = nullptr;
    {
        const std::lock_guard lock(m_shared->mutex);
        receiver = m_shared->receiver;
        m_shared->receiver = nullptr;
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
        const std::lock_guard lock(shared->mutex);
        if (shared->receiver)
            QMetaObject::invokeMethod(shared->receiver, work, Qt::QueuedConnection);
    };
}

} // namespace platform
