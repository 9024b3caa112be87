// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelHosts.h"

#include "support/WaitUntil.h"

#include <QDBusMessage>
#include <QDBusVariant>

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace std::chrono_literals;
using Edge = PanelHost::Edge;
using Shade = PanelHost::Shade;

namespace {

// The panels' colours the tray picture must stand out on.
QString hex(Shade shade)
{
    return shade == Shade::Light ? QStringLiteral("#ededed") : QStringLiteral("#262626");
}

bool write(const QString& file, const QString& text)
{
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text.toUtf8()) >= 0;
}

const QString xfconfd = QStringLiteral("/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd");

QString startXfce(TestDesktop& desktop, Edge edge, Shade shade)
{
    const QString level = shade == Shade::Light ? QStringLiteral("0.929") : QStringLiteral("0.149");
    const QString config = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="dark-mode" type="bool" value="%4"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=%1;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="%2"/>
      <property name="background-style" type="uint" value="1"/>
      <property name="background-rgba" type="array">
        <value type="double" value="%3"/><value type="double" value="%3"/><value type="double" value="%3"/><value type="double" value="1"/>
      </property>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
)")
                               .arg(edge == Edge::Top ? 6 : 10)
                               .arg(panelHeight)
                               .arg(level, shade == Shade::Dark ? QStringLiteral("true") : QStringLiteral("false"));
    if (!write(desktop.path(QStringLiteral("config/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml")), config))
        return QStringLiteral("cannot write the panel's settings");
    // The panel reads its settings from xfconfd, which the bus would start.
    desktop.launch(QStringLiteral("xfconfd"), xfconfd, {});
    if (!platform::test::waitUntil([&] { return desktop.busNameOwned(QStringLiteral("org.xfce.Xfconf")); }, 10s))
        return QStringLiteral("xfconfd did not start");
    desktop.launch(QStringLiteral("panel"), QStringLiteral("xfce4-panel"), {});
    return {};
}

QString startLxqt(TestDesktop& desktop, Edge edge, Shade shade)
{
    // Both trays, as LXQt's own default panel has them.
    const QString config
        = QStringLiteral(R"([General]
__userfile__=true
panels=panel1

[panel1]
plugins=statusnotifier,tray
position=%1
panelSize=%2
iconSize=22
background-color=%3
font-color=%4
opacity=100

[statusnotifier]
alignment=Right
type=statusnotifier

[tray]
type=tray
)")
              .arg(edge == Edge::Top ? QStringLiteral("Top") : QStringLiteral("Bottom"))
              .arg(panelHeight)
              .arg(hex(shade), shade == Shade::Light ? QStringLiteral("#000000") : QStringLiteral("#ffffff"));
    if (!write(desktop.path(QStringLiteral("config/lxqt/panel.conf")), config))
        return QStringLiteral("cannot write the panel's settings");
    desktop.launch(QStringLiteral("panel"), QStringLiteral("lxqt-panel"), {});
    return {};
}

QString startTint2(TestDesktop& desktop, Edge edge, Shade shade)
{
    const QString file = desktop.path(QStringLiteral("config/tint2/test.tint2rc"));
    const QString config = QStringLiteral(R"(rounded = 0
border_width = 0
background_color = %1 100
border_color = %1 0

panel_items = S
panel_size = 100% %2
panel_margin = 0 0
panel_padding = 2 0 2
panel_position = %3 center horizontal
panel_background_id = 1
wm_menu = 0
panel_dock = 0
strut_policy = follow_size
systray_padding = 4 2 4
systray_background_id = 0
systray_icon_size = 24
systray_sort = ascending
)")
                               .arg(hex(shade))
                               .arg(panelHeight)
                               .arg(edge == Edge::Top ? QStringLiteral("top") : QStringLiteral("bottom"));
    if (!write(file, config))
        return QStringLiteral("cannot write the panel's settings");
    desktop.launch(QStringLiteral("panel"), QStringLiteral("tint2"), {QStringLiteral("-c"), file});
    return {};
}

