// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/app/DeepLinkAction.h"
#include "Kelvane/commands/TimerAction.h"

#include "PlatformKit/dbus/CrossProcessNotifier.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QObject>
#include <QString>

#include <optional>

class AppModel;
class CustomDurationPrompt;
class SettingsWindowOpener;
struct CustomTimer;

// The one place where what the user asks of the timer is done to the model:
// links, the widget's queued commands, the tray's clicks, the shortcuts and the
// popover's buttons. Each action does nothing in a mode where it does not
// apply. Main thread only.
class TimerCommandPerformer final : public QObject, public DeepLinkTarget {
    Q_OBJECT

public:
    // All outlive the performer. Installs the observers through which the
    // widget's queued commands arrive.
    TimerCommandPerformer(AppModel& model, platform::UserDefaults& defaults, platform::CrossProcessNotifier& notifier,
                          SettingsWindowOpener& settingsWindow, CustomDurationPrompt& prompt,
                          QObject* parent = nullptr);
    ~TimerCommandPerformer() override;

    void perform(const TimerAction& action);

    // DeepLinkTarget
    void handleDeepLink(const DeepLinkAction& link) override { perform(TimerAction::of(link)); }
    // Performs every queued command, oldest first, each completely; while the
    // custom-duration prompt is open they wait for its answer.
    void processPendingCommands() override;
    // Drains the widget's queue when the program becomes the active one.
    void handleApplicationStateChanged(Qt::ApplicationState state);

    // The popover's: one session at a time, so starting one ends the other
    // first and the ended one's next phase end cannot load a phase into the
    // new run. The timer whose cycle already runs is left as it is.
    void startCustomTimer(const CustomTimer& timer);
    void startPomodoro();
    // A preset for the plain timer: ignored during a Pomodoro, and a custom
    // cycle ends first.
    void choosePreset(const QString& presetID);

    // Opens the custom-duration prompt once the current work has returned, or
    // brings the open one forward.
    void askCustomDuration();

Q_SIGNALS:
    // A length was entered: the tray shows it at once.
    void customDurationChosen();

private:
    void toggle();
    void startIfAllowed();
    void pauseIfRunning();
    void enterTimerMode(const QString& presetID, bool autoStart);
    void startCustomDuration(double seconds);
    void startPomodoroIfIdle();
    void endRunningSessions();
    void selectPresetEndingCustomCycle(const QString& presetID);
    void runCustomDurationPrompt();
    void takeCustomDuration(const std::optional<QString>& answer);

    AppModel& m_model;
    platform::UserDefaults& m_defaults;
    platform::CrossProcessNotifier& m_notifier;
    SettingsWindowOpener& m_settingsWindow;
    CustomDurationPrompt& m_prompt;
    platform::ObservationToken m_commandObservation;
};
