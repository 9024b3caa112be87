// SPDX-License-Identifier: GPL-3.0-or-later
// The tray item on a real session bus, seen from a host: a watcher and host
// of the test's own, on a connection of their own, call the item as panels do.
#include "PlatformKit/tray/DBusMenuTypes.h"
#include "PlatformKit/tray/NotifierStatusItem.h"
#include "PlatformKit/tray/NotifierTypes.h"
#include "PlatformKit/tray/StripStatusItem.h"
#include "PlatformKit/tray/TrayFollowingStatusItem.h"

#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace std::chrono_literals;
using namespace Qt::Literals::StringLiterals;
using platform::StatusItem;
using platform::StatusMenuEntry;
using platform::test::waitUntil;

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString itemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString menuInterface = QStringLiteral("com.canonical.dbusmenu");

class Watcher final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")

public:
    QStringList items;

public Q_SLOTS:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString& service) { items << service; }
};

// How often a signal of the item's was seen.
class SignalCount final : public QObject {
    Q_OBJECT

public:
    int count = 0;

public Q_SLOTS:
    void seen() { ++count; }
};

// A panel: the watcher's name on a connection of its own, calling the item
// as a host does (with a local event loop, so the item in this same thread
// can answer).
class Host {
public:
    Host()
        : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("host")))
    {
    }
    ~Host()
    {
        leave();
        QDBusConnection::disconnectFromBus(QStringLiteral("host"));
    }

    bool arrive()
    {
        return m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcher,
                                    QDBusConnection::ExportScriptableSlots)
            && m_bus.registerService(watcherService);
    }
    void leave()
    {
        m_bus.unregisterService(watcherService);
        m_bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    }

    // The service of the last item that registered; empty until one has.
    QString waitForItem(qsizetype count = 1)
    {
        waitUntil([&] { return m_watcher.items.size() >= count; }, 5s);
        return m_watcher.items.size() >= count ? m_watcher.items.last() : QString();
    }

    QDBusMessage call(const QString& service, const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::BlockWithGui, 5000);
    }
    QVariant property(const QString& service, const QString& path, const QString& interface, const QString& name)
    {
        const QDBusMessage reply = call(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                        QStringLiteral("Get"), {interface, name});
        return reply.arguments().isEmpty() ? QVariant() : reply.arguments().first().value<QDBusVariant>().variant();
    }

    QDBusConnection& bus() { return m_bus; }

private:
    QDBusConnection m_bus;
    Watcher m_watcher;
};

QImage filled(int size, QColor color)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

struct MenuLayout {
    uint revision = 0;
    platform::DBusMenuLayoutItem root;
};

MenuLayout layoutOf(Host& host, const QString& service)
{
    const QDBusMessage reply = host.call(service, QStringLiteral("/MenuBar"), menuInterface,
                                         QStringLiteral("GetLayout"), {0, -1, QStringList()});
    if (reply.arguments().size() != 2)
        return {};
    return {reply.arguments()[0].toUInt(), qdbus_cast<platform::DBusMenuLayoutItem>(reply.arguments()[1])};
}

TEST(NotifierItemBusTest, RegistersWithTheWatcherAndShowsItsPicturesAndToolTip)
{
    Host host;
    ASSERT_TRUE(host.arrive());
    platform::NotifierStatusItem item(QDBusConnection::sessionBus(), true);
    item.setImages({filled(16, QColor(0x11, 0x22, 0x33, 0x44)), filled(22, Qt::white)});
    item.setToolTip(QStringLiteral("Timer ready: 5 minutes"));
    const QString service = host.waitForItem();
    ASSERT_FALSE(service.isEmpty()) << "the item did not register";
    EXPECT_TRUE(waitUntil([&] { return item.isRegistered(); }));

    const auto pixmaps = qdbus_cast<platform::NotifierPixmapList>(
        host.property(service, itemPath, itemInterface, QStringLiteral("IconPixmap")).value<QDBusArgument>());
    ASSERT_EQ(pixmaps.size(), 2);
    EXPECT_EQ(pixmaps[0].width, 16);
    EXPECT_EQ(pixmaps[1].height, 22);
    ASSERT_EQ(pixmaps[0].bytes.size(), 16 * 16 * 4);
    // Alpha first, then red, green, blue, whatever the machine's byte order.
    EXPECT_EQ(pixmaps[0].bytes.left(4), QByteArray("\x44\x11\x22\x33", 4));

    const auto toolTip = qdbus_cast<platform::NotifierToolTip>(
        host.property(service, itemPath, itemInterface, QStringLiteral("ToolTip")).value<QDBusArgument>());
    EXPECT_EQ(toolTip.title, QStringLiteral("Timer ready: 5 minutes"));
}

