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

    std::function<void(const CustomTimer&)> onSave;
    std::function<void()> onCancel;

    const CustomTimerDraft& draft() const { return *draft_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* makeNameRow();
    QWidget* makePhasesCard();
    QWidget* makeRoundsRow();
    QWidget* makeButtonRow();
    void refresh();
    void save();
    void cancel();

    CustomTimerDraft* draft_;
    QLineEdit* nameField_ = nullptr;
    TintedLabel* nameCounter_ = nullptr;
    PhaseCountBadge* badge_ = nullptr;
    PhaseListView* phaseList_ = nullptr;
    AddPhaseButton* addPhase_ = nullptr;
    BezellessStepperButton* decrementRounds_ = nullptr;
    WholeNumberField* roundsField_ = nullptr;
    BezellessStepperButton* incrementRounds_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};
