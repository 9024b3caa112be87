// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/popover/PopoverHost.h"
#include "Kelvane/popover/PopoverModel.h"

#include "TimerCoreKit/engine/TimerMode.h"
#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QWidget>

#include <functional>

class CapsuleButton;
class StatusDot;
class CustomTimerRow;
class PhaseStripView;
class PopoverRow;
class QLabel;
class QVBoxLayout;
class WholeNumberField;
class BezellessStepperButton;
template <typename Option>
class SoftSegmentedPicker;

// Everything inside the popover: the header and its status line, the phase
// strips, the Timer/Stopwatch picker, the presets, the custom minutes, the
// custom timers, the controls of the plain timer or of the Pomodoro, and the
// footer. Built for one opening; it watches the engine, the sessions, the
// store and the settings and calls them for every action.
class PopoverContentView : public QWidget {
    Q_OBJECT

public:
    PopoverContentView(PopoverModel model, PopoverContent content, QWidget* parent = nullptr);

    // Opens the editor for a new or a saved timer.
    void setOnEditTimer(std::function<void(const CustomTimer&)> onEditTimer) { m_onEditTimer = std::move(onEditTimer); }

    int customMinutes() const { return m_customMinutes; }
    bool showsCustomDuration() const { return m_showCustomDuration; }
    // Takes a value from the minutes field or the stepper: kept in 1...180
    // and handed to the engine as the custom length.
    void setCustomMinutes(qint64 minutes);

private:
    QWidget* makeHeader();
    QWidget* makeModePicker();
    QWidget* makePresets();
    QWidget* makeCustomDurationRow();
    QWidget* makeCustomTimersSection();
    QWidget* makeControls();
    QWidget* makeFooter();
    void rebuildCustomTimerRows();
    void refresh();
    void handleSelectedPresetChange();
    void pressPrimary();
    void pressPomodoroPrimary();
    void deleteCustomTimer(const CustomTimer& timer);
    void editTimer(const CustomTimer& timer);

    PopoverModel m_model;
    PopoverContent m_content;
    std::function<void(const CustomTimer&)> m_onEditTimer;
    int m_customMinutes = 15;
    bool m_showCustomDuration = false;

    StatusDot* m_statusDot = nullptr;
    QLabel* m_statusText = nullptr;
    QLabel* m_roundText = nullptr;
    QWidget* m_pomodoroStripBox = nullptr;
    PhaseStripView* m_pomodoroStrip = nullptr;
    QWidget* m_customStripBox = nullptr;
    PhaseStripView* m_customStrip = nullptr;
    SoftSegmentedPicker<TimerDirection>* m_modePicker = nullptr;
    QWidget* m_countdownGroup = nullptr;
    QList<PopoverRow*> m_presetRows;
    QWidget* m_customDurationBox = nullptr;
    WholeNumberField* m_minutesField = nullptr;
    BezellessStepperButton* m_minus = nullptr;
    BezellessStepperButton* m_plus = nullptr;
    QWidget* m_stepper = nullptr;
    QVBoxLayout* m_customTimerList = nullptr;
    QList<CustomTimerRow*> m_customTimerRows;
    QLabel* m_noCustomTimers = nullptr;
    QWidget* m_primaryControls = nullptr;
    CapsuleButton* m_primaryButton = nullptr;
    CapsuleButton* m_resetButton = nullptr;
    QWidget* m_pomodoroControls = nullptr;
    CapsuleButton* m_pomodoroButton = nullptr;
    QWidget* m_stopPomodoroBox = nullptr;
    QWidget* m_stopCustomBox = nullptr;
    PopoverRow* m_pomodoroRow = nullptr;
    PopoverRow* m_floatingRow = nullptr;
};
