// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the notification server of a test desktop is asked to show, read
// with dbus-monitor: each Notify call, and how many notifications it said
// were closed.

#include "TestDesktop.h"

#include <QDBusMessage>

#include <chrono>
#include <memory>
#include <vector>

// One Notify the server received, as dbus-monitor printed it.
struct SeenNotify {
    uint replacesId = 0;
    QString appIcon;
    QString desktopEntry;
};

class NotifyMonitor {
public:
    explicit NotifyMonitor(const TestDesktop& desktop)
        : m_desktop(desktop)
    {
    }

    // Starts listening; false when dbus-monitor hears nothing in time.
    // Listening once it prints a notification of the test's own, which the
    // server is then asked to close, and which is forgotten once it says so.
    bool start()
    {
        using namespace std::chrono_literals;
        m_monitor = m_desktop.start(QStringLiteral("dbus-monitor"),
                                    {QStringLiteral("--address"), m_desktop.busAddress(),
                                     QStringLiteral("type='method_call',interface='org.freedesktop.Notifications',"
                                                    "member='Notify'"),
                                     QStringLiteral("type='signal',interface='org.freedesktop.Notifications',"
                                                    "member='NotificationClosed'")});
        const auto deadline = std::chrono::steady_clock::now() + 15s;
        uint probe = 0;
        while (m_seen.empty() && std::chrono::steady_clock::now() < deadline) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
                QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
            call << QStringLiteral("test") << 0u << QString() << QStringLiteral("probe") << QString() << QStringList()
                 << QVariantMap() << -1;
            const QDBusMessage reply = m_desktop.bus().call(call);
            if (!reply.arguments().isEmpty())
                probe = reply.arguments().first().toUInt();
            read(500ms);
        }
        if (m_seen.empty())
            return false;
        QDBusMessage close = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("CloseNotification"));
        close << probe;
        m_desktop.bus().call(close);
        const bool closed = waitForClosed(1, 10s);
        m_seen.clear();
        m_closed = 0;
        return closed;
    }

    // Reads what dbus-monitor printed until `count` Notify calls are seen.
    bool waitForNotifies(std::size_t count)
    {
        using namespace std::chrono_literals;
        const auto deadline = std::chrono::steady_clock::now() + 15s;
        while (m_seen.size() < count && std::chrono::steady_clock::now() < deadline)
            read(100ms);
        // The rest of the last call's lines.
        read(200ms);
        return m_seen.size() >= count;
    }

    // Until the server has said `count` notifications were closed.
    bool waitForClosed(int count, std::chrono::milliseconds timeout)
    {
        using namespace std::chrono_literals;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (m_closed < count && std::chrono::steady_clock::now() < deadline)
            read(100ms);
        return m_closed >= count;
    }

    const std::vector<SeenNotify>& seen() const { return m_seen; }

private:
    // Reads dbus-monitor's lines for about `wait`, parsing the Notify calls.
    void read(std::chrono::milliseconds wait)
    {
        using namespace std::chrono_literals;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (std::chrono::steady_clock::now() < deadline) {
            const auto line = m_monitor->readLine(20ms);
            if (!line)
                continue;
            if (line->contains(QLatin1String("member=NotificationClosed"))) {
                ++m_closed;
                m_inNotify = false;
                continue;
            }
            if (line->contains(QLatin1String("member=Notify"))) {
                m_seen.emplace_back();
                m_inNotify = true;
                m_field = 0;
                continue;
            }
            if (!m_inNotify)
                continue;
            SeenNotify& seen = m_seen.back();
            const QString text = line->section(QLatin1Char('"'), 1, 1);
            ++m_field;
            if (m_field == 2)
                seen.replacesId = line->section(QLatin1Char(' '), -1).toUInt();
            else if (m_field == 3)
                seen.appIcon = text;
            if (m_lastString == QLatin1String("desktop-entry") && line->contains(QLatin1String("variant")))
                seen.desktopEntry = text;
            m_lastString = text;
        }
    }

    const TestDesktop& m_desktop;
    std::unique_ptr<DesktopProcess> m_monitor;
    std::vector<SeenNotify> m_seen;
    int m_closed = 0;
    bool m_inNotify = false;
    int m_field = 0;
    QString m_lastString;
};
