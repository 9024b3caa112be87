// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/NotifierStatusItem.h"

#include "PlatformKit/core/Logging.h"
#include "PlatformKit/tray/DBusMenuExporter.h"
#include "PlatformKit/tray/NotifierTypes.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform {

namespace {

const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString menuObjectPath = QStringLiteral("/MenuBar");
// What hosts read as "no menu": they then ask for ContextMenu.
const QString noMenuPath = QStringLiteral("/NO_DBUSMENU");

} // namespace

class NotifierItemAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ empty)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QString IconName READ empty)
    Q_PROPERTY(platform::NotifierPixmapList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ empty)
    Q_PROPERTY(platform::NotifierPixmapList OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ empty)
    Q_PROPERTY(platform::NotifierPixmapList AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ empty)
    Q_PROPERTY(platform::NotifierToolTip ToolTip READ toolTip)

public:
    NotifierItemAdaptor(QObject& object, NotifierStatusItem& item)
        : QDBusAbstractAdaptor(&object)
        , m_item(item)
    {
    }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QCoreApplication::applicationName(); }
    QString title() const { return QCoreApplication::applicationName(); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString empty() const { return {}; }
    QDBusObjectPath menu() const { return QDBusObjectPath(m_item.menuPath()); }
    bool itemIsMenu() const { return false; }
    NotifierPixmapList iconPixmap() const { return m_pixmaps; }
    NotifierPixmapList noPixmaps() const { return {}; }
    NotifierToolTip toolTip() const { return {QString(), {}, m_item.toolTip(), QString()}; }

    void setPixmaps(NotifierPixmapList pixmaps)
    {
        m_pixmaps = std::move(pixmaps);
        Q_EMIT NewIcon();
    }
    // The title is the program's name and never changes: telling of a new
    // one with every tooltip made hosts fetch it again each second.
    void toolTipChanged() { Q_EMIT NewToolTip(); }

public Q_SLOTS:
    void Activate(int x, int y) { m_item.clicked({x, y}, &StatusItem::leftClicked); }
    void ContextMenu(int x, int y) { m_item.clicked({x, y}, &StatusItem::rightClicked); }
    void SecondaryActivate(int x, int y) { m_item.clicked({x, y}, &StatusItem::middleClicked); }
    void Scroll(int delta, const QString& orientation)
    {
        Q_UNUSED(delta);
        Q_UNUSED(orientation);
    }
    void ProvideXdgActivationToken(const QString& token) { Q_UNUSED(token); }

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    NotifierStatusItem& m_item;
    NotifierPixmapList m_pixmaps;
};

NotifierStatusItem::NotifierStatusItem(QDBusConnection bus, bool exportMenu, QObject* parent)
    : StatusItem(parent)
    , m_bus(std::move(bus))
    , m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                        .arg(QCoreApplication::applicationPid())
                        .arg(reinterpret_cast<quintptr>(this), 0, 16))
    , m_object(std::make_unique<QObject>())
    , m_exportMenu(exportMenu)
{
    registerNotifierTypes();
    m_adaptor = new NotifierItemAdaptor(*m_object, *this);
    if (m_exportMenu)
        m_menu = std::make_unique<DBusMenuExporter>(m_bus, menuObjectPath, [this] { return menuEntries(); });
    if (!m_bus.registerObject(itemPath, m_object.get(), QDBusConnection::ExportAdaptors)
        || !m_bus.registerService(m_serviceName)) {
        qCWarning(lcTray) << "cannot put the tray item on the bus:" << m_bus.lastError().message();
        return;
    }
    registerWithWatcher();
}

NotifierStatusItem::~NotifierStatusItem()
{
    m_bus.unregisterService(m_serviceName);
    m_bus.unregisterObject(itemPath);
}

void NotifierStatusItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* reply) {
        reply->deleteLater();
        m_registered = !reply->isError();
        if (!m_registered)
            qCWarning(lcTray) << "the tray did not take the item:" << reply->error().message();
    });
}

QRect NotifierStatusItem::anchorRect() const
{
    return m_clickPoint ? QRect(*m_clickPoint, QSize(1, 1)) : QRect();
}

QString NotifierStatusItem::menuPath() const
{
    return m_menu && m_menu->isExported() ? m_menu->path() : noMenuPath;
}

void NotifierStatusItem::refreshMenu()
{
    if (m_menu)
        m_menu->refresh();
}

void NotifierStatusItem::clicked(QPoint at, void (StatusItem::*signal)())
{
    // Some hosts send no position; the pointer is still at the icon.
    m_clickPoint = at.isNull() ? QCursor::pos() : at;
    Q_EMIT(this->*signal)();
}

void NotifierStatusItem::showImages(const QList<QImage>& images)
{
    NotifierPixmapList pixmaps;
    for (const QImage& image : images)
        pixmaps << notifierPixmap(image);
    m_adaptor->setPixmaps(std::move(pixmaps));
}

void NotifierStatusItem::showToolTip(const QString&)
{
    m_adaptor->toolTipChanged();
}

} // namespace platform

#include "NotifierStatusItem.moc"
