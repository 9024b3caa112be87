#include "Kelvane/status/StatusItemController.h"

#include "PlatformKit/core/ElapsedClock.h"

#include "Kelvane/popover/PopoverRules.h"
#include "Kelvane/status/MenuBarContent.h"
#include "Kelvane/status/TimerActions.h"
#include "Kelvane/status/MenuBarContentView.h"
#include "Kelvane/system/InactiveSystemManagers.h"

#include "Kelvane/animation/AnimationLibrary.h"
#include "Kelvane/animation/BuiltInAnimationFrames.h"


#include "TimerCoreKit/commands/TimerCommandQueue.h"
#include "TimerCoreKit/engine/TimerPreset.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPalette>
#include <QPointer>
#include <QScreen>

#include <chrono>
#include <cmath>

namespace {

template <typename T, typename Fallback>
std::unique_ptr<T> orElse(std::unique_ptr<T> part)
{
    return part ? std::move(part) : std::make_unique<Fallback>();
}

template <typename T, typename Fallback>
std::unique_ptr<T> build(const ControllerWindowFactory<T>& factory, StatusItemController& controller)
{
    return orElse<T, Fallback>(factory ? factory(controller) : nullptr);
}

class NoPopover final : public PopoverHost {
public:
    bool isShown() const override { return false; }
    bool hasContent() const override { return false; }
    void setContent(PopoverContent) override {}
    void dropContent() override {}
    void show(const QRect&) override {}
    void close() override {}
};

class NoPrompt final : public CustomDurationPrompt {
public:
    std::optional<QString> ask(int) override { return std::nullopt; }
};

class NoClickHint final : public ClickHintPresenter {
public:
    void showHint(const QRect&) override {}
};

class NoDesktopNotifications final : public platform::DesktopNotifications {
public:
    void checkAuthorization(Answer) override {}
    void requestAuthorization(Answer) override {}
    void post(const platform::DesktopNotification&, std::function<void()>) override {}
};

// Animation frames are scaled down to the display's height in the tray.
constexpr double animationFrameHeight = 18;

} // namespace