QString startLxpanel(TestDesktop& desktop, Edge edge, Shade shade)
{
    const QString config = QStringLiteral(R"(Global {
  edge=%1
  align=left
  margin=0
  widthtype=percent
  width=100
  height=%2
  transparent=1
  tintcolor=%3
  alpha=255
  setdocktype=1
  setpartialstrut=1
  autohide=0
  usefontcolor=0
  background=0
  iconsize=24
}
Plugin {
  type=tray
}
)")
                               .arg(edge == Edge::Top ? QStringLiteral("top") : QStringLiteral("bottom"))
                               .arg(panelHeight)
                               .arg(hex(shade));
    if (!write(desktop.path(QStringLiteral("config/lxpanel/e2e/panels/panel")), config))
        return QStringLiteral("cannot write the panel's settings");
    desktop.launch(QStringLiteral("panel"), QStringLiteral("lxpanel"),
                   {QStringLiteral("--profile"), QStringLiteral("e2e")});
    return {};
}

QString startTrayer(TestDesktop& desktop, Edge edge, Shade shade)
{
    desktop.launch(QStringLiteral("panel"), QStringLiteral("trayer"),
                   {QStringLiteral("--edge"), edge == Edge::Top ? QStringLiteral("top") : QStringLiteral("bottom"),
                    QStringLiteral("--align"), QStringLiteral("right"), QStringLiteral("--widthtype"),
                    QStringLiteral("request"), QStringLiteral("--height"), QString::number(panelHeight),
                    QStringLiteral("--SetDockType"), QStringLiteral("true"), QStringLiteral("--transparent"),
                    QStringLiteral("true"), QStringLiteral("--alpha"), QStringLiteral("0"), QStringLiteral("--tint"),
                    QStringLiteral("0x") + hex(shade).mid(1)});
    return {};
}

} // namespace

const QList<PanelHost>& panelHosts()
{
    static const QList<PanelHost> hosts{
        {QStringLiteral("xfce4-panel"),
         true,
         QStringLiteral("xfce4-panel"),
         {QStringLiteral("xfce4-panel"), xfconfd},
         startXfce},
        {QStringLiteral("lxqt-panel"), true, QStringLiteral("lxqt-panel"), {QStringLiteral("lxqt-panel")}, startLxqt},
        {QStringLiteral("tint2"), false, QStringLiteral("tint2"), {QStringLiteral("tint2")}, startTint2},
        {QStringLiteral("lxpanel"), false, QStringLiteral("lxpanel"), {QStringLiteral("lxpanel")}, startLxpanel},
        {QStringLiteral("trayer"), false, QStringLiteral("trayer"), {QStringLiteral("trayer")}, startTrayer},
    };
    return hosts;
}

QString startPanel(TestDesktop& desktop, const PanelHost& host, Edge edge, Shade shade)
{
    if (const QString failure = host.start(desktop, edge, shade); !failure.isEmpty())
        return failure;
    const bool ready = platform::test::waitUntil(
        [&] {
            return host.statusNotifier ? desktop.busNameOwned(QStringLiteral("org.kde.StatusNotifierWatcher"))
                                       : desktop.hasSelectionOwner("_NET_SYSTEM_TRAY_S0");
        },
        15s);
    return ready ? QString() : host.program + QStringLiteral(" did not take the tray");
}

bool itemRegisteredWithWatcher(const TestDesktop& desktop)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QStringLiteral("org.kde.StatusNotifierWatcher") << QStringLiteral("RegisteredStatusNotifierItems");
    const QDBusMessage reply = desktop.bus().call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    return !reply.arguments().first().value<QDBusVariant>().variant().toStringList().isEmpty();
}

QString waitForOwnWindow(const ScreenProbe& screen, const std::function<bool(const QRect&)>& wanted,
                         const QStringList& hosts, std::chrono::milliseconds timeout)
{
    QString found;
    platform::test::waitUntil(
        [&] {
            for (const QString& window : screen.programWindows()) {
                const auto state = screen.state(window);
                if (state && state->viewable && wanted(state->geometry)
                    && (hosts.isEmpty() || !screen.isInside(window, hosts))) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

bool waitForHidden(const ScreenProbe& screen, const QString& window, std::chrono::milliseconds timeout)
{
    return platform::test::waitUntil(
        [&] {
            const auto state = screen.state(window);
            return !state || !state->viewable;
        },
        timeout);
}
