// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/TrayWatch.h"

#include "PlatformKit/core/Logging.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QGuiApplication>

#include <QCoreApplication>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString hostNamePrefixes[]
    = {QStringLiteral("org.kde.StatusNotifierHost-"), QStringLiteral("org.freedesktop.StatusNotifierHost-")};

bool isHostName(const QString& name)
{
    return std::any_of(std::begin(hostNamePrefixes), std::end(hostNamePrefixes),
                       [&](const QString& prefix) { return name.startsWith(prefix); });
}
// Without XFixes: often enough that a panel started after the program takes
// its icon at once to a user's eye; each look is one round trip to the server.
constexpr int xembedPollMs = 1000;

xcb_connection_t* xcbConnection(int* screen)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return nullptr;
    // Qt's connection is to the default screen of $DISPLAY.
    *screen = 0;
    if (const char* display = std::getenv("DISPLAY")) {
        if (const char* dot = std::strrchr(display, '.'); dot && std::strchr(display, ':') < dot)
            *screen = std::atoi(dot + 1);
    }
    return x11->connection();
}

} // namespace

TrayRoad trayRoad(const TrayPresence& presence)
{
    const bool hosted = !notifierWatcherStandsApart(presence.notifierWatcherProgram) || presence.notifierHostNamed;
    if (!presence.notifierWatcher.isEmpty() && hosted)
        return TrayRoad::Notifier;
    return presence.xembedTray ? TrayRoad::XEmbed : TrayRoad::Strip;
}

bool notifierWatcherStandsApart(const QString& watcherProgram)
{
    return watcherProgram == QLatin1String("kded5") || watcherProgram == QLatin1String("kded6");
}

bool notifierHostPassesRightClick(const QString& watcherProgram)
{
    // Plasma's watcher lives in kded; plasmashell hosts the items.
    static const QStringList plasma{QStringLiteral("kded5"), QStringLiteral("kded6"), QStringLiteral("plasmashell")};
    return plasma.contains(watcherProgram);
}

TrayWatch::TrayWatch(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    if (m_bus.isConnected()) {
        m_watcher = new QDBusServiceWatcher(watcherName, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString&, const QString&, const QString& owner) {
                    TrayPresence now = m_presence;
                    now.notifierWatcher = owner;
                    now.notifierWatcherProgram = programOf(owner);
                    update(now);
                });
        // Hosts come and go under names of their own; the bus says when.
        m_bus.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"), this,
                      SLOT(nameOwnerChanged(QString, QString, QString)));
    }
    int screen = 0;
    m_x = xcbConnection(&screen);
    if (m_x) {
        const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
        if (auto* atom
            = xcb_intern_atom_reply(m_x, xcb_intern_atom(m_x, 0, uint16_t(name.size()), name.constData()), nullptr)) {
            m_trayAtom = atom->atom;
            std::free(atom);
        }
        if (!watchSelectionOwner()) {
            m_poll.setInterval(xembedPollMs);
            connect(&m_poll, &QTimer::timeout, this, [this] {
                TrayPresence now = m_presence;
                now.xembedTray = xembedTrayPresent();
                update(now);
            });
            m_poll.start();
        }
    }
    m_presence.notifierWatcher = watcherOwner();
    m_presence.notifierWatcherProgram = programOf(m_presence.notifierWatcher);
    m_presence.notifierHostNamed = hostNamed();
    m_presence.xembedTray = xembedTrayPresent();
}

TrayWatch::~TrayWatch()
{
    if (m_xfixesEvent)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayWatch::watchSelectionOwner()
{
    if (!m_trayAtom)
        return false;
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(m_x, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return false;
    // A client must tell the server its version before its first request;
    // Qt has on this connection, but saying it again costs nothing.
    std::free(xcb_xfixes_query_version_reply(
        m_x, xcb_xfixes_query_version(m_x, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root;
    xcb_void_cookie_t selected = xcb_xfixes_select_selection_input_checked(
        m_x, root, m_trayAtom,
        XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
            | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    if (xcb_generic_error_t* error = xcb_request_check(m_x, selected)) {
        std::free(error);
        return false;
    }
    m_xfixesEvent = xfixes->first_event;
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

bool TrayWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != m_xfixesEvent + XCB_XFIXES_SELECTION_NOTIFY)
        return false;
    const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    if (notify->selection != m_trayAtom)
        return false;
    TrayPresence now = m_presence;
    now.xembedTray = notify->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER && notify->owner != XCB_NONE;
    update(now);
    // Qt watches selections of its own (the clipboard); this one is ours.
    return false;
}

void TrayWatch::nameOwnerChanged(const QString& name, const QString&, const QString&)
{
    if (!isHostName(name))
        return;
    TrayPresence now = m_presence;
    now.notifierHostNamed = hostNamed();
    update(now);
}

bool TrayWatch::hostNamed() const
{
    if (!m_bus.isConnected())
        return false;
    const QStringList names = m_bus.interface()->registeredServiceNames().value();
    return std::any_of(names.cbegin(), names.cend(), isHostName);
}

void TrayWatch::update(const TrayPresence& now)
{
    if (now == m_presence)
        return;
    qCDebug(lcTray) << "tray watcher" << now.notifierWatcher << now.notifierWatcherProgram << "host named"
                    << now.notifierHostNamed << "xembed" << now.xembedTray;
    m_presence = now;
    Q_EMIT changed();
}

QString TrayWatch::programOf(const QString& owner) const
{
    if (owner.isEmpty())
        return {};
    QFile comm(QStringLiteral("/proc/%1/comm").arg(m_bus.interface()->servicePid(owner).value()));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
}

QString TrayWatch::watcherOwner() const
{
    if (!m_bus.isConnected())
        return {};
    const auto owner = m_bus.interface()->serviceOwner(watcherName);
    return owner.isValid() ? owner.value() : QString();
}

bool TrayWatch::xembedTrayPresent() const
{
    if (!m_x || !m_trayAtom)
        return false;
    xcb_get_selection_owner_reply_t* owner
        = xcb_get_selection_owner_reply(m_x, xcb_get_selection_owner(m_x, m_trayAtom), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return owned;
}

} // namespace platform
