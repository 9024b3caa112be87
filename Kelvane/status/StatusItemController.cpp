// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/StatusItemController.h"

#include "Kelvane/status/TrayMenu.h"

#include "Kelvane/popover/PopoverRules.h"
#include "Kelvane/status/MenuBarContent.h"
#include "Kelvane/status/TrayMenu.h"
#include "Kelvane/system/NullSystemManagers.h"

#include "PlatformKit/dbus/NullDesktopNotifications.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace {

template <typename T, typename Null>
std::unique_ptr<T> orNull(std::unique_ptr<T> part)
{
    return part ? std::move(part) : std::make_unique<Null>();
}

template <typename T, typename Null, typename... Inputs>
std::unique_ptr<T> build(const std::function<std::unique_ptr<T>(Inputs&...)>& factory, Inputs&... inputs)
{
    return orNull<T, Null>(factory ? factory(inputs...) : nullptr);
}

// In the order the program has always made them: what the model's sessions
// play through exists before them.
SystemManagers managersFrom(StatusItemControllerParts& parts)
{
    SystemManagers managers;
    managers.sleepPrevention
        = orNull<SleepPreventionManager, NullSleepPreventionManager>(std::move(parts.sleepPrevention));
    managers.sounds = orNull<SoundManager, NullSoundManager>(std::move(parts.sounds));
    managers.notifications = std::make_unique<NotificationManager>(
        orNull<platform::DesktopNotifications, platform::NullDesktopNotifications>(std::move(parts.notifications)));
    managers.tickSounds = std::make_unique<TickSoundGenerator>(std::move(parts.audioOutput));
    managers.focus = orNull<FocusStatusManager, NullFocusStatusManager>(std::move(parts.focus));
    managers.updates = orNull<UpdateController, NullUpdateController>(std::move(parts.updates));
    managers.hotkeys = orNull<HotkeyManager, NullHotkeyManager>(std::move(parts.hotkeys));
    managers.makeLaunchAtLogin = parts.makeLaunchAtLogin ? std::move(parts.makeLaunchAtLogin) : [] {
        return std::unique_ptr<LaunchAtLoginManager>(std::make_unique<NullLaunchAtLoginManager>());
    };
    return managers;
}

qreal stripPixelRatio()
{
    const QScreen* screen
        = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? std::max(screen->devicePixelRatio(), 1.0) : 1.0;
}

} // namespace

StatusItemController::StatusItemController(StatusItemControllerParts parts, QObject* parent)
    : QObject(parent)
    , m_defaults(*parts.defaults)
    , m_clock(parts.clock)
    , m_makeOneShotTimer(parts.makeOneShotTimer)
    , m_managers(managersFrom(parts))
    , m_focusGate([this] { return m_model->settings().respectFocusMode(); }, *m_managers.focus)
    , m_sessionSounds(*m_managers.sounds, m_focusGate)
    , m_widgetReloads(std::make_unique<WidgetReloadRequests>(*parts.notifier, m_defaults, m_makeOneShotTimer))
{
    const platform::ElapsedClock monotonic
        = parts.monotonicSeconds ? std::move(parts.monotonicSeconds) : &platform::bootTimeSeconds;
    m_model = std::make_unique<AppModel>(AppModel::Parts{
        .defaults = &m_defaults,
        .ticker = std::move(parts.ticker),
        .makeOneShotTimer = m_makeOneShotTimer,
        .clock = m_clock,
        .monotonicSeconds = monotonic,
        .sessionSounds = &m_sessionSounds,
        .onWidgetRefresh = [reloads = m_widgetReloads.get()] { reloads->reload(); },
    });
    m_statusItem = std::move(parts.statusItem);

    m_customDurationPrompt
        = orNull<CustomDurationPrompt, NullCustomDurationPrompt>(std::move(parts.customDurationPrompt));
    m_settingsWindow = build<SettingsWindowOpener, NullSettingsWindow>(parts.settingsWindow, *m_model, m_managers);
    m_floatingPanel = build<FloatingPanelSwitch, NullFloatingPanel>(parts.floatingPanel, *m_model);
    m_commands = std::make_unique<TimerCommandPerformer>(*m_model, m_defaults, *parts.notifier, *m_settingsWindow,
                                                         *m_customDurationPrompt);
    m_popover = build<PopoverHost, NullPopover>(parts.popover, *m_model, *m_commands);
    m_clickHint = orNull<ClickHintPresenter, NullClickHint>(std::move(parts.clickHint));
    m_quit = parts.quit ? std::move(parts.quit) : [] { QCoreApplication::quit(); };

    followModel(monotonic);
    redrawStatusItem();
    m_widgetReloads->follow(m_model->settings());
    m_reactions = std::make_unique<SystemReactions>(*m_model, m_managers, m_focusGate, *m_floatingPanel, *m_commands,
                                                    monotonic);

    m_clickHintTimer = m_makeOneShotTimer();
    m_clickHintTimer->start(clickHintDelay, [this] { showClickHintIfNeeded(); });
}