StatusItemController::StatusItemController(StatusItemControllerParts parts, QObject* parent)
    : QObject(parent)
    , m_defaults(*parts.defaults)
    , m_notifier(*parts.notifier)
    , m_makeOneShotTimer(std::move(parts.makeOneShotTimer))
    , m_clock(std::move(parts.clock))
    , m_monotonicSeconds(parts.monotonicSeconds ? std::move(parts.monotonicSeconds) : &platform::bootTimeSeconds)
    , m_sleepPrevention(orElse<SleepPreventionManager, InactiveSleepPreventionManager>(std::move(parts.sleepPrevention)))
    , m_animationPlayer(std::make_unique<AnimationPlayer>(m_makeOneShotTimer()))
    , m_sounds(orElse<SoundManager, SilentSoundManager>(std::move(parts.sounds)))
    , m_notificationManager(std::make_unique<NotificationManager>(
          orElse<platform::DesktopNotifications, NoDesktopNotifications>(std::move(parts.notifications))))
    , m_tickSounds(std::make_unique<TickSoundGenerator>(std::move(parts.audioOutput)))
    , m_focus(orElse<FocusStatusManager, NeverFocusedStatusManager>(std::move(parts.focus)))
    , m_updates(orElse<UpdateController, NoUpdateController>(std::move(parts.updates)))
    , m_makeLaunchAtLogin(parts.makeLaunchAtLogin ? std::move(parts.makeLaunchAtLogin) : [] {
        return std::unique_ptr<LaunchAtLoginManager>(std::make_unique<InactiveLaunchAtLoginManager>());
    })
    , m_settings(std::make_unique<AppSettings>(m_defaults))
    , m_focusGate([this] { return m_settings->respectFocusMode(); }, *m_focus)
    , m_sessionSounds(*m_sounds, m_focusGate)
    , m_engine(std::make_unique<TimerEngine>(TimerPersistence(m_defaults), std::move(parts.ticker), m_clock, m_monotonicSeconds))
    , m_statusItem(std::move(parts.statusItem))
    , m_customDurationPrompt(orElse<CustomDurationPrompt, NoPrompt>(std::move(parts.customDurationPrompt)))
    , m_clickHint(orElse<ClickHintPresenter, NoClickHint>(std::move(parts.clickHint)))
    , m_quit(parts.quit ? std::move(parts.quit) : [] { QCoreApplication::quit(); })
    , m_hotkeys(orElse<HotkeyManager, InactiveHotkeyManager>(std::move(parts.hotkeys)))
{
    // Set before any session exists, so every change of the engine from here
    // on reloads the widget.
    m_engine->setOnWidgetRefresh([this] { m_notifier.post(TimerCommandQueue::widgetReloadNotificationName); });
    // The sessions play through the controller's Focus gate and keep their
    // state in the controller's store.
    m_pomodoroSession = std::make_unique<PomodoroSession>(*m_engine, m_settings->pomodoroSettings(), m_sessionSounds,
                                                          m_defaults, m_makeOneShotTimer());
    m_customTimerStore = std::make_unique<CustomTimerStore>(m_defaults, m_clock);
    m_customTimerSession = std::make_unique<CustomTimerSession>(*m_engine, m_sessionSounds, *m_customTimerStore,
                                                                m_defaults, m_makeOneShotTimer);

    m_settingsWindow = build<SettingsWindowOpener, NoSettingsWindow>(parts.settingsWindow, *this);
    m_floatingPanel = build<FloatingPanelSwitch, NoFloatingPanel>(parts.floatingPanel, *this);
    m_popover = build<PopoverHost, NoPopover>(parts.popover, *this);

    m_floatingDisplayEnabled = m_settings->floatingDisplayEnabled();
    m_preventSleepWhileRunning = m_settings->preventSleepWhileRunning();

    setupStatusItem();
    installCommandObservers();
    installSleepPrevention();
    installHotkeys();
}

StatusItemController::~StatusItemController()
{
    // The observers go first, so nothing the members announce while they are
    // torn down reaches a half-destroyed controller.
    m_commandObservation.reset();
    const QObject* senders[] = {&m_engine->state(),          m_settings.get(),
                                &m_settings->completionSettings(), &m_settings->colorManager(),
                                m_animationPlayer.get(),
                                m_pomodoroSession.get(),     m_customTimerSession.get(),
                                m_updates.get(),             m_statusItem.get(),
                                QCoreApplication::instance()};
    for (const QObject* sender : senders) {
        if (sender)
            QObject::disconnect(sender, nullptr, this, nullptr);
    }
}

// MARK: Set-up

void StatusItemController::setupStatusItem()
{
    connect(m_statusItem.get(), &platform::StatusItem::leftClicked, this, &StatusItemController::handleLeftClick);
    connect(m_statusItem.get(), &platform::StatusItem::rightClicked, this, &StatusItemController::handleRightClick);

    setupBindings();
    redrawStatusItem();

    if (m_settings->floatingDisplayEnabled())
        m_floatingPanel->showPanel();

    m_clickHintTimer = m_makeOneShotTimer();
    m_clickHintTimer->start(clickHintDelay, [this] { showClickHintIfNeeded(); });
}

