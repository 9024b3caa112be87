// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/tray/StatusItem.h"

#include <QDBusConnection>
#include <QPoint>

#include <memory>
#include <optional>

namespace platform {

class DBusMenuExporter;
class NotifierItemAdaptor;

// The item as a StatusNotifierItem on the session bus, registered with the
// watcher there. The host passes the click's position with each request; it
// is the item's anchor. Hosts that show the item's own menu instead of
// asking for ContextMenu get one from the menu source.
class NotifierStatusItem final : public StatusItem {
    Q_OBJECT

public:
    // `exportMenu`: whether the host is given a menu (hosts that show one on
    // a right click never pass that click on).
    NotifierStatusItem(QDBusConnection bus, bool exportMenu, QObject* parent = nullptr);
    ~NotifierStatusItem() override;

    Shape shape() const override { return Shape::SquareCell; }
    QRect anchorRect() const override;
    void refreshMenu() override;

    // Whether the watcher took the item.
    bool isRegistered() const { return m_registered; }

    // For the bus adaptor.
    QString menuPath() const;
    void clicked(QPoint at, void (StatusItem::*signal)());

protected:
    void showImages(const QList<QImage>& images) override;
    void showToolTip(const QString& text) override;

private:
    void registerWithWatcher();

    QDBusConnection m_bus;
    QString m_serviceName;
    bool m_registered = false;
    std::unique_ptr<QObject> m_object;
    NotifierItemAdaptor* m_adaptor = nullptr;
    std::unique_ptr<DBusMenuExporter> m_menu;
    bool m_exportMenu = false;
    std::optional<QPoint> m_clickPoint;
};

} // namespace platform
