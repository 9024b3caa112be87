// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/floating/FloatingDisplayController.h"

#include "Kelvane/floating/FloatingDisplayView.h"
#include "Kelvane/floating/FloatingPanel.h"
#include "Kelvane/floating/FloatingPanelGeometry.h"

#include "Kelvane/animation/AnimationPlayer.h"
#include "Kelvane/settings/AppSettings.h"

#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/PomodoroSession.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace Keys = SharedDefaultsKeys;

ScreenFrames ScreenFrames::current()
{
    ScreenFrames frames;
    for (const QScreen* screen : QGuiApplication::screens())
        frames.visible.append(screen->availableGeometry());
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        frames.primary = primary->availableGeometry();
    return frames;
}

void FloatingDisplayController::LaterDeleter::operator()(FloatingPanel* panel) const
{
    panel->deleteLater();
}

FloatingDisplayController::FloatingDisplayController(
    const TimerEngine& engine, AppSettings& settings, const AnimationPlayer& player, const PomodoroSession& pomodoro,
    const CustomTimerSession& customTimer, platform::UserDefaults& defaults,
    std::function<std::unique_ptr<platform::OneShotTimer>()> makeOneShotTimer, std::function<ScreenFrames()> screens,
    QObject* parent)
    : QObject(parent)
    , m_engine(engine)
    , m_settings(settings)
    , m_player(player)
    , m_pomodoro(pomodoro)
    , m_customTimer(customTimer)
    , m_defaults(defaults)
    , m_makeOneShotTimer(std::move(makeOneShotTimer))
    , m_screens(std::move(screens))
    , m_lastLook(lookSettings())
{
}

FloatingDisplayController::~FloatingDisplayController()
{
    m_bindings.reset();
    // Nothing is left to deliver to: the panel goes with the controller.
    delete m_panel.release();
}

void FloatingDisplayController::showPanel()
{
    if (m_panel) {
        m_panel->bringToFront();
        return;
    }
    show();
    setupBindings();
}

void FloatingDisplayController::show()
{
    const QPointer<FloatingDisplayController> self(this);
    auto* view
        = new FloatingDisplayView(m_engine, m_settings, m_player, m_pomodoro, m_customTimer, m_refreshTrigger, [self] {
              if (!self)
                  return;
              self->m_settings.setFloatingDisplayEnabled(false);
              self->hide();
          });
    std::unique_ptr<FloatingPanel, LaterDeleter> panel(new FloatingPanel(view));
    const QSize size = FloatingPanelGeometry::panelSize(view->sizeHint());
    const ScreenFrames screens = m_screens();
    panel->showAt(
        FloatingPanelGeometry::placement(size, m_settings.loadFloatingPosition(), screens.visible, screens.primary));
    m_panel = std::move(panel);
}

FloatingDisplayController::LookSettings FloatingDisplayController::lookSettings() const
{
    return {m_settings.displayType(), m_settings.styleConfig(), m_settings.timeFormat(), m_settings.showLeadingZero()};
}

void FloatingDisplayController::setupBindings()
{
    m_bindings = std::make_unique<QObject>();
    m_throttle = std::make_unique<RefreshThrottle>(m_makeOneShotTimer(), refreshWindow, [this] { refresh(); });
    const auto poke = [this] { m_throttle->poke(); };
    QObject* context = m_bindings.get();
    connect(&m_engine.state(), &TimerState::changed, context, poke);
    connect(&m_player, &AnimationPlayer::changed, context, poke);
    connect(&m_pomodoro, &PomodoroSession::isActiveChanged, context, poke);
    connect(&m_pomodoro, &PomodoroSession::currentPhaseIndexChanged, context, poke);
    connect(&m_customTimer, &CustomTimerSession::isActiveChanged, context, poke);
    connect(&m_customTimer, &CustomTimerSession::currentPhaseIndexChanged, context, poke);
    connect(&m_customTimer, &CustomTimerSession::activeTimerChanged, context, poke);
    // The store tells only that something changed: of its settings, the four
    // the display is drawn with count.
    m_lastLook = lookSettings();
    connect(&m_settings, &AppSettings::changed, context, [this, poke] {
        if (LookSettings look = lookSettings(); !(look == m_lastLook)) {
            m_lastLook = std::move(look);
            poke();
        }
    });
    connect(&m_settings.colorManager(), &ColorManager::changed, context, poke);
    connect(&m_settings.completionSettings(), &CompletionSettings::changed, context, poke);
}

void FloatingDisplayController::hide()
{
    savePosition();
    if (m_panel)
        m_panel->hide();
    m_panel.reset();
    m_bindings.reset();
    m_throttle.reset();
}

void FloatingDisplayController::savePosition()
{
    if (!m_panel)
        return;
    const auto corner = FloatingPanelGeometry::positionToSave(m_panel->frameGeometry(), m_screens().visible);
    if (!corner)
        return;
    m_defaults.setDouble(Keys::floatingDisplayX, corner->x());
    m_defaults.setDouble(Keys::floatingDisplayY, corner->y());
}

void FloatingDisplayController::refresh()
{
    if (!m_panel)
        return;
    m_refreshTrigger.bump();
    // Fitted once the view has taken the new content.
    QTimer::singleShot(0, this, &FloatingDisplayController::refit);
}

void FloatingDisplayController::refit()
{
    if (!m_panel)
        return;
    const QSize target = FloatingPanelGeometry::panelSize(m_panel->view().sizeHint());
    if (const auto frame = FloatingPanelGeometry::refitted(m_panel->geometry(), target))
        m_panel->setGeometry(*frame);
}
