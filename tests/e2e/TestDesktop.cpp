// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDesktop.h"

#include "support/PrivateBusConfig.h"
#include "support/WaitUntil.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUuid>

#include <sys/stat.h>

using namespace std::chrono_literals;
using platform::test::waitUntil;

namespace {

QStringList toolsFor(TestDesktop::Tray tray)
{
    QStringList tools{QStringLiteral("Xvfb"),  QStringLiteral("dbus-daemon"), QStringLiteral("openbox"),
                      QStringLiteral("dunst"), QStringLiteral("xdotool"),     QStringLiteral("xwininfo")};
    if (tray == TestDesktop::Tray::XEmbedHost)
        tools << QStringLiteral("trayer");
    return tools;
}

} // namespace

QStringList TestDesktop::missingTools(Tray tray, const QStringList& more)
{
    QStringList missing;
    for (const QString& tool : toolsFor(tray) + more) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    }
    return missing;
}

TestDesktop::TestDesktop(Tray tray, const Installed& installed)
{
    if (!m_root.isValid()) {
        m_failure = QStringLiteral("no temporary directory");
        return;
    }
    for (const char* dir : {"home", "config", "data", "cache", "state", "runtime", "logs"})
        QDir().mkpath(path(QLatin1String(dir)));
    ::chmod(QFile::encodeName(path(QStringLiteral("runtime"))).constData(), 0700);

    m_environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_CURRENT_DESKTOP",
                             "XDG_SESSION_TYPE", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "SESSION_MANAGER",
                             "XAUTHORITY", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE"})
        m_environment.remove(QLatin1String(name));
    m_environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), path(QStringLiteral("cache")));
    m_environment.insert(QStringLiteral("XDG_STATE_HOME"), path(QStringLiteral("state")));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QString serviceDir;
    if (!installed.dataDir.isEmpty()) {
        m_environment.insert(QStringLiteral("XDG_DATA_DIRS"),
                             installed.dataDir + QStringLiteral(":/usr/local/share:/usr/share"));
        m_environment.insert(QStringLiteral("PATH"),
                             installed.binDir + QLatin1Char(':') + m_environment.value(QStringLiteral("PATH")));
        serviceDir = installed.dataDir + QStringLiteral("/dbus-1/services");
    }

    if (!startServices(tray, serviceDir) && m_failure.isEmpty())
        m_failure = QStringLiteral("a desktop service did not start");
}

TestDesktop::~TestDesktop()
{
    if (!m_busConnectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_busConnectionName);
    while (!m_services.empty())
        m_services.pop_back();
}

DesktopProcess& TestDesktop::launch(const QString& name, const QString& program, const QStringList& arguments)
{
    m_services.emplace_back(name,
                            std::make_unique<DesktopProcess>(program, arguments, m_environment,
                                                             path(QStringLiteral("logs/%1.log").arg(name))));
    return *m_services.back().second;
}

bool TestDesktop::busNameOwned(const QString& name) const
{
    return bus().interface()->isServiceRegistered(name).value();
}

void TestDesktop::killService(const QString& name)
{
    for (auto it = m_services.begin(); it != m_services.end(); ++it) {
        if (it->first != name)
            continue;
        it->second->signalGroup(SIGKILL);
        it->second->waitForExit(5s);
        m_services.erase(it);
        return;
    }
}

bool TestDesktop::startNotificationServer()
{
    launch(QStringLiteral("dunst"), QStringLiteral("dunst"), {});
    if (!waitUntil([&] { return busNameOwned(QStringLiteral("org.freedesktop.Notifications")); }, 10s)) {
        m_failure = QStringLiteral("dunst did not take the notification service");
        return false;
    }
    return true;
}

