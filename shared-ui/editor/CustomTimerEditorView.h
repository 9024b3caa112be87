// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QWidget>

#include <functional>

class AddPhaseButton;
class BezellessStepperButton;
class CustomTimerDraft;
class PhaseCountBadge;
class PhaseListView;
class QLineEdit;
class QPushButton;
class TintedLabel;
class WholeNumberField;

// The sheet in which the user builds or edits one custom timer: its name, its
// phases and its rounds. It works on a private copy of the timer and never
// stores, closes or presents anything itself: Save (or Return) hands the copy
// to onSave, Cancel (or Escape) calls onCancel, and the host that shows the
// editor in a modal window closes it in both.
class CustomTimerEditorView : public QWidget {
    Q_OBJECT

public:
    CustomTimerEditorView(CustomTimer timer, std::function<void(const CustomTimer&)> onSave,
                          std::function<void()> onCancel, QWidget* parent = nullptr);

    const CustomTimerDraft& draft() const { return *m_draft; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void(const CustomTimer&)> m_onSave;
    std::function<void()> m_onCancel;

    QWidget* makeNameRow();
    QWidget* makePhasesCard();
    QWidget* makeRoundsRow();
    QWidget* makeButtonRow();
    void refresh();
    void save();
    void cancel();

    CustomTimerDraft* m_draft;
    QLineEdit* m_nameField = nullptr;
    TintedLabel* m_nameCounter = nullptr;
    PhaseCountBadge* m_badge = nullptr;
    PhaseListView* m_phaseList = nullptr;
    AddPhaseButton* m_addPhase = nullptr;
    BezellessStepperButton* m_decrementRounds = nullptr;
    WholeNumberField* m_roundsField = nullptr;
    BezellessStepperButton* m_incrementRounds = nullptr;
    QPushButton* m_saveButton = nullptr;
};
