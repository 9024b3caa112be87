// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/commands/TimerCommandPerformer.h"

#include "Kelvane/app/AppModel.h"
#include "Kelvane/status/AppWindows.h"
#include "Kelvane/status/CustomDurationPrompt.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"
#include "TimerCoreKit/engine/TimerPreset.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>

#include <cmath>

TimerCommandPerformer::TimerCommandPerformer(AppModel& model, platform::UserDefaults& defaults,
                                             platform::CrossProcessNotifier& notifier,
                                             SettingsWindowOpener& settingsWindow, CustomDurationPrompt& prompt,
                                             QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_defaults(defaults)
    , m_notifier(notifier)
    , m_settingsWindow(settingsWindow)
    , m_prompt(prompt)
{
    // The notifier may call from its own thread: the drain runs on ours.
    m_commandObservation = m_notifier.observe(TimerCommandQueue::queuedNotificationName, [this] {
        QMetaObject::invokeMethod(this, &TimerCommandPerformer::processPendingCommands, Qt::QueuedConnection);
    });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::applicationStateChanged, this,
                &TimerCommandPerformer::handleApplicationStateChanged);
}

TimerCommandPerformer::~TimerCommandPerformer()
{
    m_commandObservation.reset();
}

void TimerCommandPerformer::perform(const TimerAction& action)
{
    using Kind = TimerAction::Kind;
    switch (action.kind) {
    case Kind::Nothing:
        break;
    case Kind::Toggle:
        toggle();
        break;
    case Kind::Start:
        startIfAllowed();
        break;
    case Kind::Pause:
        pauseIfRunning();
        break;
    case Kind::Reset:
        m_model.engine().reset();
        break;
    case Kind::OpenSettings:
        m_settingsWindow.showSettings();
        break;
    case Kind::AskCustomDuration:
        askCustomDuration();
        break;
    case Kind::SelectPreset:
        selectPresetEndingCustomCycle(action.presetID);
        break;
    case Kind::EnterTimerMode:
        enterTimerMode(action.presetID, action.autoStart);
        break;
    case Kind::StartCustomDuration:
        startCustomDuration(action.seconds);
        break;
    case Kind::SkipPhase:
        m_model.pomodoro().skipPhase();
        break;
    case Kind::StartPomodoro:
        startPomodoroIfIdle();
        break;
    }
}

void TimerCommandPerformer::processPendingCommands()
{
    // Commands that arrive while the user enters a length wait for the answer.
    if (m_prompt.isOpen())
        return;
    const QList<TimerCommand> commands = TimerCommandQueue(m_defaults, m_notifier).takeAll();
    for (const TimerCommand& command : commands)
        perform(TimerAction::of(command));
}

void TimerCommandPerformer::handleApplicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        QMetaObject::invokeMethod(this, &TimerCommandPerformer::processPendingCommands, Qt::QueuedConnection);
}

void TimerCommandPerformer::toggle()
{
    TimerEngine& engine = m_model.engine();
    switch (engine.state().mode()) {
    case TimerMode::Idle:
        engine.start();
        break;
    case TimerMode::Running:
        engine.pause();
        break;
    case TimerMode::Paused:
        engine.resume();
        break;
    case TimerMode::Completed:
        engine.reset();
        break;
    }
}

void TimerCommandPerformer::startIfAllowed()
{
    const TimerMode mode = m_model.engine().state().mode();
    if (mode == TimerMode::Idle || mode == TimerMode::Paused)
        m_model.engine().start();
}

void TimerCommandPerformer::pauseIfRunning()
{
    if (m_model.engine().state().mode() == TimerMode::Running)
        m_model.engine().pause();
}

void TimerCommandPerformer::enterTimerMode(const QString& presetID, bool autoStart)
{
    endRunningSessions();
    if (presetID == TimerPresetLibrary::Constants::customPresetID) {
        askCustomDuration();
        return;
    }
    m_model.engine().selectPreset(presetID);
    if (autoStart)
        m_model.engine().start();
}

void TimerCommandPerformer::startCustomDuration(double seconds)
{
    endRunningSessions();
    TimerEngine& engine = m_model.engine();
    engine.updateCustomDuration(seconds);
    engine.selectPreset(TimerPresetLibrary::Constants::customPresetID);
    engine.start();
}

void TimerCommandPerformer::startPomodoroIfIdle()
{
    const TimerMode mode = m_model.engine().state().mode();
    if (mode == TimerMode::Running || mode == TimerMode::Paused)
        return;
    startPomodoro();
}

void TimerCommandPerformer::startCustomTimer(const CustomTimer& timer)
{
    CustomTimerSession& custom = m_model.customSession();
    // Choosing a timer again would end its cycle and start it over.
    if (custom.isActive() && custom.activeTimer() && custom.activeTimer()->id == timer.id)
        return;
    if (m_model.pomodoro().isActive())
        m_model.pomodoro().reset();
    custom.activate(timer);
    custom.start();
}

void TimerCommandPerformer::startPomodoro()
{
    if (m_model.customSession().isActive())
        m_model.customSession().reset();
    m_model.pomodoro().start();
}

void TimerCommandPerformer::choosePreset(const QString& presetID)
{
    if (m_model.pomodoro().isActive())
        return;
    selectPresetEndingCustomCycle(presetID);
}

void TimerCommandPerformer::endRunningSessions()
{
    if (m_model.pomodoro().isActive())
        m_model.pomodoro().reset();
    if (m_model.customSession().isActive())
        m_model.customSession().reset();
}

void TimerCommandPerformer::selectPresetEndingCustomCycle(const QString& presetID)
{
    // Else the cycle's next phase end would load a phase over the preset.
    if (m_model.customSession().isActive())
        m_model.customSession().reset();
    m_model.engine().selectPreset(presetID);
}

void TimerCommandPerformer::askCustomDuration()
{
    QMetaObject::invokeMethod(this, &TimerCommandPerformer::runCustomDurationPrompt, Qt::QueuedConnection);
}

void TimerCommandPerformer::runCustomDurationPrompt()
{
    if (m_prompt.isOpen()) {
        m_prompt.raise();
        return;
    }
    const int current = static_cast<int>(std::trunc(m_model.engine().customDuration() / 60));
    QPointer<TimerCommandPerformer> self(this);
    m_prompt.ask(current, [self](const std::optional<QString>& answer) {
        if (self)
            self->takeCustomDuration(answer);
    });
}

void TimerCommandPerformer::takeCustomDuration(const std::optional<QString>& answer)
{
    if (answer) {
        TimerEngine& engine = m_model.engine();
        engine.updateCustomDuration(CustomDurationPrompt::minutes(*answer) * 60.0);
        engine.selectPreset(TimerPresetLibrary::Constants::customPresetID);
        Q_EMIT customDurationChosen();
    }
    // Now the commands held back while it was open.
    QMetaObject::invokeMethod(this, &TimerCommandPerformer::processPendingCommands, Qt::QueuedConnection);
}
