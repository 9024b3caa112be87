#pragma once

#include "PlatformKit/session/DoNotDisturbSource.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

namespace platform {

// The notification server's `Inhibited` property: on while the server holds
// notifications back. Read when the server appears and followed through its
// change signals, so asking costs nothing; off while there is no server.
// Needs a QCoreApplication; use it from one thread.
class NotificationServerInhibition final : public QObject, public DoNotDisturbSource {
    Q_OBJECT

public:
    explicit NotificationServerInhibition(QDBusConnection bus = QDBusConnection::sessionBus(),
                                          QObject* parent = nullptr);
    ~NotificationServerInhibition() override;

    bool isOn() const override { return m_inhibited; }

private Q_SLOTS:
    void propertiesChanged(const QString& interfaceName, const QVariantMap& changed, const QStringList& invalidated);

private:
    void read();

    QDBusConnection m_bus;
    bool m_inhibited = false;
};

} // namespace platform
