// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/SystemReactions.h"

#include "Kelvane/animation/AnimationLibrary.h"
#include "Kelvane/animation/BuiltInAnimationFrames.h"
#include "Kelvane/app/AppModel.h"
#include "Kelvane/commands/TimerCommandPerformer.h"
#include "Kelvane/status/AppWindows.h"
#include "Kelvane/system/FocusGate.h"
#include "Kelvane/system/SystemManagers.h"

#include <QPointer>

SystemReactions::SystemReactions(AppModel& model, SystemManagers& managers, const FocusGate& focusGate,
                                 FloatingPanelSwitch& floatingPanel, TimerCommandPerformer& commands,
                                 platform::ElapsedClock monotonicSeconds, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_managers(managers)
    , m_focusGate(focusGate)
    , m_floatingPanel(floatingPanel)
    , m_monotonicSeconds(std::move(monotonicSeconds))
{
    followCompletion();
    followTicks();
    followSettings();
    followSleepPrevention();
    followShortcuts(commands);
}

void SystemReactions::followCompletion()
{
    // Only changes count: a timer restored as completed plays nothing.
    connect(&m_model.engine().state(), &TimerState::modeChanged, this, &SystemReactions::handleModeChange);
    if (m_model.engine().state().mode() != TimerMode::Running)
        m_managers.tickSounds->stop();
}

void SystemReactions::followTicks()
{
    CompletionSettings& completion = m_model.settings().completionSettings();
    m_managers.tickSounds->setStyle(completion.tickStyle());
    connect(&completion, &CompletionSettings::tickStyleChanged, this,
            [this] { m_managers.tickSounds->setStyle(m_model.settings().completionSettings().tickStyle()); });
    const TimerState& state = m_model.engine().state();
    connect(&state, &TimerState::remainingChanged, this, [this] { tickIfDue(TimerDirection::Countdown); });
    connect(&state, &TimerState::elapsedChanged, this, [this] { tickIfDue(TimerDirection::CountUp); });
}

void SystemReactions::followSettings()
{
    // The floating panel, sleep prevention and the shortcuts follow their
    // settings; the store tells only that something changed.
    m_floatingDisplayEnabled = m_model.settings().floatingDisplayEnabled();
    m_preventSleepWhileRunning = m_model.settings().preventSleepWhileRunning();
    connect(&m_model.settings(), &AppSettings::changed, this, &SystemReactions::handleSettingsChange);
    if (m_floatingDisplayEnabled)
        m_floatingPanel.showPanel();
}

void SystemReactions::followSleepPrevention()
{
    // Only changes count: the values at start-up are not applied.
    connect(&m_model.engine().state(), &TimerState::modeChanged, this, [this] {
        if (m_model.engine().state().mode() == TimerMode::Running && m_model.settings().preventSleepWhileRunning())
            m_managers.sleepPrevention->beginPreventingSleep();
        else
            releaseSleepPrevention();
    });
}

void SystemReactions::followShortcuts(TimerCommandPerformer& commands)
{
    QPointer<TimerCommandPerformer> performer(&commands);
    m_managers.hotkeys->setOnToggleTimer([performer] {
        if (performer)
            performer->perform({.kind = TimerAction::Kind::Toggle});
    });
    m_managers.hotkeys->setOnResetTimer([performer] {
        if (performer)
            performer->perform({.kind = TimerAction::Kind::Reset});
    });
    applyGlobalShortcuts(m_model.settings().globalShortcutsEnabled());
}

void SystemReactions::handleModeChange()
{
    const TimerMode mode = m_model.engine().state().mode();
    if (mode != TimerMode::Running)
        m_managers.tickSounds->stop();
    if (mode != TimerMode::Completed) {
        m_model.animationPlayer().stop();
        return;
    }
    playCompletionAnimation();
    if (m_focusGate.holds())
        return;
    const CompletionSettings& completion = m_model.settings().completionSettings();
    m_managers.sounds->play(completion.selectedSound());
    if (completion.showNotification())
        m_managers.notifications->sendTimerCompletedNotification();
}

void SystemReactions::playCompletionAnimation()
{
    const CompletionSettings& completion = m_model.settings().completionSettings();
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
    const auto frames = builtInAnimationFrames(*animation, trayAnimationHeight);
    if (!frames)
        return;
    AnimationPlayer& player = m_model.animationPlayer();
    player.load(frames->frames, frames->delays, completion.animationLoopsEnabled());
    QPointer<AnimationPlayer> loaded(&player);
    player.setOnComplete([loaded] {
        if (loaded)
            loaded->stop();
    });
}

void SystemReactions::tickIfDue(TimerDirection direction)
{
    // A clock that cannot step back: a wall clock set back would silence the
    // ticks until it caught up.
    const double now = m_monotonicSeconds();
    if (m_lastTickTime && now - *m_lastTickTime <= minimumTickSpacing)
        return;
    const TimerState& state = m_model.engine().state();
    if (state.mode() != TimerMode::Running || state.direction() != direction)
        return;
    if (m_model.settings().completionSettings().tickStyle() == TickStyle::None || m_focusGate.holds())
        return;
    m_lastTickTime = now;
    m_managers.tickSounds->tick();
}

void SystemReactions::handleSettingsChange()
{
    const AppSettings& settings = m_model.settings();
    if (const bool floating = settings.floatingDisplayEnabled(); floating != m_floatingDisplayEnabled) {
        m_floatingDisplayEnabled = floating;
        if (floating)
            m_floatingPanel.showPanel();
        else
            m_floatingPanel.hidePanel();
    }
    if (const bool prevent = settings.preventSleepWhileRunning(); prevent != m_preventSleepWhileRunning) {
        m_preventSleepWhileRunning = prevent;
        if (!prevent)
            releaseSleepPrevention();
        else if (m_model.engine().state().mode() == TimerMode::Running)
            m_managers.sleepPrevention->beginPreventingSleep();
    }
    applyGlobalShortcuts(settings.globalShortcutsEnabled());
}

void SystemReactions::releaseSleepPrevention()
{
    if (m_managers.sleepPrevention->isActive())
        m_managers.sleepPrevention->release();
}

void SystemReactions::applyGlobalShortcuts(bool enabled)
{
    if (enabled && !m_hotkeysEnabled) {
        m_hotkeysEnabled = true;
        m_managers.hotkeys->enable();
    } else if (!enabled && m_hotkeysEnabled) {
        m_hotkeysEnabled = false;
        m_managers.hotkeys->disable();
    }
}
