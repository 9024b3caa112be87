// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/tray/StatusItem.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <memory>

namespace platform {

class DBusMenuAdaptor;

// The item's menu on the bus (com.canonical.dbusmenu), one flat list of
// entries read from the item's menu source: asked again whenever a host
// fetches the layout or is about to show it, so labels are never stale.
class DBusMenuExporter final : public QObject {
    Q_OBJECT

public:
    DBusMenuExporter(QDBusConnection bus, QString path, StatusItem::MenuSource source);
    ~DBusMenuExporter() override;

    const QString& path() const { return m_path; }
    bool isExported() const { return m_exported; }
    // Reads the entries again; tells hosts when their labels or states changed.
    bool refresh();

    // For the bus adaptor.
    uint revision() const { return m_revision; }
    const QList<StatusMenuEntry>& entries() const { return m_entries; }
    void trigger(int id);

Q_SIGNALS:
    void layoutUpdated(uint revision, int parent);

private:
    QDBusConnection m_bus;
    QString m_path;
    StatusItem::MenuSource m_source;
    QList<StatusMenuEntry> m_entries;
    uint m_revision = 1;
    bool m_exported = false;
    DBusMenuAdaptor* m_adaptor = nullptr;
};

} // namespace platform
