// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/StorageProblemNotice.h"

StorageProblemNotice::StorageProblemNotice(platform::UserDefaults& defaults,
                                           platform::DesktopNotifications& notifications, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_notifications(notifications)
{
    // Queued, so a problem met inside another thread's write, or during
    // start-up, is told from this thread's event loop.
    m_defaults.setOnPersistenceProblem([this](const platform::PersistenceProblem& problem) {
        QMetaObject::invokeMethod(
            this, [this, problem] { tell(problem); }, Qt::QueuedConnection);
    });
    if (const auto problem = m_defaults.persistenceProblem())
        QMetaObject::invokeMethod(
            this, [this, present = *problem] { tell(present); }, Qt::QueuedConnection);
}

StorageProblemNotice::~StorageProblemNotice()
{
    m_defaults.setOnPersistenceProblem({});
}

platform::DesktopNotification StorageProblemNotice::notificationFor(const platform::PersistenceProblem& problem)
{
    return {
        .identifier = QString(identifier),
        .title = tr("Kelvane cannot save changes"),
        .body = tr("Changes to the timer and settings will be lost when Kelvane quits. The file %1 cannot take "
                   "them (%2).")
                    .arg(problem.path, problem.reason),
    };
}

void StorageProblemNotice::tell(const platform::PersistenceProblem& problem)
{
    if (m_told)
        return;
    m_told = true;
    m_notifications.post(notificationFor(problem), [] {});
}
