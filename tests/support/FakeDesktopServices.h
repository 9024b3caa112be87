// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Desktop services of a test's own, served on a bus connection it names:
// the portal's and the screensaver's Inhibit, logind's, and a notification
// server. Each holds back the answers to the methods it is told to, as a
// hung or slow service does, until the test lets them go; the others are
// answered at once. They run on the thread they live on.

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariantMap>

#include <vector>

namespace platform::test {

class FakeDesktopService : public QObject, protected QDBusContext {
    Q_OBJECT

public:
    // Methods whose answers are held back from now on.
    void hold(QStringList methods) { m_held = QSet<QString>(methods.begin(), methods.end()); }
    // Every call so far, by method name.
    const QStringList& calls() const { return m_calls; }
    int heldCount() const { return static_cast<int>(m_waiting.size()); }
    // Sends every answer held back so far, late.
    void answerHeld();

protected:
    // The answer to the call being handled: `value` now, or later when the
    // method is held (the return value is then ignored).
    template <typename T>
    T answer(T value)
    {
        m_calls.append(message().member());
        if (!m_held.contains(message().member()))
            return value;
        setDelayedReply(true);
        m_waiting.push_back({connection().name(), message(), QVariant::fromValue(value)});
        return T{};
    }
    // The same for a method that answers nothing.
    void answerEmpty();

private:
    struct Waiting {
        QString connection;
        QDBusMessage call;
        QVariant value; // none for an empty answer
    };

    QSet<QString> m_held;
    QStringList m_calls;
    std::vector<Waiting> m_waiting;
};

class FakePortalInhibit final : public FakeDesktopService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")

public:
    static inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    static inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");

public Q_SLOTS:
    QDBusObjectPath Inhibit(const QString& window, uint flags, const QVariantMap& options);
};

class FakeScreenSaver final : public FakeDesktopService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    static inline const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
    static inline const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");

public Q_SLOTS:
    uint Inhibit(const QString& application, const QString& reason);
    void UnInhibit(uint cookie);
};

// Answers with a descriptor of /dev/null, which stands for logind's pipe.
class FakeLogind final : public FakeDesktopService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    static inline const QString service = QStringLiteral("org.freedesktop.login1");
    static inline const QString path = QStringLiteral("/org/freedesktop/login1");

public Q_SLOTS:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why, const QString& mode);
};

// One Notify as the server received it.
struct ReceivedNotification {
    QString appName;
    uint replacesId = 0;
    QString appIcon;
    QString summary;
    QVariantMap hints;
};

class FakeNotificationServer final : public FakeDesktopService {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    static inline const QString service = QStringLiteral("org.freedesktop.Notifications");
    static inline const QString path = QStringLiteral("/org/freedesktop/Notifications");

    const std::vector<ReceivedNotification>& received() const { return m_received; }
    // Closes a shown notification, as a user's click or its expiry does.
    void close(uint id, const QDBusConnection& bus);

public Q_SLOTS:
    QStringList GetCapabilities();
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout);
    void CloseNotification(uint id);

private:
    std::vector<ReceivedNotification> m_received;
    uint m_lastId = 0;
};

// Serves `service` on `bus` at its path and under its name; false when
// either is taken.
template <typename Service>
bool serve(QDBusConnection& bus, Service& service)
{
    return bus.registerObject(Service::path, &service, QDBusConnection::ExportAllSlots)
        && bus.registerService(Service::service);
}

} // namespace platform::test