// The tooltip follows the time every second; a host told of a new title or
// icon as well would fetch those again each second for nothing.
TEST(NotifierItemBusTest, ANewToolTipIsAnnouncedAloneAndOnlyANewPictureAsAnIcon)
{
    Host host;
    ASSERT_TRUE(host.arrive());
    platform::NotifierStatusItem item(QDBusConnection::sessionBus(), true);
    item.setImages({filled(22, Qt::white)});
    item.setToolTip(QStringLiteral("Timer running: 25:00"));
    const QString service = host.waitForItem();
    ASSERT_FALSE(service.isEmpty());
    std::map<QString, SignalCount> seen;
    for (const QString& signal : {u"NewToolTip"_s, u"NewTitle"_s, u"NewIcon"_s}) {
        ASSERT_TRUE(host.bus().connect(service, itemPath, itemInterface, signal, &seen[signal], SLOT(seen())));
    }
    item.setToolTip(QStringLiteral("Timer running: 24:59"));
    item.setToolTip(QStringLiteral("Timer running: 24:58"));
    item.setImages({filled(22, Qt::white)});
    item.setImages({filled(22, Qt::black)});
    EXPECT_TRUE(waitUntil([&] { return seen[u"NewToolTip"_s].count == 2 && seen[u"NewIcon"_s].count == 1; }));
    // Signals come in order: one more tooltip after them all ends the watch.
    item.setToolTip(QStringLiteral("Timer running: 24:57"));
    EXPECT_TRUE(waitUntil([&] { return seen[u"NewToolTip"_s].count == 3; }));
    EXPECT_EQ(seen[u"NewTitle"_s].count, 0);
    EXPECT_EQ(seen[u"NewIcon"_s].count, 1);
}

