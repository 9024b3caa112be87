// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

class QDBusServiceWatcher;
struct xcb_connection_t;

namespace platform {

// Which trays the desktop has right now.
struct TrayPresence {
    // The owner of org.kde.StatusNotifierWatcher on the session bus; empty
    // when none.
    QString notifierWatcher;
    // The program that owner runs, as /proc names it ("kded5").
    QString notifierWatcherProgram;
    // Whether a host that shows the watcher's items owns its
    // org.kde.StatusNotifierHost-<pid> name (Plasma's plasmashell does).
    bool notifierHostNamed = false;
    // Whether an XEmbed tray owns the screen's _NET_SYSTEM_TRAY_S<n>.
    bool xembedTray = false;

    bool operator==(const TrayPresence&) const = default;
};

// Where the item goes: on the bus where a watcher has a host to show its
// items (it also covers hosts that take both), in the XEmbed tray otherwise,
// else in the strip.
enum class TrayRoad { Notifier, XEmbed, Strip };
TrayRoad trayRoad(const TrayPresence& presence);

// Whether the watcher runs apart from the hosts that show its items: Plasma's
// lives in kded, up before plasmashell and on after it quits, and still says
// a host is registered once the host has gone. Panels run their own.
bool notifierWatcherStandsApart(const QString& watcherProgram);

// Whether the host behind this watcher passes a right click on as
// ContextMenu, so the item must not offer it a menu: Plasma shows an item's
// menu instead when it has one.
bool notifierHostPassesRightClick(const QString& watcherProgram);

// Watches for trays coming and going: the watcher's name through the bus,
// the XEmbed selection through XFixes' selection events, which the X server
// sends only when its owner changes (asked now and then where the server has
// no XFixes).
class TrayWatch final : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit TrayWatch(QDBusConnection bus, QObject* parent = nullptr);
    ~TrayWatch() override;

    const TrayPresence& presence() const { return m_presence; }

Q_SIGNALS:
    void changed();

private Q_SLOTS:
    void nameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    void update(const TrayPresence& now);
    QString watcherOwner() const;
    QString programOf(const QString& owner) const;
    bool xembedTrayPresent() const;
    bool watchSelectionOwner();
    bool hostNamed() const;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    QDBusConnection m_bus;
    QDBusServiceWatcher* m_watcher = nullptr;
    QTimer m_poll;
    xcb_connection_t* m_x = nullptr;
    uint32_t m_trayAtom = 0;
    // XFixes' first event code; 0 while its events are not watched.
    uint8_t m_xfixesEvent = 0;
    TrayPresence m_presence;
};

} // namespace platform