void StatusItemController::setupBindings()
{
    // 1. The objects whose changes redraw the tray, merged and throttled. The
    // colours and the completion's look are stores of their own, apart from
    // the settings' signal.
    m_lookChangeTimer = m_makeOneShotTimer();
    m_refreshThrottle = std::make_unique<RefreshThrottle>(m_makeOneShotTimer(), refreshWindow, [this] { refresh(); });
    const auto poke = [this] { m_refreshThrottle->poke(); };
    connect(&m_engine->state(), &TimerState::changed, this, poke);
    connect(m_settings.get(), &AppSettings::changed, this, poke);
    connect(&m_settings->colorManager(), &ColorManager::changed, this, poke);
    connect(&m_settings->completionSettings(), &CompletionSettings::changed, this, poke);
    connect(m_animationPlayer.get(), &AnimationPlayer::changed, this, poke);
    connect(m_pomodoroSession.get(), &PomodoroSession::isActiveChanged, this, poke);
    connect(m_pomodoroSession.get(), &PomodoroSession::currentPhaseIndexChanged, this, poke);
    connect(m_customTimerSession.get(), &CustomTimerSession::isActiveChanged, this, poke);
    connect(m_customTimerSession.get(), &CustomTimerSession::currentPhaseIndexChanged, this, poke);
    connect(m_customTimerSession.get(), &CustomTimerSession::activeTimerChanged, this, poke);

    // 2. Completion, and 6. the tick sound stops whenever the timer is not running.
    connect(&m_engine->state(), &TimerState::modeChanged, this, &StatusItemController::handleModeChange);
    if (m_engine->state().mode() != TimerMode::Running)
        m_tickSounds->stop();

    // 3. Tick sounds.
    CompletionSettings& completion = m_settings->completionSettings();
    m_tickSounds->setStyle(completion.tickStyle());
    connect(&completion, &CompletionSettings::tickStyleChanged, this,
            [this] { m_tickSounds->setStyle(m_settings->completionSettings().tickStyle()); });
    connect(&m_engine->state(), &TimerState::remainingChanged, this,
            [this] { tickIfDue(TimerDirection::Countdown); });
    connect(&m_engine->state(), &TimerState::elapsedChanged, this, [this] { tickIfDue(TimerDirection::CountUp); });

    // 4. The floating panel, 7. sleep prevention and 8. shortcuts follow their
    // settings; the store tells only that something changed.
    connect(m_settings.get(), &AppSettings::changed, this, &StatusItemController::handleSettingsChange);

    // 5. The update flag.
    m_updateAvailable = m_updates->updateAvailable();
    connect(m_updates.get(), &UpdateController::updateAvailableChanged, this,
            &StatusItemController::handleUpdateAvailable);

    setupWidgetSettingsReload();
}

void StatusItemController::setupWidgetSettingsReload()
{
    // The widget reads its settings only when it reloads, and the engine asks
    // for that only when the timer changes: a change of what the widget shows
    // asks too, at most once a second while a slider moves.
    m_widgetAppearance = WidgetAppearanceSettings::current(m_defaults);
    m_widgetReloadThrottle = std::make_unique<RefreshThrottle>(
        m_makeOneShotTimer(), widgetSettingsReloadWindow,
        [this] { m_notifier.post(TimerCommandQueue::widgetReloadNotificationName); });
    const auto compare = [this] {
        WidgetAppearanceSettings current = WidgetAppearanceSettings::current(m_defaults);
        if (current == m_widgetAppearance)
            return;
        m_widgetAppearance = std::move(current);
        m_widgetReloadThrottle->poke();
    };
    // The stores announce a change before they write it: compare on the next turn.
    connect(m_settings.get(), &AppSettings::changed, this, compare, Qt::QueuedConnection);
    connect(&m_settings->colorManager(), &ColorManager::changed, this, compare, Qt::QueuedConnection);
    connect(&m_settings->completionSettings(), &CompletionSettings::changed, this, compare, Qt::QueuedConnection);
}

void StatusItemController::installCommandObservers()
{
    m_commandObservation = m_notifier.observe(TimerCommandQueue::queuedNotificationName, [this] {
        QMetaObject::invokeMethod(this, &StatusItemController::processPendingCommands, Qt::QueuedConnection);
    });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::applicationStateChanged, this,
                &StatusItemController::handleApplicationStateChanged);
}

