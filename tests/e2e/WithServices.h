// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A test desktop with the program talking to its services: a countdown
// seeded to end with a notification, and links handed to the running program
// over the bus as a second copy would.

#include "EndToEndFixture.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>

namespace withservices {

inline const QString serviceName = QStringLiteral("com.morrowfen.Kelvane");

inline TimerStateSnapshot pausedCountdown(double seconds)
{
    TimerStateSnapshot snapshot;
    snapshot.mode = TimerMode::Paused;
    snapshot.duration = seconds;
    snapshot.remaining = seconds;
    return snapshot;
}

} // namespace withservices

template <TestDesktop::Tray tray>
class WithServices : public OnDesktop<tray> {
protected:
    using Base = OnDesktop<tray>;

    // A paused countdown of `seconds`, announced with a notification, with
    // the computer kept awake while it runs.
    bool seed(double seconds, bool preventsSleep = true)
    {
        const QString path = Base::m_desktop->storePath();
        if (!StoredTimer::seed(path, withservices::pausedCountdown(seconds)))
            return false;
        const auto settings = platform::UserDefaults::openFile(path);
        settings->setBool(SharedDefaultsKeys::completionShowNotification, true);
        settings->setBool(SharedDefaultsKeys::preventSleep, preventsSleep);
        return true;
    }

    // Starts the program, with the test's bus standing for the system bus
    // too, and waits until it owns its name.
    bool startAndWait(QProcessEnvironment extra = {})
    {
        extra.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), Base::m_desktop->busAddress());
        Base::startProgram({}, extra);
        return platform::test::waitUntil(
            [this] {
                return Base::m_desktop->bus().interface()->isServiceRegistered(withservices::serviceName).value();
            },
            std::chrono::seconds(15));
    }

    // Hands `link` to the running program as a second copy would.
    // The program drops a link that comes within a second of the last one it
    // took: the next is sent past that.
    void waitPastLinkGate()
    {
        constexpr qint64 gateMs = 1100;
        if (m_lastLink.isValid() && m_lastLink.elapsed() < gateMs)
            platform::test::runEventLoop(std::chrono::milliseconds(gateMs - m_lastLink.elapsed()));
    }

    bool sendLink(const QString& link)
    {
        waitPastLinkGate();
        const bool sent = Base::m_desktop
                              ->run(QStringLiteral("gdbus"),
                                    {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
                                     withservices::serviceName, QStringLiteral("--object-path"),
                                     QStringLiteral("/com/morrowfen/Kelvane"), QStringLiteral("--method"),
                                     QStringLiteral("org.freedesktop.Application.Open"),
                                     QStringLiteral("['%1']").arg(link), QStringLiteral("{}")})
                              .has_value();
        // The gate runs from when the program took the link, which is before
        // its answer came back, not from when the call left: on a loaded
        // machine the two are apart.
        m_lastLink.start();
        return sent;
    }

    // Runs the one-second countdown from its start to its end.
    bool complete()
    {
        if (Base::m_timer->mode() == TimerMode::Completed) {
            if (!sendLink(QStringLiteral("kelvane://timer/reset")) || !Base::waitForMode(TimerMode::Idle))
                return false;
        }
        return sendLink(QStringLiteral("kelvane://timer/start"))
            && Base::waitForMode(TimerMode::Completed, std::chrono::seconds(15));
    }

    QElapsedTimer m_lastLink;
};
