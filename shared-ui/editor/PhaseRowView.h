// SPDX-License-Identifier: GPL-3.0-or-later
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
    void setMoveUpAvailable(bool available) { m_moveUpAvailable = available; }
    void setMoveDownAvailable(bool available) { m_moveDownAvailable = available; }

    bool isHovering() const { return m_hovering; }

    QLineEdit* nameField() const { return m_nameField; }
    WholeNumberField* minutesField() const { return m_minutesField; }
    BezellessStepperButton* decrementButton() const { return m_decrement; }
    BezellessStepperButton* incrementButton() const { return m_increment; }
    PhaseColorPicker* colorPicker() const { return m_colorPicker; }
    PhaseDeleteButton* deleteButton() const { return m_delete; }

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

    QLineEdit* m_nameField;
    BezellessStepperButton* m_decrement;
    WholeNumberField* m_minutesField;
    BezellessStepperButton* m_increment;
    PhaseColorPicker* m_colorPicker;
    PhaseDeleteButton* m_delete;
    QString m_shownMinutes;
    bool m_hovering = false;
    bool m_moveUpAvailable = false;
    bool m_moveDownAvailable = false;
};
