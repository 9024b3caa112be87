// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseRowView.h"

#include "shared-ui/controls/BezellessStepperButton.h"
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/TintedLabel.h"
#include "shared-ui/controls/WholeNumberField.h"
#include "shared-ui/editor/CustomTimerEditorRules.h"
#include "shared-ui/editor/PhaseColorPicker.h"
#include "shared-ui/editor/PhaseDeleteButton.h"

#include <QHBoxLayout>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace rules = CustomTimerEditorRules;

namespace {

const QString moveUpAction = u"Move Up"_s;
const QString moveDownAction = u"Move Down"_s;

constexpr int controlSpacing = 14;
constexpr int durationSpacing = 6;
constexpr int unitSpacing = 4;
constexpr int nameMinimumWidth = 80;
constexpr int unitPixelSize = 12;

} // namespace

PhaseRowView::PhaseRowView(QWidget* parent)
    : QWidget(parent)
    , m_nameField(new QLineEdit(this))
    , m_decrement(new BezellessStepperButton(u"minus"_s, u"Decrease by 1 minute"_s, u"Decrease duration"_s, this))
    , m_minutesField(new WholeNumberField(this))
    , m_increment(new BezellessStepperButton(u"plus"_s, u"Increase by 1 minute"_s, u"Increase duration"_s, this))
    , m_colorPicker(new PhaseColorPicker(this))
    , m_delete(new PhaseDeleteButton(this))
{
    installAccessibleTraits();
    setFixedHeight(rowHeight);

    m_nameField->setPlaceholderText(u"Phase name"_s);
    m_nameField->setMinimumWidth(nameMinimumWidth);
    m_nameField->setAccessibleName(u"Phase name"_s);
    m_minutesField->setAccessibleName(u"Minutes"_s);

    auto* unit = new TintedLabel(u"min"_s, &secondaryLabelColor, this);
    unit->setFont(pixelFont(font(), unitPixelSize));

    auto* minutes = new QHBoxLayout;
    minutes->setSpacing(unitSpacing);
    minutes->addWidget(m_minutesField);
    minutes->addWidget(unit);

    auto* duration = new QHBoxLayout;
    duration->setSpacing(durationSpacing);
    duration->addWidget(m_decrement);
    duration->addLayout(minutes);
    duration->addWidget(m_increment);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(controlSpacing);
    row->addWidget(m_nameField, 1);
    row->addLayout(duration);
    row->addWidget(m_colorPicker);
    row->addWidget(m_delete);

    connect(m_nameField, &QLineEdit::textEdited, this, &PhaseRowView::nameEdited);
    connect(m_minutesField, &WholeNumberField::valueTyped, this, &PhaseRowView::minutesTyped);
    connect(m_decrement, &QAbstractButton::clicked, this, &PhaseRowView::decrementRequested);
    connect(m_increment, &QAbstractButton::clicked, this, &PhaseRowView::incrementRequested);
    connect(m_colorPicker, &PhaseColorPicker::colorPicked, this, &PhaseRowView::colorPicked);
    connect(m_delete, &QAbstractButton::clicked, this, &PhaseRowView::deleteRequested);
}

void PhaseRowView::showPhase(const CustomTimerPhase& phase)
{
    if (m_nameField->text() != phase.name)
        m_nameField->setText(phase.name);
    // The row is the group of its phase's controls.
    setAccessibleName(phase.name.isEmpty() ? u"Phase"_s : phase.name);
    const auto minutes = rules::wholeMinutes(phase.duration);
    m_minutesField->showValue(minutes);
    m_decrement->setDisabled(!rules::phaseMinutes.canDecrement(minutes));
    m_increment->setDisabled(!rules::phaseMinutes.canIncrement(minutes));
    m_colorPicker->setSelection(phase.colorIndex);
}

void PhaseRowView::setCanDelete(bool canDelete)
{
    m_delete->setCanDelete(canDelete);
}

QStringList PhaseRowView::accessibleActionNames() const
{
    return {moveUpAction, moveDownAction};
}

void PhaseRowView::doAccessibleAction(const QString& name)
{
    if (name == moveUpAction && m_moveUpAvailable)
        emit moveUpRequested();
    else if (name == moveDownAction && m_moveDownAvailable)
        emit moveDownRequested();
}

void PhaseRowView::setHovering(bool hovering)
{
    m_hovering = hovering;
    m_delete->setRowHovered(hovering);
}

void PhaseRowView::enterEvent(QEnterEvent* event)
{
    setHovering(true);
    QWidget::enterEvent(event);
}

void PhaseRowView::leaveEvent(QEvent* event)
{
    setHovering(false);
    QWidget::leaveEvent(event);
}