StatusItemController::~StatusItemController() = default;

void StatusItemController::followModel(const platform::ElapsedClock& monotonic)
{
    connect(m_statusItem.get(), &platform::StatusItem::leftClicked, &m_subscriptions, [this] { handleLeftClick(); });
    connect(m_statusItem.get(), &platform::StatusItem::rightClicked, &m_subscriptions, [this] { handleRightClick(); });
    // Hosts that show a menu on a right click pass the middle click on.
    connect(m_statusItem.get(), &platform::StatusItem::middleClicked, &m_subscriptions, [this] { handleRightClick(); });
    connect(m_statusItem.get(), &platform::StatusItem::cellPixelsChanged, &m_subscriptions,
            [this] { redrawStatusItem(); });
    connect(m_statusItem.get(), &platform::StatusItem::shapeChanged, &m_subscriptions, [this] {
        redrawStatusItem();
        m_clickHint->moveHint(m_statusItem->anchorRect());
    });
    m_statusItem->setMenuSource([this] { return trayMenuEntries(); });

    // The objects whose changes redraw the tray, merged and throttled. The
    // colours and the completion's look are stores of their own, apart from
    // the settings' signal.
    m_lookChangeTimer = m_makeOneShotTimer();
    m_refreshThrottle
        = std::make_unique<RefreshThrottle>(m_makeOneShotTimer(), monotonic, refreshWindow, [this] { refresh(); });
    const auto poke = [this] { m_refreshThrottle->poke(); };
    AppSettings& settings = m_model->settings();
    connect(&m_model->engine().state(), &TimerState::changed, &m_subscriptions, poke);
    connect(&settings, &AppSettings::changed, &m_subscriptions, poke);
    connect(&settings.colorManager(), &ColorManager::changed, &m_subscriptions, poke);
    connect(&settings.completionSettings(), &CompletionSettings::changed, &m_subscriptions, poke);
    connect(&m_model->animationPlayer(), &AnimationPlayer::changed, &m_subscriptions, poke);
    PomodoroSession* pomodoro = &m_model->pomodoro();
    connect(pomodoro, &PomodoroSession::isActiveChanged, &m_subscriptions, poke);
    connect(pomodoro, &PomodoroSession::currentPhaseIndexChanged, &m_subscriptions, poke);
    CustomTimerSession* custom = &m_model->customSession();
    connect(custom, &CustomTimerSession::isActiveChanged, &m_subscriptions, poke);
    connect(custom, &CustomTimerSession::currentPhaseIndexChanged, &m_subscriptions, poke);
    connect(custom, &CustomTimerSession::activeTimerChanged, &m_subscriptions, poke);

    connect(m_managers.updates.get(), &UpdateController::updateAvailableChanged, &m_subscriptions,
            [this] { handleUpdateAvailable(); });
    // A length entered is shown at once rather than at the end of the
    // throttle's window.
    connect(m_commands.get(), &TimerCommandPerformer::customDurationChosen, &m_subscriptions, [this] { refresh(); });
}

void StatusItemController::handleUpdateAvailable()
{
    redrawStatusItem();
    // An open popover keeps its content; the next opening shows the flag.
    if (!m_popover->isShown())
        m_popover->dropContent();
}

void StatusItemController::refresh()
{
    m_refreshTrigger.bump();
    MenuBarContent content = trayContent();
    const platform::Date now = m_clock();
    // Most ticks change the tooltip only: the picture is drawn when what it
    // shows can differ. A look that moves by itself has its own timer.
    if (m_drawnContent && m_drawnShape == m_statusItem->shape() && m_drawnCellPixels == m_statusItem->cellPixels()
        && MenuBarContentView::samePicture(*m_drawnContent, content, now)) {
        m_statusItem->setToolTip(content.accessibilityLabel());
        m_statusItem->refreshMenu();
        return;
    }
    draw(std::move(content), now);
}

