#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QWidget>

class BezellessStepperButton;
class PhaseColorPicker;
class PhaseDeleteButton;
class QLineEdit;
class WholeNumberField;

// One row of the custom-timer editor's phase list: the phase's name, its
// length in whole minutes with steppers, its colour and a delete button that
// shows under the pointer. The row only shows a phase and reports what the
// user asks for; the owner applies it to the phase at the row's position.
class PhaseRowView : public QWidget, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int rowHeight = 36;

    explicit PhaseRowView(QWidget* parent = nullptr);

    void showPhase(const CustomTimerPhase& phase);
    void setCanDelete(bool canDelete);
    // Whether moving up and down are possible; the accessibility actions
    // stay listed and do nothing when not.
    void setMoveUpAvailable(bool available) { moveUpAvailable_ = available; }
    void setMoveDownAvailable(bool available) { moveDownAvailable_ = available; }

    bool isHovering() const { return hovering_; }

    QLineEdit* nameField() const { return nameField_; }
    WholeNumberField* minutesField() const { return minutesField_; }
    BezellessStepperButton* decrementButton() const { return decrement_; }
    BezellessStepperButton* incrementButton() const { return increment_; }
    PhaseColorPicker* colorPicker() const { return colorPicker_; }
    PhaseDeleteButton* deleteButton() const { return delete_; }

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    QStringList accessibleActionNames() const override;
    void doAccessibleAction(const QString& name) override;

signals:
    void nameEdited(const QString& name);
    void minutesTyped(qint64 minutes);
    void decrementRequested();
    void incrementRequested();
    void colorPicked(int paletteIndex);
    void deleteRequested();
    void moveUpRequested();
    void moveDownRequested();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setHovering(bool hovering);

    QLineEdit* nameField_;
    BezellessStepperButton* decrement_;
    WholeNumberField* minutesField_;
    BezellessStepperButton* increment_;
    PhaseColorPicker* colorPicker_;
    PhaseDeleteButton* delete_;
    QString shownMinutes_;
    bool hovering_ = false;
    bool moveUpAvailable_ = false;
    bool moveDownAvailable_ = false;
};
