// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/ElapsedClock.h"

#include "TimerCoreKit/engine/TimerMode.h"

#include <QObject>

#include <optional>

class AppModel;
class FloatingPanelSwitch;
class FocusGate;
class TimerCommandPerformer;
struct SystemManagers;

// What the program does by itself as the model changes: the completion's
// animation, sound and notification (the last two behind do-not-disturb),
// tick sounds, keeping the computer awake, the shortcuts and the floating
// panel. Each reaction lives as long as this object. Main thread only.
class SystemReactions final : public QObject {
    Q_OBJECT

public:
    // All outlive the reactions. `monotonicSeconds` spaces the tick sounds.
    SystemReactions(AppModel& model, SystemManagers& managers, const FocusGate& focusGate,
                    FloatingPanelSwitch& floatingPanel, TimerCommandPerformer& commands,
                    platform::ElapsedClock monotonicSeconds, QObject* parent = nullptr);

    // Tick sounds come at most this often.
    static constexpr double minimumTickSpacing = 0.5;

private:
    void followCompletion();
    void followTicks();
    void followSettings();
    void followSleepPrevention();
    void followShortcuts(TimerCommandPerformer& commands);

    void handleModeChange();
    void playCompletionAnimation();
    void tickIfDue(TimerDirection direction);
    void handleSettingsChange();
    void releaseSleepPrevention();
    void applyGlobalShortcuts(bool enabled);

    AppModel& m_model;
    SystemManagers& m_managers;
    const FocusGate& m_focusGate;
    FloatingPanelSwitch& m_floatingPanel;
    platform::ElapsedClock m_monotonicSeconds;
    std::optional<double> m_lastTickTime; // none before the first tick
    // The settings last seen, so a change of the whole store tells which moved.
    bool m_floatingDisplayEnabled = false;
    bool m_preventSleepWhileRunning = false;
    bool m_hotkeysEnabled = false;
};
