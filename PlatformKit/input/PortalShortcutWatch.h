// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/input/ShortcutWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

namespace platform {

// Binds the shortcuts through the desktop's GlobalShortcuts portal, which
// lets the user confirm or change the keys. Where the portal is not offered
// the calls fail and the watch stays silent.
class PortalShortcutWatch final : public QObject, public ShortcutWatch {
    Q_OBJECT

public:
    PortalShortcutWatch(const QDBusConnection& bus, QList<Shortcut> shortcuts, ShortcutActivated onActivated);
    ~PortalShortcutWatch() override;

    // Whether the portal took the shortcuts.
    bool isBound() const { return m_bound; }

Q_SIGNALS:
    void bound();

private Q_SLOTS:
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);
    void activated(const QDBusMessage& message);

private:
    // Calls a portal method that answers through a Request object, whose
    // Response goes to `slot`. The last argument is the options, to which
    // the handle token is added.
    void request(const QString& method, QVariantList arguments, const char* slot);
    void listenForResponse(const QString& path, const char* slot);
    // Says once in the log that the portal would not take the shortcuts.
    void refused(uint response);

    QDBusConnection m_bus;
    QList<Shortcut> m_shortcuts;
    ShortcutActivated m_onActivated;
    QString m_session;
    QString m_pendingRequest;
    bool m_bound = false;
};

} // namespace platform