void StatusItemController::installSleepPrevention()
{
    // Only changes count: the values at start-up are not applied.
    connect(&m_engine->state(), &TimerState::modeChanged, this, [this] {
        if (m_engine->state().mode() == TimerMode::Running && m_settings->preventSleepWhileRunning())
            m_sleepPrevention->beginPreventingSleep();
        else
            releaseSleepPrevention();
    });
}

void StatusItemController::installHotkeys()
{
    m_hotkeys->setOnToggleTimer([this] { TimerActions::toggle(*m_engine); });
    m_hotkeys->setOnResetTimer([this] { m_engine->reset(); });
    applyGlobalShortcuts(m_settings->globalShortcutsEnabled());
}

// MARK: Reactions

void StatusItemController::handleSettingsChange()
{
    if (const bool floating = m_settings->floatingDisplayEnabled(); floating != m_floatingDisplayEnabled) {
        m_floatingDisplayEnabled = floating;
        applyFloatingDisplay(floating);
    }
    if (const bool prevent = m_settings->preventSleepWhileRunning(); prevent != m_preventSleepWhileRunning) {
        m_preventSleepWhileRunning = prevent;
        if (!prevent)
            releaseSleepPrevention();
        else if (m_engine->state().mode() == TimerMode::Running)
            m_sleepPrevention->beginPreventingSleep();
    }
    applyGlobalShortcuts(m_settings->globalShortcutsEnabled());
}

void StatusItemController::applyFloatingDisplay(bool enabled)
{
    if (enabled)
        m_floatingPanel->showPanel();
    else
        m_floatingPanel->hidePanel();
}

void StatusItemController::releaseSleepPrevention()
{
    if (m_sleepPrevention->isActive())
        m_sleepPrevention->release();
}

void StatusItemController::applyGlobalShortcuts(bool enabled)
{
    if (enabled && !m_hotkeysEnabled) {
        m_hotkeysEnabled = true;
        m_hotkeys->enable();
    } else if (!enabled && m_hotkeysEnabled) {
        m_hotkeysEnabled = false;
        m_hotkeys->disable();
    }
}

void StatusItemController::handleUpdateAvailable(bool available)
{
    m_updateAvailable = available;
    redrawStatusItem();
    // An open popover keeps its content; the next opening shows the flag.
    if (!m_popover->isShown())
        m_popover->dropContent();
}

void StatusItemController::refresh()
{
    m_refreshTrigger.bump();
    redrawStatusItem();
}

void StatusItemController::redrawStatusItem()
{
    MenuBarContent content = MenuBarContent::of(*m_engine, *m_settings, *m_animationPlayer, *m_pomodoroSession,
                                                *m_customTimerSession, m_updateAvailable);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        content.primaryColor = QGuiApplication::palette().color(QPalette::WindowText);
    const platform::Date now = m_clock();
    const auto shape = m_statusItem->shape();
    m_statusItem->setToolTip(content.accessibilityLabel());
    m_statusItem->setImages(MenuBarContentView::render(content, shape, m_lookStates, now, stripPixelRatio()));

    const auto next = MenuBarContentView::nextLookChange(content, shape, m_lookStates, now);
    if (!next) {
        m_lookChangeTimer->cancel();
        return;
    }
    const double delay = std::max(next->secondsSince(now), minimumLookChangeDelay);
    m_lookChangeTimer->start(delay, [this] { redrawStatusItem(); });
}

qreal StatusItemController::stripPixelRatio()
{
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? std::max(screen->devicePixelRatio(), 1.0) : 1.0;
}

void StatusItemController::handleModeChange()
{
    const TimerMode mode = m_engine->state().mode();
    if (mode != TimerMode::Running)
        m_tickSounds->stop();
    if (mode != TimerMode::Completed) {
        m_animationPlayer->stop();
        return;
    }
    playCompletionAnimation();
    if (m_focusGate.holds())
        return;
    m_sounds->play(m_settings->completionSettings().selectedSound());
    if (m_settings->completionSettings().showNotification())
        m_notificationManager->sendTimerCompletedNotification();
}

