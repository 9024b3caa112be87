#include "shared-ui/editor/PhaseRowView.h"

#include "shared-ui/controls/BezellessStepperButton.h"
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/editor/CustomTimerEditorRules.h"
#include "shared-ui/editor/PhaseColorPicker.h"
#include "shared-ui/editor/PhaseDeleteButton.h"
#include "shared-ui/controls/TintedLabel.h"
#include "shared-ui/controls/WholeNumberField.h"

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
    : QWidget(parent),
      nameField_(new QLineEdit(this)),
      decrement_(new BezellessStepperButton(u"minus"_s, u"Decrease by 1 minute"_s, u"Decrease duration"_s, this)),
      minutesField_(new WholeNumberField(this)),
      increment_(new BezellessStepperButton(u"plus"_s, u"Increase by 1 minute"_s, u"Increase duration"_s, this)),
      colorPicker_(new PhaseColorPicker(this)),
      delete_(new PhaseDeleteButton(this))
{
    installAccessibleTraits();
    setFixedHeight(rowHeight);

    nameField_->setPlaceholderText(u"Phase name"_s);
    nameField_->setMinimumWidth(nameMinimumWidth);
    nameField_->setAccessibleName(u"Phase name"_s);

    auto* unit = new TintedLabel(u"min"_s, &secondaryLabelColor, this);
    unit->setFont(pixelFont(font(), unitPixelSize));

    auto* minutes = new QHBoxLayout;
    minutes->setSpacing(unitSpacing);
    minutes->addWidget(minutesField_);
    minutes->addWidget(unit);

    auto* duration = new QHBoxLayout;
    duration->setSpacing(durationSpacing);
    duration->addWidget(decrement_);
    duration->addLayout(minutes);
    duration->addWidget(increment_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(controlSpacing);
    row->addWidget(nameField_, 1);
    row->addLayout(duration);
    row->addWidget(colorPicker_);
    row->addWidget(delete_);

    connect(nameField_, &QLineEdit::textEdited, this, &PhaseRowView::nameEdited);
    connect(minutesField_, &WholeNumberField::valueTyped, this,
            &PhaseRowView::minutesTyped);
    connect(decrement_, &QAbstractButton::clicked, this, &PhaseRowView::decrementRequested);
    connect(increment_, &QAbstractButton::clicked, this, &PhaseRowView::incrementRequested);
    connect(colorPicker_, &PhaseColorPicker::colorPicked, this, &PhaseRowView::colorPicked);
    connect(delete_, &QAbstractButton::clicked, this, &PhaseRowView::deleteRequested);
}

void PhaseRowView::showPhase(const CustomTimerPhase& phase)
{
    if (nameField_->text() != phase.name)
        nameField_->setText(phase.name);
    const auto minutes = rules::wholeMinutes(phase.duration);
    minutesField_->showValue(minutes);
    decrement_->setDisabled(!rules::phaseMinutes.canDecrement(minutes));
    increment_->setDisabled(!rules::phaseMinutes.canIncrement(minutes));
    colorPicker_->setSelection(phase.colorIndex);
}

void PhaseRowView::setCanDelete(bool canDelete)
{
    delete_->setCanDelete(canDelete);
}

QStringList PhaseRowView::accessibleActionNames() const
{
    return {moveUpAction, moveDownAction};
}

void PhaseRowView::doAccessibleAction(const QString& name)
{
    if (name == moveUpAction && moveUpAvailable_)
        emit moveUpRequested();
    else if (name == moveDownAction && moveDownAvailable_)
        emit moveDownRequested();
}

void PhaseRowView::setHovering(bool hovering)
{
    hovering_ = hovering;
    delete_->setRowHovered(hovering);
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
