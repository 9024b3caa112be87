#include "PlatformKit/power/LogindSleepInhibitor.h"

#include "PlatformKit/power/BusSleepInhibition.h"

#include <QDBusUnixFileDescriptor>

namespace platform {
namespace {

// Closing the descriptor is the release, and closing cannot be refused.
class FileDescriptorInhibition final : public SleepInhibition {
public:
    explicit FileDescriptorInhibition(QDBusUnixFileDescriptor descriptor) : m_descriptor(std::move(descriptor)) {}
    bool release() override
    {
        m_descriptor = QDBusUnixFileDescriptor();
        return true;
    }

private:
    QDBusUnixFileDescriptor m_descriptor;
};

} // namespace

LogindSleepInhibitor::LogindSleepInhibitor(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::unique_ptr<SleepInhibition> LogindSleepInhibitor::inhibit(const QString& reason)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("idle") << QStringLiteral("Kelvane") << reason << QStringLiteral("block");
    const QDBusMessage reply = callSleepService(m_bus, call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return nullptr;
    auto descriptor = qvariant_cast<QDBusUnixFileDescriptor>(reply.arguments().constFirst());
    if (!descriptor.isValid())
        return nullptr;
    return std::make_unique<FileDescriptorInhibition>(std::move(descriptor));
}

} // namespace platform
