#include "shared-ui/editor/CustomTimerEditorView.h"

#include "shared-ui/editor/AddPhaseButton.h"
#include "shared-ui/controls/BezellessStepperButton.h"
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/editor/CustomTimerDraft.h"
#include "shared-ui/editor/CustomTimerEditorRules.h"
#include "shared-ui/editor/PhaseCountBadge.h"
#include "shared-ui/editor/PhaseListView.h"
#include "shared-ui/controls/TintedLabel.h"
#include "shared-ui/controls/WholeNumberField.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace rules = CustomTimerEditorRules;

namespace {

constexpr int sheetPadding = 20;
constexpr int sheetSpacing = 16;
constexpr int minimumSheetWidth = 520;
constexpr int maximumSheetWidth = 560;
constexpr int titlePixelSize = 15;
constexpr int captionPixelSize = 10;
constexpr int cardPadding = 12;
constexpr int cardSpacing = 8;
constexpr qreal cardRadius = 10;
constexpr int buttonRowTopPadding = 12;
constexpr int largeButtonHeight = 28;
constexpr int largeButtonMinimumWidth = 80;
constexpr qreal prominentRadius = 6;

// The rounded, faintly filled panel that holds the phases.
class PhasesCard : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintRoundedRect(painter, rect(), cardRadius, faded(palette().color(QPalette::Base), 0.5),
                         quaternaryLabelColor(palette()), 1);
    }
};

// "PHASES", "ROUNDS": small monospaced capitals, widely spaced.
TintedLabel* groupLabel(const QString& text, QWidget* parent)
{
    auto* label = new TintedLabel(text, &secondaryLabelColor, parent);
    auto font = pixelFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), captionPixelSize, QFont::DemiBold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    label->setFont(font);
    return label;
}

// A hairline across the sheet.
class Divider : public QWidget {
public:
    explicit Divider(QWidget* parent) : QWidget(parent) { setFixedHeight(1); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(QRectF(0, 0, width(), hairlineWidth(*this)), quaternaryLabelColor(palette()));
    }
};

// Save: filled with the sheet's tint, the primary label colour, so it reads
// as the one action that finishes the sheet.
class ProminentButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setOpacity(isEnabled() ? (isDown() ? 0.8 : 1.0) : 0.35);
        const auto fill = primaryLabelColor(palette());
        paintRoundedRect(painter, rect(), prominentRadius, fill);
        if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
            paintRoundedRect(painter, rect(), prominentRadius, Qt::transparent, palette().color(QPalette::Highlight),
                             2);
        // The text in the colour the fill stands on.
        painter.setPen(palette().color(QPalette::Window));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
};

template <typename Button = QPushButton>
QPushButton* largeButton(const QString& text, QWidget* parent)
{
    auto* button = new Button(text, parent);
    button->setMinimumHeight(largeButtonHeight);
    button->setMinimumWidth(largeButtonMinimumWidth);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CustomTimerEditorView::CustomTimerEditorView(CustomTimer timer, std::function<void(const CustomTimer&)> save,
                                             std::function<void()> cancel, QWidget* parent)
    : QWidget(parent), onSave(std::move(save)), onCancel(std::move(cancel)),
      draft_(new CustomTimerDraft(std::move(timer), this))
{
    setObjectName(u"customTimerEditor"_s);
    setAutoFillBackground(true);
    setMinimumWidth(minimumSheetWidth);
    setMaximumWidth(maximumSheetWidth);

    auto* sheet = new QVBoxLayout(this);
    sheet->setContentsMargins(sheetPadding, sheetPadding, sheetPadding, sheetPadding);
    sheet->setSpacing(sheetSpacing);
    sheet->addWidget(makeNameRow());
    sheet->addWidget(new Divider(this));
    sheet->addWidget(makePhasesCard());
    sheet->addWidget(makeRoundsRow());
    sheet->addWidget(new Divider(this));
    sheet->addWidget(makeButtonRow());

    connect(draft_, &CustomTimerDraft::changed, this, &CustomTimerEditorView::refresh);
    refresh();
}

QWidget* CustomTimerEditorView::makeNameRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(cardSpacing);

    nameField_ = new QLineEdit(row);
    nameField_->setObjectName(u"customTimerEditor.name"_s);
    nameField_->setPlaceholderText(u"New Timer"_s);
    nameField_->setAccessibleName(u"New Timer"_s);
    nameField_->setFrame(false);
    nameField_->setFont(pixelFont(font(), titlePixelSize, QFont::DemiBold));
    QPalette clear = nameField_->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    nameField_->setPalette(clear);
    // The stored name shows in full; only an edit cuts it.
    nameField_->setText(draft_->timer().name);
    connect(nameField_, &QLineEdit::textEdited, this, [this](const QString& name) {
        draft_->setName(name);
        // A name cut to the same text as before changes nothing, so put the
        // field back by hand.
        refresh();
    });

    nameCounter_ = new TintedLabel(QString(), {}, row);
    nameCounter_->setObjectName(u"customTimerEditor.nameCounter"_s);
    nameCounter_->setFont(pixelFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), captionPixelSize));

    layout->addWidget(nameField_, 1);
    layout->addWidget(nameCounter_, 0, Qt::AlignBaseline);
    return row;
}

