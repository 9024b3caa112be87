// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/DBusMenuExporter.h"

#include "PlatformKit/core/Logging.h"
#include "PlatformKit/tray/DBusMenuTypes.h"

#include <QDBusAbstractAdaptor>
#include <QTimer>

namespace platform {

namespace {

// The root holds the entries; entry i has id i + 1.
constexpr int rootId = 0;

QVariantMap entryProperties(const StatusMenuEntry& entry)
{
    // An underscore marks a mnemonic: a literal one is doubled.
    QString label = entry.label;
    label.replace(QLatin1Char('_'), QStringLiteral("__"));
    return {{QStringLiteral("label"), label}, {QStringLiteral("enabled"), entry.enabled}};
}

QVariantMap rootProperties()
{
    return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
}

bool sameEntries(const QList<StatusMenuEntry>& a, const QList<StatusMenuEntry>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const StatusMenuEntry& x, const StatusMenuEntry& y) {
        return x.label == y.label && x.enabled == y.enabled;
    });
}

} // namespace

class DBusMenuAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenuExporter& menu)
        : QDBusAbstractAdaptor(&menu)
        , m_menu(menu)
    {
        connect(&menu, &DBusMenuExporter::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
    }

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    // Types spelt as registered: QtDBus matches the calls by their names.
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   platform::DBusMenuLayoutItem& layout)
    {
        Q_UNUSED(propertyNames);
        m_menu.refresh();
        layout = {};
        if (parentId != rootId) {
            layout.id = parentId;
            if (const StatusMenuEntry* entry = find(parentId))
                layout.properties = entryProperties(*entry);
            return m_menu.revision();
        }
        layout.properties = rootProperties();
        if (recursionDepth != 0) {
            for (int i = 0; i < m_menu.entries().size(); ++i)
                layout.children << DBusMenuLayoutItem{i + 1, entryProperties(m_menu.entries()[i]), {}};
        }
        return m_menu.revision();
    }

    QList<platform::DBusMenuItemProperties> GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames)
    {
        Q_UNUSED(propertyNames);
        DBusMenuItemPropertiesList result;
        for (const int id : ids) {
            if (id == rootId)
                result << DBusMenuItemProperties{id, rootProperties()};
            else if (const StatusMenuEntry* entry = find(id))
                result << DBusMenuItemProperties{id, entryProperties(*entry)};
        }
        return result;
    }

    QDBusVariant GetProperty(int id, const QString& name)
    {
        const StatusMenuEntry* entry = find(id);
        return QDBusVariant(entry ? entryProperties(*entry).value(name) : rootProperties().value(name));
    }

    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp)
    {
        Q_UNUSED(data);
        Q_UNUSED(timestamp);
        if (eventId == QLatin1String("clicked"))
            m_menu.trigger(id);
    }

    QList<int> EventGroup(const QList<platform::DBusMenuEvent>& events)
    {
        QList<int> unknown;
        for (const DBusMenuEvent& event : events) {
            if (id(event.id))
                Event(event.id, event.eventId, event.data, event.timestamp);
            else
                unknown << event.id;
        }
        return unknown;
    }

    bool AboutToShow(int id)
    {
        Q_UNUSED(id);
        return m_menu.refresh();
    }

    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
    {
        Q_UNUSED(idErrors);
        if (m_menu.refresh() && !ids.isEmpty())
            return {rootId};
        return {};
    }

Q_SIGNALS:
    void LayoutUpdated(uint revision, int parent);

private:
    bool id(int candidate) const { return candidate == rootId || find(candidate); }
    const StatusMenuEntry* find(int id) const
    {
        const auto& entries = m_menu.entries();
        return id >= 1 && id <= entries.size() ? &entries[id - 1] : nullptr;
    }

    DBusMenuExporter& m_menu;
};

DBusMenuExporter::DBusMenuExporter(QDBusConnection bus, QString path, StatusItem::MenuSource source)
    : m_bus(std::move(bus))
    , m_path(std::move(path))
    , m_source(std::move(source))
{
    registerDBusMenuTypes();
    if (m_source)
        m_entries = m_source();
    m_adaptor = new DBusMenuAdaptor(*this);
    m_exported = m_bus.registerObject(m_path, this, QDBusConnection::ExportAdaptors);
    if (!m_exported)
        qCWarning(lcTray) << "cannot put the tray menu on the bus at" << m_path;
}

DBusMenuExporter::~DBusMenuExporter()
{
    if (m_exported)
        m_bus.unregisterObject(m_path);
}

bool DBusMenuExporter::refresh()
{
    if (!m_source)
        return false;
    QList<StatusMenuEntry> entries = m_source();
    const bool changed = !sameEntries(entries, m_entries);
    m_entries = std::move(entries);
    if (changed) {
        ++m_revision;
        Q_EMIT layoutUpdated(m_revision, rootId);
    }
    return changed;
}

void DBusMenuExporter::trigger(int id)
{
    if (id < 1 || id > m_entries.size() || !m_entries[id - 1].enabled || !m_entries[id - 1].trigger)
        return;
    // After the host has its answer: the action may open a window or quit.
    QTimer::singleShot(0, this, [action = m_entries[id - 1].trigger] { action(); });
}

} // namespace platform

#include "DBusMenuExporter.moc"
