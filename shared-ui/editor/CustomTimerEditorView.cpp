// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/CustomTimerEditorView.h"

#include "shared-ui/controls/BezellessStepperButton.h"
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/TintedLabel.h"
#include "shared-ui/controls/WholeNumberField.h"
#include "shared-ui/editor/AddPhaseButton.h"
#include "shared-ui/editor/CustomTimerDraft.h"
#include "shared-ui/editor/CustomTimerEditorRules.h"
#include "shared-ui/editor/PhaseCountBadge.h"
#include "shared-ui/editor/PhaseListView.h"

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
    explicit Divider(QWidget* parent)
        : QWidget(parent)
    {
        setFixedHeight(1);
    }

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
    : QWidget(parent)
    , m_onSave(std::move(save))
    , m_onCancel(std::move(cancel))
    , m_draft(new CustomTimerDraft(std::move(timer), this))
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

    connect(m_draft, &CustomTimerDraft::changed, this, &CustomTimerEditorView::refresh);
    refresh();
}

QWidget* CustomTimerEditorView::makeNameRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(cardSpacing);

    m_nameField = new QLineEdit(row);
    m_nameField->setObjectName(u"customTimerEditor.name"_s);
    m_nameField->setPlaceholderText(u"New Timer"_s);
    m_nameField->setAccessibleName(u"New Timer"_s);
    m_nameField->setFrame(false);
    m_nameField->setFont(pixelFont(font(), titlePixelSize, QFont::DemiBold));
    QPalette clear = m_nameField->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    m_nameField->setPalette(clear);
    // The stored name shows in full; only an edit cuts it.
    m_nameField->setText(m_draft->timer().name);
    connect(m_nameField, &QLineEdit::textEdited, this, [this](const QString& name) {
        m_draft->setName(name);
        // A name cut to the same text as before changes nothing, so put the
        // field back by hand.
        refresh();
    });

    m_nameCounter = new TintedLabel(QString(), {}, row);
    m_nameCounter->setObjectName(u"customTimerEditor.nameCounter"_s);
    m_nameCounter->setFont(pixelFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), captionPixelSize));

    layout->addWidget(m_nameField, 1);
    layout->addWidget(m_nameCounter, 0, Qt::AlignBaseline);
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
    m_badge = new PhaseCountBadge(card);
    m_badge->setObjectName(u"customTimerEditor.phaseCount"_s);
    header->addWidget(m_badge);
    layout->addLayout(header);

    m_phaseList = new PhaseListView(*m_draft, card);
    m_phaseList->setObjectName(u"customTimerEditor.phases"_s);
    layout->addWidget(m_phaseList);

    m_addPhase = new AddPhaseButton(card);
    m_addPhase->setObjectName(u"customTimerEditor.addPhase"_s);
    connect(m_addPhase, &QAbstractButton::clicked, m_draft, &CustomTimerDraft::addPhase);
    layout->addWidget(m_addPhase);
    return card;
}

QWidget* CustomTimerEditorView::makeRoundsRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(cardSpacing);
    layout->addWidget(groupLabel(u"ROUNDS"_s, row));

    m_decrementRounds = new BezellessStepperButton(u"minus"_s, u"Decrease rounds"_s, u"Decrease rounds"_s, row);
    m_decrementRounds->setObjectName(u"customTimerEditor.decreaseRounds"_s);
    m_roundsField = new WholeNumberField(row);
    m_roundsField->setObjectName(u"customTimerEditor.rounds"_s);
    m_roundsField->setAccessibleName(u"Rounds"_s);
    m_incrementRounds = new BezellessStepperButton(u"plus"_s, u"Increase rounds"_s, u"Increase rounds"_s, row);
    m_incrementRounds->setObjectName(u"customTimerEditor.increaseRounds"_s);
    connect(m_decrementRounds, &QAbstractButton::clicked, m_draft, &CustomTimerDraft::decrementRounds);
    connect(m_roundsField, &WholeNumberField::valueTyped, m_draft, &CustomTimerDraft::setTypedRounds);
    connect(m_incrementRounds, &QAbstractButton::clicked, m_draft, &CustomTimerDraft::incrementRounds);

    auto* stepper = new QHBoxLayout;
    stepper->setSpacing(6);
    stepper->addWidget(m_decrementRounds);
    stepper->addWidget(m_roundsField);
    stepper->addWidget(m_incrementRounds);
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
    m_saveButton = largeButton<ProminentButton>(u"Save"_s, row);
    m_saveButton->setObjectName(u"customTimerEditor.save"_s);
    connect(cancelButton, &QAbstractButton::clicked, this, &CustomTimerEditorView::cancel);
    connect(m_saveButton, &QAbstractButton::clicked, this, &CustomTimerEditorView::save);
    layout->addWidget(cancelButton);
    layout->addWidget(m_saveButton);
    return row;
}

void CustomTimerEditorView::refresh()
{
    const auto& timer = m_draft->timer();
    if (m_nameField->text() != timer.name)
        m_nameField->setText(timer.name);
    const auto counter = rules::nameCounterText(timer.name);
    m_nameCounter->setVisible(counter.has_value());
    m_nameCounter->setText(counter.value_or(QString()));
    const bool counterWarns = rules::nameCounterWarns(timer.name);
    m_nameCounter->setTint(counterWarns ? TintedLabel::Tint(&warningOrange) : TintedLabel::Tint(&secondaryLabelColor));

    m_badge->setPhaseCount(m_draft->phaseCount());
    m_addPhase->setAtMax(!rules::canAddPhase(m_draft->phaseCount()));

    m_roundsField->showValue(timer.rounds);
    m_decrementRounds->setDisabled(!rules::rounds.canDecrement(timer.rounds));
    m_incrementRounds->setDisabled(!rules::rounds.canIncrement(timer.rounds));

    m_saveButton->setEnabled(m_draft->isSavable());
}

void CustomTimerEditorView::save()
{
    if (m_draft->isSavable() && m_onSave)
        m_onSave(m_draft->timer());
}

void CustomTimerEditorView::cancel()
{
    if (m_onCancel)
        m_onCancel();
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