void StatusItemController::playCompletionAnimation()
{
    const CompletionSettings& completion = m_settings->completionSettings();
    if (completion.displayBehavior() != CompletionBehavior::PlayAnimation)
        return;
    std::optional<QString> id = completion.selectedAnimationID();
    if (!id) {
        if (AnimationLibrary::animations().isEmpty())
            return;
        id = AnimationLibrary::animations().first().id;
    }
    const auto animation = AnimationLibrary::animation(*id);
    if (!animation)
        return;
    const auto frames = builtInAnimationFrames(*animation, animationFrameHeight);
    if (!frames)
        return;
    m_animationPlayer->load(frames->frames, frames->delays, completion.animationLoopsEnabled());
    QPointer<AnimationPlayer> player(m_animationPlayer.get());
    m_animationPlayer->setOnComplete([player] {
        if (player)
            player->stop();
    });
}

void StatusItemController::tickIfDue(TimerDirection direction)
{
    // A clock that cannot step back: a wall clock set back would silence the
    // ticks until it caught up.
    const double now = m_monotonicSeconds();
    if (m_lastTickTime && now - *m_lastTickTime <= minimumTickSpacing)
        return;
    const TimerState& state = m_engine->state();
    if (state.mode() != TimerMode::Running || state.direction() != direction)
        return;
    if (m_settings->completionSettings().tickStyle() == TickStyle::None || m_focusGate.holds())
        return;
    m_lastTickTime = now;
    m_tickSounds->tick();
}

// MARK: Clicks and windows

void StatusItemController::handleLeftClick()
{
    togglePopover();
}

void StatusItemController::handleRightClick()
{
    TimerActions::toggle(*m_engine);
}

void StatusItemController::togglePopover()
{
    if (m_popover->isShown()) {
        m_popover->close();
        return;
    }
    if (!m_popover->hasContent()) {
        PopoverContent content;
        content.customMinutes = PopoverRules::customMinutes(m_engine->customDuration());
        content.updateAvailable = m_updateAvailable;
        QPointer<StatusItemController> self(this);
        content.onOpenSettings = [self] {
            if (self) {
                self->m_popover->close();
                self->openSettingsWindow();
            }
        };
        content.onToggleFloatingDisplay = [self] {
            if (self)
                self->toggleFloatingDisplay();
        };
        content.onQuit = [self] {
            if (self)
                self->quit();
        };
        // A build with nowhere to look offers no check.
        if (m_updates->canCheckForUpdates()) {
            content.onCheckForUpdates = [self] {
                if (self)
                    self->checkForUpdates();
            };
        }
        m_popover->setContent(std::move(content));
    }
    m_popover->show(m_statusItem->anchorRect());
}

void StatusItemController::openSettingsWindow()
{
    m_settingsWindow->showSettings();
}

void StatusItemController::toggleFloatingDisplay()
{
    m_settings->setFloatingDisplayEnabled(!m_settings->floatingDisplayEnabled());
}

void StatusItemController::checkForUpdates()
{
    m_updates->setUpdateAvailable(false);
    m_updates->checkForUpdates();
}

void StatusItemController::quit()
{
    m_quit();
}

void StatusItemController::showClickHintIfNeeded()
{
    if (m_settings->hasSeenClickHint())
        return;
    m_settings->setHasSeenClickHint(true);
    m_clickHint->showHint(m_statusItem->anchorRect());
}

void StatusItemController::handleApplicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        QMetaObject::invokeMethod(this, &StatusItemController::processPendingCommands, Qt::QueuedConnection);
}

// MARK: Custom duration

void StatusItemController::showCustomDurationDialog()
{
    QMetaObject::invokeMethod(this, &StatusItemController::runCustomDurationDialog, Qt::QueuedConnection);
}