TEST(NotifierItemBusTest, EachRequestIsItsClickAndItsPositionTheAnchor)
{
    Host host;
    ASSERT_TRUE(host.arrive());
    platform::NotifierStatusItem item(QDBusConnection::sessionBus(), false);
    const QString service = host.waitForItem();
    ASSERT_FALSE(service.isEmpty());

    const struct {
        const char* method;
        void (StatusItem::*signal)();
        QPoint at;
    } cases[] = {
        {"Activate", &StatusItem::leftClicked, {1200, 790}},
        {"ContextMenu", &StatusItem::rightClicked, {40, 12}},
        {"SecondaryActivate", &StatusItem::middleClicked, {640, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        int emitted = 0;
        const auto connection = QObject::connect(&item, c.signal, [&] { ++emitted; });
        host.call(service, itemPath, itemInterface, QString::fromLatin1(c.method), {c.at.x(), c.at.y()});
        EXPECT_TRUE(waitUntil([&] { return emitted == 1; }));
        EXPECT_EQ(item.anchorRect(), QRect(c.at, QSize(1, 1)));
        QObject::disconnect(connection);
    }
}

TEST(NotifierItemBusTest, AHostThatPassesTheRightClickIsGivenNoMenu)
{
    for (const bool exportMenu : {true, false}) {
        SCOPED_TRACE(exportMenu ? "menu" : "no menu");
        Host host;
        ASSERT_TRUE(host.arrive());
        platform::NotifierStatusItem item(QDBusConnection::sessionBus(), exportMenu);
        const QString service = host.waitForItem();
        ASSERT_FALSE(service.isEmpty());
        const auto menu
            = host.property(service, itemPath, itemInterface, QStringLiteral("Menu")).value<QDBusObjectPath>();
        EXPECT_EQ(menu.path(), exportMenu ? QStringLiteral("/MenuBar") : QStringLiteral("/NO_DBUSMENU"));
        EXPECT_FALSE(host.property(service, itemPath, itemInterface, QStringLiteral("ItemIsMenu")).toBool());
    }
}

TEST(NotifierItemBusTest, TheMenuFollowsItsSourceAndPerformsTheClickedEntry)
{
    Host host;
    ASSERT_TRUE(host.arrive());
    platform::NotifierStatusItem item(QDBusConnection::sessionBus(), true);
    QString toggle = QStringLiteral("Start");
    QStringList performed;
    item.setMenuSource([&] {
        return QList<StatusMenuEntry>{{toggle, true, [&] { performed << toggle; }},
                                      {QStringLiteral("Reset"), false, [&] { performed << QStringLiteral("Reset"); }},
                                      {QStringLiteral("Quit"), true, [&] { performed << QStringLiteral("Quit"); }}};
    });
    const QString service = host.waitForItem();
    ASSERT_FALSE(service.isEmpty());

    const MenuLayout first = layoutOf(host, service);
    ASSERT_EQ(first.root.children.size(), 3);
    EXPECT_EQ(first.root.children[0].properties.value(QStringLiteral("label")).toString(), QStringLiteral("Start"));
    EXPECT_FALSE(first.root.children[1].properties.value(QStringLiteral("enabled")).toBool());

    // A host that keeps a copy hears of a new label when the owner says so;
    // one about to show the menu learns then that it must fetch it.
    SignalCount updates;
    ASSERT_TRUE(host.bus().connect(service, QStringLiteral("/MenuBar"), menuInterface, QStringLiteral("LayoutUpdated"),
                                   &updates, SLOT(seen())));
    toggle = QStringLiteral("Pause");
    item.refreshMenu();
    EXPECT_TRUE(waitUntil([&] { return updates.count == 1; })) << "no LayoutUpdated for the new label";
    toggle = QStringLiteral("Resume");
    const QDBusMessage about
        = host.call(service, QStringLiteral("/MenuBar"), menuInterface, QStringLiteral("AboutToShow"), {0});
    ASSERT_EQ(about.arguments().size(), 1);
    EXPECT_TRUE(about.arguments().first().toBool()) << "the new label was not announced";
    const QDBusMessage again
        = host.call(service, QStringLiteral("/MenuBar"), menuInterface, QStringLiteral("AboutToShow"), {0});
    EXPECT_FALSE(again.arguments().value(0).toBool()) << "an unchanged menu was announced";
    const MenuLayout second = layoutOf(host, service);
    EXPECT_GT(second.revision, first.revision);
    EXPECT_EQ(second.root.children[0].properties.value(QStringLiteral("label")).toString(), QStringLiteral("Resume"));

    for (const int id : {2, 1, 3}) {
        host.call(service, QStringLiteral("/MenuBar"), menuInterface, QStringLiteral("Event"),
                  {id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(QString())), 0u});
    }
    EXPECT_TRUE(waitUntil([&] { return performed.size() == 2; }));
    EXPECT_EQ(performed, (QStringList{QStringLiteral("Resume"), QStringLiteral("Quit")})) << "a disabled entry ran";
}

TEST(NotifierItemBusTest, TheItemMovesFromTheStripToATrayThatAppearsAndBack)
{
    Host host;
    auto watch = std::make_unique<platform::TrayWatch>(QDBusConnection::sessionBus());
    int made = 0;
    platform::TrayFollowingStatusItem item(
        std::move(watch), [&](platform::TrayRoad road, const platform::TrayPresence&) -> std::unique_ptr<StatusItem> {
            ++made;
            if (road == platform::TrayRoad::Notifier)
                return std::make_unique<platform::NotifierStatusItem>(QDBusConnection::sessionBus(), true);
            return std::make_unique<platform::StripStatusItem>();
        });
    int shapeChanges = 0;
    QObject::connect(&item, &StatusItem::shapeChanged, [&] { ++shapeChanges; });
    item.setImages({filled(22, Qt::red)});
    item.setMenuSource([] { return QList<StatusMenuEntry>{{QStringLiteral("Start"), true, {}}}; });
    ASSERT_EQ(item.road(), platform::TrayRoad::Strip);
    EXPECT_EQ(item.shape(), StatusItem::Shape::Strip);

    ASSERT_TRUE(host.arrive());
    const QString service = host.waitForItem();
    ASSERT_FALSE(service.isEmpty()) << "the item did not move to the tray that appeared";
    EXPECT_EQ(item.road(), platform::TrayRoad::Notifier);
    EXPECT_EQ(shapeChanges, 1);
    // What it showed and its menu came along.
    const auto pixmaps = qdbus_cast<platform::NotifierPixmapList>(
        host.property(service, itemPath, itemInterface, QStringLiteral("IconPixmap")).value<QDBusArgument>());
    EXPECT_EQ(pixmaps.size(), 1);
    const MenuLayout menu = layoutOf(host, service);
    ASSERT_EQ(menu.root.children.size(), 1);
    EXPECT_EQ(menu.root.children[0].properties.value(QStringLiteral("label")).toString(), QStringLiteral("Start"));

    host.leave();
    EXPECT_TRUE(waitUntil([&] { return item.road() == platform::TrayRoad::Strip; }))
        << "it did not go back to the strip";
    EXPECT_EQ(shapeChanges, 2);
    EXPECT_EQ(made, 3);
}

TEST(NotifierItemBusTest, TheWatchHearsAHostComeAndGoByItsName)
{
    // Plasma's watcher says nothing when plasmashell quits: its host name is what goes.
    Host host;
    ASSERT_TRUE(host.arrive());
    platform::TrayWatch watch(QDBusConnection::sessionBus());
    EXPECT_FALSE(watch.presence().notifierWatcher.isEmpty());
    EXPECT_FALSE(watch.presence().notifierHostNamed);
    int changes = 0;
    QObject::connect(&watch, &platform::TrayWatch::changed, [&] { ++changes; });

    for (const QString& name :
         {QStringLiteral("org.kde.StatusNotifierHost-4242"), QStringLiteral("org.freedesktop.StatusNotifierHost-77")}) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(host.bus().registerService(name));
        EXPECT_TRUE(waitUntil([&] { return watch.presence().notifierHostNamed; })) << "the host's name went unheard";
        ASSERT_TRUE(host.bus().unregisterService(name));
        EXPECT_TRUE(waitUntil([&] { return !watch.presence().notifierHostNamed; })) << "the host left unheard";
    }
    EXPECT_EQ(changes, 4);
    // Other names come and go without a word.
    ASSERT_TRUE(host.bus().registerService(QStringLiteral("org.kde.StatusNotifierHostile")));
    ASSERT_TRUE(host.bus().registerService(QStringLiteral("org.kde.plasmashell")));
    platform::test::runEventLoop(300ms);
    EXPECT_EQ(changes, 4);
}

} // namespace

#include "NotifierItemBusTests.moc"
