// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/CompositionRoot.h"

#include "Kelvane/app/AppStartup.h"
#include "Kelvane/app/LaunchArguments.h"
#include "Kelvane/floating/FloatingDisplayController.h"
#include "Kelvane/popover/PopoverFrame.h"
#include "Kelvane/settingswindow/SettingsWindowFactory.h"
#include "Kelvane/status/ClickHintView.h"
#include "Kelvane/status/CustomDurationDialog.h"
#include "Kelvane/status/StatusItemController.h"
#include "Kelvane/status/StripPlace.h"
#include "Kelvane/system/AutostartLaunchAtLoginManager.h"
#include "Kelvane/system/DesktopHotkeyManager.h"
#include "Kelvane/system/DoNotDisturbFocusStatusManager.h"
#include "Kelvane/system/InhibitingSleepPreventionManager.h"
#include "Kelvane/system/StorageProblemNotice.h"
#include "Kelvane/system/ThemeSoundManager.h"
#include "Kelvane/update/UpdateControllerFactory.h"

#include "TimerCoreKit/engine/DispatchCountdownTicker.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/audio/AudioOutputSink.h"
#include "PlatformKit/audio/EventSoundPlayer.h"
#include "PlatformKit/dbus/DBusNotifier.h"
#include "PlatformKit/dbus/SingleInstance.h"
#include "PlatformKit/power/DesktopSleepInhibitors.h"
#include "PlatformKit/session/DesktopDoNotDisturbSources.h"
#include "PlatformKit/tray/StatusItem.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

std::unique_ptr<LaunchAtLoginManager> makeLaunchAtLogin()
{
    // The installed program by name, so the entry survives an upgrade that
    // moves it; else this very binary.
    const QString command = QStandardPaths::findExecutable(QStringLiteral("kelvane")).isEmpty()
        ? QCoreApplication::applicationFilePath()
        : QStringLiteral("kelvane");
    return std::make_unique<AutostartLaunchAtLoginManager>(platform::AutostartEntry(
        QString::fromLatin1(CompositionRoot::applicationID), QStringLiteral("Kelvane"), command));
}

std::unique_ptr<RunningProgram> makeController(platform::UserDefaults& defaults, const AppBackends& backends)
{
    StatusItemControllerParts parts;
    parts.defaults = &defaults;
    parts.notifier = backends.notifier.get();
    parts.notifications = backends.makeDesktopNotifications();
    parts.audioOutput = backends.makeAudioOutput;
    parts.ticker = backends.makeTicker();
    parts.makeOneShotTimer = backends.makeOneShotTimer;
    parts.clock = backends.now;
    parts.monotonicSeconds = platform::bootTimeSeconds;
    parts.statusItem = platform::makeStatusItem(stripPlaceStore(defaults));
    parts.updates = update::makeUpdateController(defaults, backends.now); // none without a feed address
    parts.sounds = std::make_unique<ThemeSoundManager>(platform::makeThemeSoundPlayer(), &QApplication::beep);
    parts.hotkeys = std::make_unique<DesktopHotkeyManager>();
    parts.sleepPrevention = std::make_unique<InhibitingSleepPreventionManager>(platform::desktopSleepInhibitors());
    parts.focus = std::make_unique<DoNotDisturbFocusStatusManager>(platform::desktopDoNotDisturbSources());
    parts.makeLaunchAtLogin = makeLaunchAtLogin;
    parts.customDurationPrompt = std::make_unique<CustomDurationDialogPrompt>();
    parts.clickHint = std::make_unique<ClickHintPopup>();
    parts.popover = [](AppModel& model, TimerCommandPerformer& commands) {
        return std::make_unique<PopoverFrame>(PopoverModel::of(model, commands));
    };
    parts.settingsWindow
        = [audio = backends.makeAudioOutput, timers = backends.makeOneShotTimer](
              AppModel& model, SystemManagers& managers) { return makeSettingsWindow(model, managers, audio, timers); };
    parts.floatingPanel = [&defaults, makeOneShotTimer = backends.makeOneShotTimer](AppModel& model) {
        return std::make_unique<FloatingDisplayController>(model.engine(), model.settings(), model.animationPlayer(),
                                                           model.pomodoro(), model.customSession(), defaults,
                                                           makeOneShotTimer);
    };
    return std::make_unique<StatusItemController>(std::move(parts));
}

} // namespace

CompositionRoot::CompositionRoot(QApplication& app)
    : m_app(app)
    , m_backends(realBackends())
    , m_startup(std::make_unique<AppStartup>([]() -> platform::UserDefaults& { return AppGroup::userDefaults(); },
                                             [this](platform::UserDefaults& defaults) {
                                                 m_storageNotifications = m_backends.makeDesktopNotifications();
                                                 m_storageNotice = std::make_unique<StorageProblemNotice>(
                                                     defaults, *m_storageNotifications);
                                                 return makeController(defaults, m_backends);
                                             },
                                             m_backends.now))
    , m_singleInstance(std::make_unique<platform::SingleInstance>(QString::fromLatin1(applicationID),
                                                                  QString::fromLatin1(objectPath)))
{
    // No window at start, and closing the last one (settings, the floating
    // panel) leaves the program in the tray.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(applicationID));
}

CompositionRoot::~CompositionRoot() = default;

AppBackends CompositionRoot::realBackends()
{
    return AppBackends{
        .notifier = std::make_shared<platform::DBusNotifier>(),
        .makeDesktopNotifications = [] { return std::make_unique<platform::FreedesktopNotifications>(); },
        .makeAudioOutput = platform::systemAudioOutput(QCoreApplication::applicationDirPath() + u'/'
                                                       + QStringLiteral(KELVANE_AUDIO_MODULE)),
        .makeTicker = [] { return std::make_shared<DispatchCountdownTicker>(); },
        .makeOneShotTimer = [] { return std::make_unique<platform::QtOneShotTimer>(); },
        .now = platform::Date::now,
    };
}

int CompositionRoot::run()
{
    const QList<QUrl> links = linksFromArguments(QApplication::arguments().mid(1));
    m_singleInstance->setOnOpen([this](const QList<QUrl>& urls) { m_startup->openUrls(urls); });
    m_singleInstance->setOnActivate([this] { m_startup->activate(); });

    switch (m_singleInstance->claim(links)) {
    case platform::SingleInstance::Role::Forwarded:
        return EXIT_SUCCESS;
    case platform::SingleInstance::Role::OwnerNotAnswering:
        std::fprintf(stderr, "kelvane: another copy is running but did not answer\n");
        return EXIT_FAILURE;
    case platform::SingleInstance::Role::Unreachable:
        std::fprintf(stderr, "kelvane: another copy is running but cannot be reached without a session bus\n");
        return EXIT_FAILURE;
    case platform::SingleInstance::Role::Primary:
    case platform::SingleInstance::Role::Alone:
        break;
    }
    m_startup->launch();
    m_startup->openUrls(links);
    return m_app.exec();
}