void StatusItemController::redrawStatusItem()
{
    draw(trayContent(), m_clock());
}

MenuBarContent StatusItemController::trayContent() const
{
    MenuBarContent content = MenuBarContent::of(m_model->engine(), m_model->settings(), m_model->animationPlayer(),
                                                m_model->pomodoro(), m_model->customSession(), updateAvailable());
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        content.primaryColor = QGuiApplication::palette().color(QPalette::WindowText);
    return content;
}

void StatusItemController::draw(MenuBarContent content, platform::Date now)
{
    const auto shape = m_statusItem->shape();
    const auto cellPixels = m_statusItem->cellPixels();
    m_statusItem->setToolTip(content.accessibilityLabel());
    m_statusItem->setImages(
        MenuBarContentView::render(content, shape, m_lookStates, now, stripPixelRatio(), cellPixels));
    m_statusItem->refreshMenu();

    const auto next = MenuBarContentView::nextLookChange(content, shape, m_lookStates, now);
    m_drawnContent = std::move(content);
    m_drawnShape = shape;
    m_drawnCellPixels = cellPixels;
    if (!next) {
        m_lookChangeTimer->cancel();
        return;
    }
    const double delay = std::max(next->secondsSince(now), minimumLookChangeDelay);
    m_lookChangeTimer->start(delay, [this] { redrawStatusItem(); });
}

void StatusItemController::handleLeftClick()
{
    togglePopover();
}

void StatusItemController::handleRightClick()
{
    m_commands->perform({.kind = TimerAction::Kind::Toggle});
}

QList<platform::StatusMenuEntry> StatusItemController::trayMenuEntries()
{
    QPointer<StatusItemController> self(this);
    const auto perform = [self](TimerAction::Kind kind) {
        return [self, kind] {
            if (self)
                self->m_commands->perform({.kind = kind});
        };
    };
    return TrayMenu::entries(m_model->engine().state().mode(),
                             {.toggle = perform(TimerAction::Kind::Toggle),
                              .reset = perform(TimerAction::Kind::Reset),
                              .openControls =
                                  [self] {
                                      if (self && !self->m_popover->isShown())
                                          self->togglePopover();
                                  },
                              .openSettings = perform(TimerAction::Kind::OpenSettings),
                              .quit =
                                  [self] {
                                      if (self)
                                          self->m_quit();
                                  }});
}

void StatusItemController::togglePopover()
{
    if (m_popover->isShown()) {
        m_popover->close();
        return;
    }
    if (!m_popover->hasContent())
        m_popover->setContent(popoverContent());
    m_popover->show(m_statusItem->anchorRect());
}

PopoverContent StatusItemController::popoverContent()
{
    PopoverContent content;
    content.customMinutes = PopoverRules::customMinutes(m_model->engine().customDuration());
    content.updateAvailable = updateAvailable();
    QPointer<StatusItemController> self(this);
    content.onOpenSettings = [self] {
        if (self) {
            self->m_popover->close();
            self->m_commands->perform({.kind = TimerAction::Kind::OpenSettings});
        }
    };
    content.onToggleFloatingDisplay = [self] {
        if (self)
            self->toggleFloatingDisplay();
    };
    content.onQuit = [self] {
        if (self)
            self->m_quit();
    };
    // A build with nowhere to look offers no check.
    if (m_managers.updates->canCheckForUpdates()) {
        content.onCheckForUpdates = [self] {
            if (self)
                self->checkForUpdates();
        };
    }
    return content;
}

void StatusItemController::toggleFloatingDisplay()
{
    AppSettings& settings = m_model->settings();
    settings.setFloatingDisplayEnabled(!settings.floatingDisplayEnabled());
}

void StatusItemController::checkForUpdates()
{
    m_managers.updates->checkAfresh();
}

void StatusItemController::showClickHintIfNeeded()
{
    AppSettings& settings = m_model->settings();
    if (settings.hasSeenClickHint())
        return;
    settings.setHasSeenClickHint(true);
    m_clickHint->showHint(m_statusItem->anchorRect());
}
