// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/power/LogindSleepInhibitor.h"

#include "PlatformKit/power/BusSleepInhibition.h"

#include <QDBusUnixFileDescriptor>

namespace platform {
namespace {

// Closing the descriptor is the release, and closing cannot be refused.
class FileDescriptorInhibition final : public SleepInhibition {
public:
    explicit FileDescriptorInhibition(QDBusUnixFileDescriptor descriptor)
        : m_descriptor(std::move(descriptor))
    {
    }
    void release(Released released) override
    {
        m_descriptor = QDBusUnixFileDescriptor();
        QMetaObject::invokeMethod(
            &m_context, [released = std::move(released)] { released(true); }, Qt::QueuedConnection);
    }

private:
    QDBusUnixFileDescriptor m_descriptor;
    QObject m_context;
};

} // namespace

LogindSleepInhibitor::LogindSleepInhibitor(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

void LogindSleepInhibitor::inhibit(const QString& reason, Granted granted)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("idle") << QStringLiteral("Kelvane") << reason << QStringLiteral("block");
    callSleepService(m_bus, call, m_context, [granted = std::move(granted)](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
            return granted(nullptr);
        auto descriptor = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().constFirst());
        if (!descriptor.isValid())
            return granted(nullptr);
        granted(std::make_unique<FileDescriptorInhibition>(std::move(descriptor)));
    });
}

} // namespace platform
