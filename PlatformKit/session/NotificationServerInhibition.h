// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/session/DoNotDisturbSource.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <array>
#include <cstddef>

namespace platform {

// The notification server's `Inhibited` property, or dunst's `paused`: on
// while the server holds notifications back. Read when the server appears and
// followed through its change signals, so asking costs nothing; off while
// there is no server.
// Needs a QCoreApplication; use it from one thread.
class NotificationServerInhibition final : public QObject, public DoNotDisturbSource {
    Q_OBJECT

public:
    explicit NotificationServerInhibition(QDBusConnection bus = QDBusConnection::sessionBus(),
                                          QObject* parent = nullptr);
    ~NotificationServerInhibition() override;

    bool isOn() const override;

private Q_SLOTS:
    void propertiesChanged(const QString& interfaceName, const QVariantMap& changed, const QStringList& invalidated);

private:
    void readAll();
    void read(std::size_t flag);

    QDBusConnection m_bus;
    // Per property a server may tell it by (the standard one, dunst's), whether it does.
    std::array<bool, 2> m_held{};
    // Which flag the server offers is logged once.
    bool m_told = false;
};

} // namespace platform