bool TestDesktop::startSoundServer()
{
    const QString directory = path(QStringLiteral("runtime/pulse"));
    const QString socket = directory + QStringLiteral("/native");
    QDir().mkpath(directory);
    QFile::remove(socket);
    // No autospawn: a program that finds no server must not start one of its own.
    QFile config(path(QStringLiteral("pulse-client.conf")));
    if (!config.open(QIODevice::WriteOnly) || config.write("autospawn = no\n") < 0)
        return false;
    config.close();
    m_environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
    m_environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), directory);
    m_environment.insert(QStringLiteral("PULSE_STATE_PATH"), path(QStringLiteral("state/pulse")));
    m_environment.insert(QStringLiteral("PULSE_CLIENTCONFIG"), config.fileName());
    launch(QStringLiteral("pulseaudio"), QStringLiteral("pulseaudio"),
           {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
            QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
            QStringLiteral("--log-level=error"), QStringLiteral("--load=module-null-sink sink_name=test"),
            QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    if (!waitUntil([this] { return run(QStringLiteral("pactl"), {QStringLiteral("info")}).has_value(); }, 10s)) {
        m_failure = QStringLiteral("pulseaudio did not start");
        return false;
    }
    return true;
}

bool TestDesktop::startServices(Tray tray, const QString& serviceDir)
{
    // The X server picks a free display and writes its number.
    DesktopProcess& x
        = launch(QStringLiteral("xvfb"), QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const auto displayNumber = x.readLine(10s);
    if (!displayNumber) {
        m_failure = QStringLiteral("Xvfb gave no display");
        return false;
    }
    const QString display = QLatin1Char(':') + *displayNumber;
    m_environment.insert(QStringLiteral("DISPLAY"), display);
    m_x = std::make_unique<XConnection>(display);
    if (!m_x->isConnected()) {
        m_failure = QStringLiteral("cannot connect to ") + display;
        return false;
    }

    const QString configFile = path(QStringLiteral("bus.conf"));
    QFile config(configFile);
    const QString listen = QStringLiteral("unix:dir=") + path(QStringLiteral("runtime"));
    if (!config.open(QIODevice::WriteOnly)
        || config.write(platform::test::privateBusConfig(listen, serviceDir).toUtf8()) < 0)
        return false;
    config.close();
    DesktopProcess& busDaemon = launch(
        QStringLiteral("dbus"), QStringLiteral("dbus-daemon"),
        {QStringLiteral("--nofork"), QStringLiteral("--print-address"), QStringLiteral("--config-file=") + configFile});
    const auto address = busDaemon.readLine(10s);
    if (!address || address->isEmpty()) {
        m_failure = QStringLiteral("dbus-daemon gave no address");
        return false;
    }
    m_busAddress = *address;
    m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    m_busConnectionName = QStringLiteral("e2e-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!QDBusConnection::connectToBus(m_busAddress, m_busConnectionName).isConnected()) {
        m_failure = QStringLiteral("cannot connect to the private bus");
        return false;
    }

    launch(QStringLiteral("openbox"), QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!waitUntil([this] { return m_x->rootHasProperty("_NET_SUPPORTING_WM_CHECK"); }, 10s)) {
        m_failure = QStringLiteral("openbox did not start");
        return false;
    }

    if (!startNotificationServer())
        return false;

    switch (tray) {
    case Tray::None:
        break;
    case Tray::XEmbedHost:
        launch(QStringLiteral("trayer"), QStringLiteral("trayer"),
               {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"), QStringLiteral("right"),
                QStringLiteral("--widthtype"), QStringLiteral("request"), QStringLiteral("--height"),
                QStringLiteral("24"), QStringLiteral("--SetDockType"), QStringLiteral("true")});
        if (!waitUntil([this] { return m_x->hasSelectionOwner("_NET_SYSTEM_TRAY_S0"); }, 10s)) {
            m_failure = QStringLiteral("trayer did not take the tray selection");
            return false;
        }
        break;
    case Tray::NotifierWatcher:
        m_watcher = &launch(QStringLiteral("watcher"), QStringLiteral(E2E_WATCHER_PROGRAM), {});
        if (!waitUntil([&] { return busNameOwned(QStringLiteral("org.kde.StatusNotifierWatcher")); }, 10s)) {
            m_failure = QStringLiteral("the StatusNotifierWatcher did not start");
            return false;
        }
        break;
    }
    return true;
}

QDBusConnection TestDesktop::bus() const
{
    return QDBusConnection(m_busConnectionName);
}

QString TestDesktop::storePath() const
{
    return path(QStringLiteral("config/group.com.morrowfen.Kelvane.sqlite"));
}

std::unique_ptr<DesktopProcess> TestDesktop::startProgram(const QStringList& arguments,
                                                          const QProcessEnvironment& extra) const
{
    return start(QStringLiteral(KELVANE_PROGRAM), arguments, extra);
}

std::unique_ptr<DesktopProcess> TestDesktop::start(const QString& program, const QStringList& arguments,
                                                   const QProcessEnvironment& extra) const
{
    QProcessEnvironment environment = m_environment;
    environment.insert(extra);
    return std::make_unique<DesktopProcess>(program, arguments, environment, path(QStringLiteral("logs/kelvane.log")));
}

QString TestDesktop::programLog() const
{
    QFile log(path(QStringLiteral("logs/kelvane.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

std::optional<QString> TestDesktop::run(const QString& tool, const QStringList& arguments,
                                        std::chrono::milliseconds timeout) const
{
    QProcess process;
    process.setProcessEnvironment(m_environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(tool, arguments);
    if (!process.waitForFinished(static_cast<int>(timeout.count()))) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QStringList TestDesktop::watcherLines(std::chrono::milliseconds wait)
{
    if (m_watcher) {
        while (const auto line = m_watcher->readLine(m_watcherLines.isEmpty() ? wait : 0ms))
            m_watcherLines << *line;
    }
    return m_watcherLines;
}