QWidget* CustomTimerEditorView::makePhasesCard()
{
    auto* card = new PhasesCard(this);
    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(cardPadding, cardPadding, cardPadding, cardPadding);
    layout->setSpacing(cardSpacing);

    auto* header = new QHBoxLayout;
    header->setSpacing(cardSpacing);
    header->addWidget(groupLabel(u"PHASES"_s, card));
    header->addStretch(1);
    badge_ = new PhaseCountBadge(card);
    badge_->setObjectName(u"customTimerEditor.phaseCount"_s);
    header->addWidget(badge_);
    layout->addLayout(header);

    phaseList_ = new PhaseListView(*draft_, card);
    phaseList_->setObjectName(u"customTimerEditor.phases"_s);
    layout->addWidget(phaseList_);

    addPhase_ = new AddPhaseButton(card);
    addPhase_->setObjectName(u"customTimerEditor.addPhase"_s);
    connect(addPhase_, &QAbstractButton::clicked, draft_, &CustomTimerDraft::addPhase);
    layout->addWidget(addPhase_);
    return card;
}

QWidget* CustomTimerEditorView::makeRoundsRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(cardSpacing);
    layout->addWidget(groupLabel(u"ROUNDS"_s, row));

    decrementRounds_ = new BezellessStepperButton(u"minus"_s, u"Decrease rounds"_s, u"Decrease rounds"_s, row);
    decrementRounds_->setObjectName(u"customTimerEditor.decreaseRounds"_s);
    roundsField_ = new WholeNumberField(row);
    roundsField_->setObjectName(u"customTimerEditor.rounds"_s);
    incrementRounds_ = new BezellessStepperButton(u"plus"_s, u"Increase rounds"_s, u"Increase rounds"_s, row);
    incrementRounds_->setObjectName(u"customTimerEditor.increaseRounds"_s);
    connect(decrementRounds_, &QAbstractButton::clicked, draft_, &CustomTimerDraft::decrementRounds);
    connect(roundsField_, &WholeNumberField::valueTyped, draft_, &CustomTimerDraft::setTypedRounds);
    connect(incrementRounds_, &QAbstractButton::clicked, draft_, &CustomTimerDraft::incrementRounds);

    auto* stepper = new QHBoxLayout;
    stepper->setSpacing(6);
    stepper->addWidget(decrementRounds_);
    stepper->addWidget(roundsField_);
    stepper->addWidget(incrementRounds_);
    layout->addLayout(stepper);
    layout->addStretch(1);
    return row;
}

QWidget* CustomTimerEditorView::makeButtonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, buttonRowTopPadding, 0, 0);
    layout->addStretch(1);
    auto* cancelButton = largeButton(u"Cancel"_s, row);
    cancelButton->setObjectName(u"customTimerEditor.cancel"_s);
    // Return reaches Save from anywhere in the sheet through keyPressEvent.
    saveButton_ = largeButton<ProminentButton>(u"Save"_s, row);
    saveButton_->setObjectName(u"customTimerEditor.save"_s);
    connect(cancelButton, &QAbstractButton::clicked, this, &CustomTimerEditorView::cancel);
    connect(saveButton_, &QAbstractButton::clicked, this, &CustomTimerEditorView::save);
    layout->addWidget(cancelButton);
    layout->addWidget(saveButton_);
    return row;
}

void CustomTimerEditorView::refresh()
{
    const auto& timer = draft_->timer();
    if (nameField_->text() != timer.name)
        nameField_->setText(timer.name);
    const auto counter = rules::nameCounterText(timer.name);
    nameCounter_->setVisible(counter.has_value());
    nameCounter_->setText(counter.value_or(QString()));
    const bool counterWarns = rules::nameCounterWarns(timer.name);
    nameCounter_->setTint(counterWarns ? TintedLabel::Tint(&warningOrange) : TintedLabel::Tint(&secondaryLabelColor));

    badge_->setPhaseCount(draft_->phaseCount());
    addPhase_->setAtMax(!rules::canAddPhase(draft_->phaseCount()));

    roundsField_->showValue(timer.rounds);
    decrementRounds_->setDisabled(!rules::rounds.canDecrement(timer.rounds));
    incrementRounds_->setDisabled(!rules::rounds.canIncrement(timer.rounds));

    saveButton_->setEnabled(draft_->isSavable());
}

void CustomTimerEditorView::save()
{
    if (draft_->isSavable() && onSave)
        onSave(draft_->timer());
}

void CustomTimerEditorView::cancel()
{
    if (onCancel)
        onCancel();
}

void CustomTimerEditorView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        save();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
