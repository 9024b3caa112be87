#include "Kelvane/app/CompositionRoot.h"

#include "Kelvane/app/AppStartup.h"
#include "Kelvane/app/LaunchArguments.h"

#include "TimerCoreKit/engine/DispatchCountdownTicker.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/audio/AudioOutputSink.h"
#include "PlatformKit/dbus/DBusNotifier.h"
#include "PlatformKit/dbus/SingleInstance.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Stands in for the status item controller until the program has one: it
// takes deep links and the command-queue drain and does nothing with them, so
// the program already starts, holds its bus name and takes links.
class PlaceholderTarget final : public DeepLinkTarget {
public:
    void handleDeepLink(const DeepLinkAction&) override {}
    void processPendingCommands() override {}
};

} // namespace

CompositionRoot::CompositionRoot(QApplication& app)
    : m_app(app), m_backends(realBackends()),
      m_startup(std::make_unique<AppStartup>(
          []() -> platform::UserDefaults& { return AppGroup::userDefaults(); },
          [](platform::UserDefaults&) -> std::unique_ptr<DeepLinkTarget> {
              return std::make_unique<PlaceholderTarget>();
          },
          m_backends.now)),
      m_singleInstance(std::make_unique<platform::SingleInstance>(QString::fromLatin1(applicationID),
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
        .makeAudioOutput = platform::makeSystemAudioOutput,
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
    case platform::SingleInstance::Role::Primary:
    case platform::SingleInstance::Role::Alone:
        break;
    }
    m_startup->launch();
    m_startup->openUrls(links);
    return m_app.exec();
}
