// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/WidgetCompositionRoot.h"

#include "widget-extension/host/DBusAppConnection.h"
#include "widget-extension/host/WidgetHost.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/dbus/DBusNotifier.h"
#include "PlatformKit/session/AutostartEntry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

// The installed program by name, so an entry survives an upgrade that moves
// it; else this very binary.
QString installedOr(const QString& name, const QString& fallback)
{
    return QStandardPaths::findExecutable(name).isEmpty() ? fallback : name;
}

platform::AutostartEntry autostartEntry()
{
    return platform::AutostartEntry(QString::fromLatin1(WidgetCompositionRoot::autostartID), u"Kelvane Widgets"_s,
                                    installedOr(u"kelvane-widget"_s, QCoreApplication::applicationFilePath()));
}

std::unique_ptr<AppConnection> appConnection()
{
    DBusAppConnection::Fallbacks fallbacks{
        .startProgram = [] { QProcess::startDetached(u"kelvane"_s, {}); },
        .openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); },
    };
    return std::make_unique<DBusAppConnection>(QString::fromLatin1(WidgetCompositionRoot::appServiceName),
                                               QString::fromLatin1(WidgetCompositionRoot::appObjectPath),
                                               std::move(fallbacks));
}

} // namespace

WidgetCompositionRoot::WidgetCompositionRoot(QApplication& app)
    : m_app(app)
    , m_notifier(std::make_unique<platform::DBusNotifier>())
{
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(u"Kelvane Widgets"_s);
    QGuiApplication::setDesktopFileName(u"com.morrowfen.Kelvane.Widgets"_s);

    WidgetHostParts parts;
    parts.defaults = &AppGroup::userDefaults();
    parts.notifier = m_notifier.get();
    parts.clock = platform::Date::now;
    parts.makeOneShotTimer = [] { return std::make_unique<platform::QtOneShotTimer>(); };
    parts.app = appConnection();
    parts.configurationPath = WidgetPlacement::configurationPath();
    parts.setLaunchAtLogin = [](bool enabled) {
        const platform::AutostartEntry entry = autostartEntry();
        if (enabled)
            entry.write();
        else
            entry.remove();
    };
    parts.availableGeometry = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    };
    parts.quit = [] { QCoreApplication::quit(); };
    m_host = std::make_unique<WidgetHost>(std::move(parts));
}

WidgetCompositionRoot::~WidgetCompositionRoot()
{
    m_host.reset();
}

int WidgetCompositionRoot::run()
{
    m_host->start();
    return m_app.exec();
}