void StatusItemController::runCustomDurationDialog()
{
    const int current = static_cast<int>(std::trunc(m_engine->customDuration() / 60));
    const auto answer = m_customDurationPrompt->ask(current);
    if (!answer)
        return;
    m_engine->updateCustomDuration(CustomDurationPrompt::minutes(*answer) * 60.0);
    m_engine->selectPreset(TimerPresetLibrary::Constants::customPresetID);
    // Shown at once rather than at the end of the throttle's window.
    refresh();
}

// MARK: Deep links and widget commands

void StatusItemController::handleDeepLink(const DeepLinkAction& action)
{
    switch (action.kind) {
    case DeepLinkAction::Kind::Open:
        break;
    case DeepLinkAction::Kind::Settings:
        openSettingsWindow();
        break;
    case DeepLinkAction::Kind::Custom:
        showCustomDurationDialog();
        break;
    case DeepLinkAction::Kind::Toggle:
        TimerActions::toggle(*m_engine);
        break;
    case DeepLinkAction::Kind::Start:
        TimerActions::startIfAllowed(*m_engine);
        break;
    case DeepLinkAction::Kind::Pause:
        TimerActions::pauseIfRunning(*m_engine);
        break;
    case DeepLinkAction::Kind::Reset:
        m_engine->reset();
        break;
    case DeepLinkAction::Kind::Preset: {
        // The known ids, whatever the custom length is.
        const auto presets = TimerPresetLibrary::presets(900);
        const bool known = std::any_of(presets.cbegin(), presets.cend(),
                                       [&](const TimerPreset& preset) { return preset.id == action.presetID; });
        if (known)
            selectPresetEndingCustomCycle(action.presetID);
        break;
    }
    }
}

void StatusItemController::processPendingCommands()
{
    const TimerCommandQueue queue(m_defaults, m_notifier);
    while (const auto command = queue.dequeue())
        perform(*command);
}

void StatusItemController::endRunningSessions()
{
    if (m_pomodoroSession->isActive())
        m_pomodoroSession->reset();
    if (m_customTimerSession->isActive())
        m_customTimerSession->reset();
}

void StatusItemController::selectPresetEndingCustomCycle(const QString& presetID)
{
    // Else the cycle's next phase end would load a phase over the preset.
    if (m_customTimerSession->isActive())
        m_customTimerSession->reset();
    m_engine->selectPreset(presetID);
}

void StatusItemController::perform(const TimerCommand& command)
{
    const QString customID = TimerPresetLibrary::Constants::customPresetID;
    using Type = TimerCommand::CommandType;
    switch (command.type()) {
    case Type::SelectPreset:
        if (command.presetID() == customID)
            showCustomDurationDialog();
        else
            selectPresetEndingCustomCycle(command.presetID());
        break;
    case Type::EnterTimerMode:
        endRunningSessions();
        if (command.presetID() == customID) {
            showCustomDurationDialog();
        } else {
            m_engine->selectPreset(command.presetID());
            if (command.autoStart())
                m_engine->start();
        }
        break;
    case Type::StartCustomDuration:
        endRunningSessions();
        m_engine->updateCustomDuration(command.seconds());
        m_engine->selectPreset(customID);
        m_engine->start();
        break;
    case Type::SwitchDirection:
        break;
    case Type::Toggle:
        TimerActions::toggle(*m_engine);
        break;
    case Type::Start:
        TimerActions::startIfAllowed(*m_engine);
        break;
    case Type::Pause:
        TimerActions::pauseIfRunning(*m_engine);
        break;
    case Type::Reset:
        m_engine->reset();
        break;
    case Type::OpenSettings:
        openSettingsWindow();
        break;
    case Type::SkipPhase:
        m_pomodoroSession->skipPhase();
        break;
    case Type::StartPomodoro: {
        const TimerMode mode = m_engine->state().mode();
        if (mode == TimerMode::Running || mode == TimerMode::Paused)
            break;
        TimerActions::startPomodoro(*m_pomodoroSession, *m_customTimerSession);
        break;
    }
    }
}
