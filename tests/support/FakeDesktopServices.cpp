// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeDesktopServices.h"

#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace platform::test {

void FakeDesktopService::answerHeld()
{
    auto waiting = std::exchange(m_waiting, {});
    for (const Waiting& held : waiting)
        QDBusConnection(held.connection)
            .send(held.value.isValid() ? held.call.createReply(held.value) : held.call.createReply());
}

void FakeDesktopService::answerEmpty()
{
    m_calls.append(message().member());
    if (!m_held.contains(message().member()))
        return;
    setDelayedReply(true);
    m_waiting.push_back({connection().name(), message(), QVariant()});
}

QDBusObjectPath FakePortalInhibit::Inhibit(const QString&, uint, const QVariantMap&)
{
    return answer(
        QDBusObjectPath(QStringLiteral("/org/freedesktop/portal/desktop/request/fake/%1").arg(calls().size() + 1)));
}

uint FakeScreenSaver::Inhibit(const QString&, const QString&)
{
    return answer(41u);
}

void FakeScreenSaver::UnInhibit(uint)
{
    answerEmpty();
}

QDBusUnixFileDescriptor FakeLogind::Inhibit(const QString&, const QString&, const QString&, const QString&)
{
    const int descriptor = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    QDBusUnixFileDescriptor held(descriptor);
    ::close(descriptor);
    return answer(held);
}

QStringList FakeNotificationServer::GetCapabilities()
{
    return answer(QStringList{QStringLiteral("body")});
}

uint FakeNotificationServer::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                                    const QString& summary, const QString&, const QStringList&,
                                    const QVariantMap& hints, int)
{
    m_received.push_back({appName, replacesId, appIcon, summary, hints});
    return answer(replacesId != 0 ? replacesId : ++m_lastId);
}

void FakeNotificationServer::CloseNotification(uint id)
{
    answerEmpty();
    close(id, connection());
}

void FakeNotificationServer::close(uint id, const QDBusConnection& bus)
{
    QDBusMessage closed = QDBusMessage::createSignal(path, service, QStringLiteral("NotificationClosed"));
    closed << id << 3u;
    bus.send(closed);
}

} // namespace platform::test
