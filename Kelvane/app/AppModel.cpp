// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/AppModel.h"

#include "TimerCoreKit/engine/TimerPersistence.h"

AppModel::AppModel(Parts parts)
    : m_animationPlayer(std::make_unique<AnimationPlayer>(parts.makeOneShotTimer()))
    , m_settings(std::make_unique<AppSettings>(*parts.defaults))
    , m_engine(std::make_unique<TimerEngine>(TimerPersistence(*parts.defaults), std::move(parts.ticker), parts.clock,
                                             std::move(parts.monotonicSeconds)))
{
    // Set before any session exists, so every change of the engine from here
    // on reloads the widget.
    m_engine->setOnWidgetRefresh(std::move(parts.onWidgetRefresh));
    m_pomodoro = std::make_unique<PomodoroSession>(*m_engine, m_settings->pomodoroSettings(), *parts.sessionSounds,
                                                   *parts.defaults, parts.makeOneShotTimer());
    m_customTimers = std::make_unique<CustomTimerStore>(*parts.defaults, parts.clock);
    m_customSession = std::make_unique<CustomTimerSession>(*m_engine, *parts.sessionSounds, *m_customTimers,
                                                           *parts.defaults, parts.makeOneShotTimer);
}

AppModel::~AppModel() = default;
