// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverContentView.h"

#include "Kelvane/commands/TimerCommandPerformer.h"
#include "Kelvane/popover/CapsuleButton.h"
#include "Kelvane/popover/CustomTimerRow.h"
#include "Kelvane/popover/PhaseStripView.h"
#include "Kelvane/popover/PopoverColors.h"
#include "Kelvane/popover/PopoverRow.h"
#include "Kelvane/popover/PopoverRules.h"
#include "Kelvane/settings/AppSettings.h"
#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/status/MenuBarContent.h"

#include "shared-ui/accessibility/AccessibilityHints.h"
#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/accessibility/AccessibilityLabels.h"
#include "shared-ui/accessibility/AccessibleGroup.h"
#include "shared-ui/controls/BezellessStepperButton.h"
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SoftSegmentedPicker.h"
#include "shared-ui/controls/WholeNumberField.h"

#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/engine/TimerPreset.h"
#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/CustomTimerStore.h"
#include "TimerCoreKit/sessions/PomodoroSession.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QVBoxLayout>

// The 6 px dot in front of the status line.
class StatusDot : public QWidget {
public:
    explicit StatusDot(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(6, 6);
    }
    void setColor(const QColor& color)
    {
        m_color = color;
        update();
    }
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color);
        painter.drawEllipse(rect());
    }

private:
    QColor m_color;
};

namespace {

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
        painter.fillRect(rect(), PopoverColors::primaryAt(palette(), 0.1));
    }
};

QLabel* makeLabel(const QString& text, int pixelSize, QFont::Weight weight, bool secondary, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(pixelFont(label->font(), pixelSize, weight));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText,
                 secondary ? PopoverColors::secondary(parent->palette()) : PopoverColors::primary(parent->palette()));
    label->setPalette(pal);
    return label;
}

// `inner` in a box with these margins, so hiding the box takes the padding too.
QWidget* padded(QWidget* inner, int left, int top, int right, int bottom, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(left, top, right, bottom);
    layout->setSpacing(0);
    layout->addWidget(inner);
    return box;
}

} // namespace

PopoverContentView::PopoverContentView(PopoverModel model, PopoverContent content, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_content(std::move(content))
    , m_customMinutes(m_content.customMinutes)
{
    setObjectName(AccessibilityIdentifiers::Popover::container);
    setAccessibleName(QStringLiteral("Kelvane"));
    setFixedWidth(260);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(padded(makeHeader(), 12, 12, 12, 8, this));

    m_pomodoroStrip = new PhaseStripView(this);
    m_pomodoroStripBox = padded(m_pomodoroStrip, 12, 0, 12, 8, this);
    column->addWidget(m_pomodoroStripBox);
    m_customStrip = new PhaseStripView(this);
    m_customStripBox = padded(m_customStrip, 12, 0, 12, 8, this);
    column->addWidget(m_customStripBox);
    column->addWidget(padded(makeModePicker(), 12, 0, 12, 4, this));
    column->addWidget(new Divider(this));

    m_countdownGroup = new QWidget(this);
    auto* group = new QVBoxLayout(m_countdownGroup);
    group->setContentsMargins(0, 0, 0, 0);
    group->setSpacing(0);
    group->addWidget(padded(makePresets(), 0, 4, 0, 4, m_countdownGroup));
    m_customDurationBox = new QWidget(m_countdownGroup);
    auto* customBox = new QVBoxLayout(m_customDurationBox);
    customBox->setContentsMargins(0, 0, 0, 0);
    customBox->setSpacing(0);
    customBox->addWidget(new Divider(m_customDurationBox));
    customBox->addWidget(padded(makeCustomDurationRow(), 12, 12, 12, 12, m_customDurationBox));
    group->addWidget(m_customDurationBox);
    group->addWidget(new Divider(m_countdownGroup));
    group->addWidget(padded(makeCustomTimersSection(), 0, 4, 0, 4, m_countdownGroup));
    column->addWidget(m_countdownGroup);
    column->addWidget(new Divider(this));

    column->addWidget(padded(makeControls(), 12, 12, 12, 12, this));

    auto* stopPomodoro = new CapsuleButton(QStringLiteral("Stop Pomodoro"), this);
    stopPomodoro->setLook(CapsuleButton::outlined(palette(), PopoverColors::stopRed(palette())));
    stopPomodoro->setAccessibleName(QStringLiteral("Stop Pomodoro"));
    stopPomodoro->setAccessibleDescription(QStringLiteral("Double-tap to stop Pomodoro mode"));
    connect(stopPomodoro, &QAbstractButton::clicked, this, [this] { m_model.pomodoro.reset(); });
    m_stopPomodoroBox = padded(stopPomodoro, 12, 0, 12, 8, this);
    column->addWidget(m_stopPomodoroBox);

    auto* stopCustom = new CapsuleButton(QStringLiteral("Stop Custom Timer"), this);
    stopCustom->setLook(CapsuleButton::outlined(palette(), PopoverColors::stopRed(palette())));
    stopCustom->setAccessibleName(QStringLiteral("Stop Custom Timer"));
    stopCustom->setAccessibleDescription(QStringLiteral("Double-tap to stop the custom timer"));
    connect(stopCustom, &QAbstractButton::clicked, this, [this] { m_model.customSession.reset(); });
    m_stopCustomBox = padded(stopCustom, 12, 0, 12, 8, this);
    column->addWidget(m_stopCustomBox);

    column->addWidget(new Divider(this));
    column->addWidget(padded(makeFooter(), 0, 4, 0, 4, this));

    // Space presses the primary button wherever the focus is, but in the
    // minutes field, which takes its own keys.
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    space->setContext(Qt::WidgetWithChildrenShortcut);
    connect(space, &QShortcut::activated, this, [this] {
        if (m_primaryControls->isVisible())
            m_primaryButton->click();
    });

    const TimerState& state = m_model.engine.state();
    connect(&state, &TimerState::changed, this, &PopoverContentView::refresh);
    connect(&state, &TimerState::selectedPresetIDChanged, this, &PopoverContentView::handleSelectedPresetChange);
    connect(&m_model.pomodoro, &PomodoroSession::isActiveChanged, this, &PopoverContentView::refresh);
    connect(&m_model.pomodoro, &PomodoroSession::currentPhaseIndexChanged, this, &PopoverContentView::refresh);
    connect(&m_model.customSession, &CustomTimerSession::isActiveChanged, this, &PopoverContentView::refresh);
    connect(&m_model.customSession, &CustomTimerSession::currentPhaseIndexChanged, this, &PopoverContentView::refresh);
    connect(&m_model.customSession, &CustomTimerSession::activeTimerChanged, this, &PopoverContentView::refresh);
    connect(&m_model.customTimers, &CustomTimerStore::timersChanged, this, [this] {
        rebuildCustomTimerRows();
        refresh();
    });
    connect(&m_model.settings, &AppSettings::changed, this, &PopoverContentView::refresh);

    rebuildCustomTimerRows();
    refresh();
}

QWidget* PopoverContentView::makeHeader()
{
    auto* header = new QWidget(this);
    auto* stack = new QVBoxLayout(header);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);
    stack->addWidget(makeLabel(QStringLiteral("Kelvane"), 13, QFont::DemiBold, false, header));
    auto* line = new QHBoxLayout;
    line->setSpacing(6);
    m_statusDot = new StatusDot(header);
    m_statusText = makeLabel(QString(), 11, QFont::Normal, true, header);
    m_statusText->setObjectName(AccessibilityIdentifiers::Popover::stateLabel);
    m_roundText = makeLabel(QString(), 11, QFont::Normal, true, header);
    line->addWidget(m_statusDot);
    line->addWidget(m_statusText);
    line->addStretch(1);
    line->addWidget(m_roundText);
    stack->addLayout(line);
    return header;
}

QWidget* PopoverContentView::makeModePicker()
{
    m_modePicker = new SoftSegmentedPicker<TimerDirection>(
        {TimerDirection::Countdown, TimerDirection::CountUp}, m_model.engine.state().direction(),
        [](const TimerDirection& direction, bool) {
            return direction == TimerDirection::Countdown ? QStringLiteral("Timer") : QStringLiteral("Stopwatch");
        },
        this);
    m_modePicker->setAccessibleName(QStringLiteral("Timer mode"));
    m_modePicker->setOnSelect([this](const TimerDirection& direction) {
        m_model.engine.switchDirection(direction);
        // The engine may refuse: show what it has.
        m_modePicker->setSelection(m_model.engine.state().direction());
    });
    return m_modePicker;
}

QWidget* PopoverContentView::makePresets()
{
    auto* list = new QWidget(this);
    auto* stack = new QVBoxLayout(list);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    for (const TimerPreset& preset : TimerPresetLibrary::presets(m_model.engine.customDuration())) {
        auto* row = new PopoverRow(QString(), PopoverRules::presetDisplayName(preset.isCustom, preset.duration), list);
        row->setCheckmarkColumn(false);
        row->setProperty("presetID", preset.id);
        const int minutes = PopoverRules::wholeMinutes(preset.duration);
        row->setObjectName(preset.isCustom ? AccessibilityIdentifiers::Popover::customPresetButton
                                           : AccessibilityIdentifiers::Popover::presetButton(minutes));
        row->setAccessibleName(preset.isCustom ? AccessibilityLabels::Popover::customPresetButton
                                               : AccessibilityLabels::Popover::presetButton(minutes));
        const QString id = preset.id;
        connect(row, &QAbstractButton::clicked, this, [this, id] { m_model.commands.choosePreset(id); });
        stack->addWidget(row);
        m_presetRows.append(row);
    }
    return list;
}

QWidget* PopoverContentView::makeCustomDurationRow()
{
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    line->addWidget(makeLabel(QStringLiteral("Minutes"), 12, QFont::Normal, true, row));
    line->addStretch(1);
    m_minutesField = new WholeNumberField(row);
    m_minutesField->setObjectName(AccessibilityIdentifiers::Popover::customDurationValue);
    m_minutesField->setPlaceholderText(QStringLiteral("15"));
    m_minutesField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_minutesField->setFixedWidth(60);
    connect(m_minutesField, &WholeNumberField::valueTyped, this, &PopoverContentView::setCustomMinutes);
    line->addWidget(m_minutesField);

    m_stepper = new AccessibleGroup(QString(), row);
    auto* stepper = m_stepper;
    stepper->setObjectName(AccessibilityIdentifiers::Popover::customDurationStepper);
    auto* buttons = new QHBoxLayout(stepper);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(2);
    m_minus = new BezellessStepperButton(QStringLiteral("minus"), QStringLiteral("Decrease"),
                                         QStringLiteral("Decrease"), stepper);
    m_plus = new BezellessStepperButton(QStringLiteral("plus"), QStringLiteral("Increase"), QStringLiteral("Increase"),
                                        stepper);
    connect(m_minus, &QAbstractButton::clicked, this, [this] { setCustomMinutes(m_customMinutes - 1); });
    connect(m_plus, &QAbstractButton::clicked, this, [this] { setCustomMinutes(m_customMinutes + 1); });
    buttons->addWidget(m_minus);
    buttons->addWidget(m_plus);
    line->addWidget(stepper);
    return row;
}

QWidget* PopoverContentView::makeCustomTimersSection()
{
    auto* section = new QWidget(this);
    m_customTimerList = new QVBoxLayout(section);
    m_customTimerList->setContentsMargins(0, 0, 0, 0);
    m_customTimerList->setSpacing(0);

    auto* header = new QWidget(section);
    header->setFixedHeight(24);
    auto* line = new QHBoxLayout(header);
    line->setContentsMargins(12, 0, 12, 0);
    line->addWidget(makeLabel(QStringLiteral("Custom Timers").toUpper(), 11, QFont::DemiBold, true, header));
    line->addStretch(1);
    auto* add = new SymbolButton(QStringLiteral("plus"), 12, QStringLiteral("Add custom timer"), header);
    connect(add, &QAbstractButton::clicked, this,
            [this] { editTimer(PopoverRules::newCustomTimer(m_model.engine.dateProvider()())); });
    line->addWidget(add);
    m_customTimerList->addWidget(header);

    m_noCustomTimers = makeLabel(QStringLiteral("No custom timers yet"), 12, QFont::Normal, true, section);
    m_noCustomTimers->setContentsMargins(12, 4, 12, 4);
    m_customTimerList->addWidget(m_noCustomTimers);
    return section;
}

QWidget* PopoverContentView::makeControls()
{
    auto* box = new QWidget(this);
    auto* stack = new QVBoxLayout(box);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    m_primaryControls = new QWidget(box);
    auto* primary = new QHBoxLayout(m_primaryControls);
    primary->setContentsMargins(0, 0, 0, 0);
    primary->setSpacing(8);
    m_primaryButton = new CapsuleButton(QString(), m_primaryControls);
    connect(m_primaryButton, &QAbstractButton::clicked, this, &PopoverContentView::pressPrimary);
    m_resetButton = new CapsuleButton(QStringLiteral("Reset"), m_primaryControls);
    m_resetButton->setObjectName(AccessibilityIdentifiers::Popover::resetButton);
    m_resetButton->setAccessibleName(AccessibilityLabels::Popover::resetButton);
    m_resetButton->setAccessibleDescription(AccessibilityHints::Popover::resetButton);
    m_resetButton->setSymbol(QStringLiteral("arrow.counterclockwise"));
    m_resetButton->setLook(CapsuleButton::outlined(palette(), PopoverColors::secondary(palette())));
    connect(m_resetButton, &QAbstractButton::clicked, this, [this] { m_model.engine.reset(); });
    primary->addWidget(m_primaryButton);
    primary->addWidget(m_resetButton);
    stack->addWidget(m_primaryControls);

    m_pomodoroControls = new QWidget(box);
    auto* pomodoro = new QHBoxLayout(m_pomodoroControls);
    pomodoro->setContentsMargins(0, 0, 0, 0);
    pomodoro->setSpacing(8);
    m_pomodoroButton = new CapsuleButton(QString(), m_pomodoroControls);
    connect(m_pomodoroButton, &QAbstractButton::clicked, this, &PopoverContentView::pressPomodoroPrimary);
    auto* skip = new CapsuleButton(QStringLiteral("Skip"), m_pomodoroControls);
    skip->setLook(CapsuleButton::outlined(palette(), PopoverColors::secondary(palette())));
    skip->setAccessibleName(QStringLiteral("Skip Phase"));
    skip->setAccessibleDescription(QStringLiteral("Double-tap to skip to the next Pomodoro phase"));
    connect(skip, &QAbstractButton::clicked, this, [this] { m_model.pomodoro.skipPhase(); });
    pomodoro->addWidget(m_pomodoroButton);
    pomodoro->addWidget(skip);
    stack->addWidget(m_pomodoroControls);
    return box;
}

QWidget* PopoverContentView::makeFooter()
{
    auto* footer = new QWidget(this);
    auto* stack = new QVBoxLayout(footer);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    m_pomodoroRow = new PopoverRow(QStringLiteral("timer"), QStringLiteral("Pomodoro"), footer);
    m_pomodoroRow->setAccessibleName(QStringLiteral("Start Pomodoro"));
    m_pomodoroRow->setAccessibleDescription(QStringLiteral("Double-tap to start Pomodoro mode"));
    connect(m_pomodoroRow, &QAbstractButton::clicked, this, [this] { m_model.commands.startPomodoro(); });
    stack->addWidget(m_pomodoroRow);

    // The outward closures may close (and so destroy) this view.
    const auto call = [](const std::function<void()>& action) {
        return [action] {
            if (action)
                action();
        };
    };
    m_floatingRow
        = new PopoverRow(QStringLiteral("macwindow.on.rectangle"), QStringLiteral("Floating Display"), footer);
    connect(m_floatingRow, &QAbstractButton::clicked, this, call(m_content.onToggleFloatingDisplay));
    stack->addWidget(m_floatingRow);

    auto* settings = new PopoverRow(QStringLiteral("gearshape"), QStringLiteral("Settings..."), footer);
    settings->setObjectName(AccessibilityIdentifiers::Popover::settingsButton);
    settings->setAccessibleName(AccessibilityLabels::Popover::settingsButton);
    settings->setAccessibleDescription(AccessibilityHints::Popover::settingsButton);
    connect(settings, &QAbstractButton::clicked, this, call(m_content.onOpenSettings));
    stack->addWidget(settings);

    if (m_content.onCheckForUpdates) {
        auto* update = new PopoverRow(QStringLiteral("arrow.down.circle"),
                                      m_content.updateAvailable ? QStringLiteral("Install Update\u2026")
                                                                : QStringLiteral("Check for Updates\u2026"),
                                      footer);
        update->setBadge(m_content.updateAvailable);
        connect(update, &QAbstractButton::clicked, this, call(m_content.onCheckForUpdates));
        stack->addWidget(update);
    }

    auto* quit = new PopoverRow(QStringLiteral("power"), QStringLiteral("Quit Kelvane"), footer);
    connect(quit, &QAbstractButton::clicked, this, call(m_content.onQuit));
    stack->addWidget(quit);
    return footer;
}

void PopoverContentView::rebuildCustomTimerRows()
{
    for (CustomTimerRow* row : std::as_const(m_customTimerRows))
        row->deleteLater();
    for (CustomTimerRow* row : std::as_const(m_customTimerRows))
        row->hide();
    m_customTimerRows.clear();
    const QList<CustomTimer>& timers = m_model.customTimers.timers();
    m_noCustomTimers->setVisible(timers.isEmpty());
    for (const CustomTimer& timer : timers) {
        CustomTimerRow::Actions actions;
        actions.edit = [this, timer] { editTimer(timer); };
        actions.duplicate = [this, id = timer.id] { m_model.customTimers.duplicate(id); };
        actions.remove = [this, timer] { deleteCustomTimer(timer); };
        auto* row = new CustomTimerRow(timer, std::move(actions), m_customTimerList->parentWidget());
        connect(row, &QAbstractButton::clicked, this, [this, timer] { m_model.commands.startCustomTimer(timer); });
        m_customTimerList->addWidget(row);
        m_customTimerRows.append(row);
    }
}

void PopoverContentView::deleteCustomTimer(const CustomTimer& timer)
{
    const auto& active = m_model.customSession.activeTimer();
    if (active && active->id == timer.id)
        m_model.customSession.reset();
    m_model.customTimers.remove(timer.id);
}

void PopoverContentView::editTimer(const CustomTimer& timer)
{
    if (m_onEditTimer)
        m_onEditTimer(timer);
}

void PopoverContentView::setCustomMinutes(qint64 minutes)
{
    m_customMinutes = PopoverRules::clampCustomMinutes(minutes);
    m_model.engine.updateCustomDuration(m_customMinutes * 60.0);
    refresh();
}

void PopoverContentView::handleSelectedPresetChange()
{
    const PopoverRules::CustomRowChange change = PopoverRules::selectedPresetChanged(
        m_model.engine.state().selectedPresetID(), m_model.engine.customDuration());
    if (change.minutes)
        m_customMinutes = *change.minutes;
    m_showCustomDuration = change.show;
    refresh();
}

void PopoverContentView::pressPrimary()
{
    switch (PopoverRules::primaryButton(m_model.engine.state().mode()).action) {
    case PopoverRules::PrimaryButton::Action::Start:
        m_model.engine.start();
        break;
    case PopoverRules::PrimaryButton::Action::Pause:
        m_model.engine.pause();
        break;
    case PopoverRules::PrimaryButton::Action::Resume:
        m_model.engine.resume();
        break;
    case PopoverRules::PrimaryButton::Action::StartAgain:
        m_model.engine.reset();
        m_model.engine.start();
        break;
    }
}

void PopoverContentView::pressPomodoroPrimary()
{
    switch (PopoverRules::pomodoroButton(m_model.engine.state().mode()).action) {
    case PopoverRules::PomodoroButton::Action::Resume:
        m_model.pomodoro.resume();
        break;
    case PopoverRules::PomodoroButton::Action::Pause:
        m_model.pomodoro.pause();
        break;
    case PopoverRules::PomodoroButton::Action::None:
        break;
    }
}

void PopoverContentView::refresh()
{
    const TimerState& state = m_model.engine.state();
    const TimerMode mode = state.mode();
    const PomodoroSession& pomodoro = m_model.pomodoro;
    const CustomTimerSession& custom = m_model.customSession;
    const QPalette& pal = palette();

    // Header.
    PopoverRules::PomodoroView pomodoroView;
    pomodoroView.active = pomodoro.isActive();
    pomodoroView.currentRound = pomodoro.currentRound();
    pomodoroView.totalRounds = PomodoroSession::roundCount;
    pomodoroView.phase = pomodoro.currentPhase();
    PopoverRules::CustomView customView;
    customView.active = custom.isActive();
    customView.currentRound = custom.currentRound();
    customView.totalRounds = custom.totalRounds();
    const std::optional<Phase> customPhase = custom.currentPhase();
    if (customPhase) {
        customView.phaseName = customPhase->name;
        customView.phaseColor = customPhase->color;
    }
    const PopoverRules::StatusLine line = PopoverRules::statusLine(mode, pomodoroView, customView);
    switch (line.dot) {
    case PopoverRules::StatusLine::Dot::Phase:
        m_statusDot->setColor(line.phaseColor);
        break;
    case PopoverRules::StatusLine::Dot::TimerRunning:
        m_statusDot->setColor(m_model.settings.colorManager().resolvedDisplayColor().dotColor());
        break;
    case PopoverRules::StatusLine::Dot::Muted:
        m_statusDot->setColor(PopoverColors::primaryAt(pal, PopoverColors::mutedDotOpacity));
        break;
    }
    m_statusText->setText(line.text);
    m_statusText->setAccessibleName(AccessibilityLabels::Popover::stateLabel(line.text));
    m_roundText->setText(line.roundText);

    const PopoverRules::Sections shown
        = PopoverRules::sections(state.direction(), pomodoroView.active, customView.active);

    // Strips.
    m_pomodoroStripBox->setVisible(shown.pomodoroStrip);
    if (shown.pomodoroStrip) {
        QList<QColor> colors;
        for (const PomodoroPhase phase : pomodoro.phaseSequence())
            colors.append(PopoverRules::pomodoroPhaseColor(phase));
        m_pomodoroStrip->setIndicators(
            MenuBarContent::indicators(colors, pomodoro.currentPhaseIndex()),
            PopoverRules::stripLabel(pomodoro.currentPhaseIndex(), static_cast<int>(colors.size()),
                                     PopoverRules::pomodoroPhaseName(pomodoro.currentPhase())));
    }
    m_customStripBox->setVisible(shown.customStrip);
    if (shown.customStrip) {
        QList<QColor> colors;
        const QList<Phase> sequence = custom.phaseSequence();
        for (const Phase& phase : sequence)
            colors.append(phase.color);
        m_customStrip->setIndicators(MenuBarContent::indicators(colors, custom.currentPhaseIndex()),
                                     PopoverRules::stripLabel(custom.currentPhaseIndex(),
                                                              static_cast<int>(sequence.size()), customView.phaseName));
    }

    // Mode picker.
    m_modePicker->setSelection(state.direction());
    m_modePicker->setEnabled(PopoverRules::modePickerEnabled(mode));

    // Presets, custom minutes and custom timers.
    m_countdownGroup->setVisible(shown.presets);
    const auto presets = TimerPresetLibrary::presets(m_model.engine.customDuration());
    for (qsizetype i = 0; i < m_presetRows.size() && i < presets.size(); ++i) {
        PopoverRow* row = m_presetRows[i];
        const TimerPreset& preset = presets[i];
        const bool selected = state.selectedPresetID() == preset.id;
        row->setCheckmarkColumn(selected);
        row->setSelected(selected);
        row->setEnabled(!pomodoroView.active);
        row->setTitleSecondary(pomodoroView.active);
        row->setAccessibleDescription(AccessibilityHints::Popover::presetButton(pomodoroView.active));
        if (preset.isCustom)
            row->setTrailingText(QStringLiteral("%1 min").arg(PopoverRules::wholeMinutes(preset.duration)));
    }
    m_customDurationBox->setVisible(m_showCustomDuration);
    m_minutesField->showValue(m_customMinutes);
    m_minutesField->setAccessibleName(AccessibilityLabels::Popover::customDuration(m_customMinutes));
    m_stepper->setAccessibleName(AccessibilityLabels::Popover::customDuration(m_customMinutes));
    m_minus->setDisabled(m_customMinutes <= PopoverRules::customMinutesMin);
    m_plus->setDisabled(m_customMinutes >= PopoverRules::customMinutesMax);
    for (CustomTimerRow* row : std::as_const(m_customTimerRows)) {
        const auto& active = custom.activeTimer();
        row->setActive(custom.isActive() && active && active->id == row->timer().id);
    }

    // Controls.
    m_primaryControls->setVisible(!shown.pomodoroControls);
    m_pomodoroControls->setVisible(shown.pomodoroControls);
    const PopoverRules::PrimaryButton primary = PopoverRules::primaryButton(mode);
    m_primaryButton->setText(primary.text);
    m_primaryButton->setSymbol(primary.symbol);
    const PopoverRules::SpokenButton spoken = PopoverRules::spokenPrimaryButton(mode);
    m_primaryButton->setObjectName(spoken.identifier);
    m_primaryButton->setAccessibleName(spoken.label);
    m_primaryButton->setAccessibleDescription(spoken.hint);
    m_resetButton->setVisible(PopoverRules::showsResetButton(mode));
    const PopoverRules::PomodoroButton pomodoroButton = PopoverRules::pomodoroButton(mode);
    m_pomodoroButton->setText(pomodoroButton.text);
    m_pomodoroButton->setAccessibleName(pomodoroButton.text);
    m_pomodoroButton->setAccessibleDescription(pomodoroButton.hint);
    m_pomodoroButton->setEnabled(pomodoroButton.enabled);
    m_pomodoroButton->setLook({PopoverRules::pomodoroPhaseColor(pomodoroView.phase), std::nullopt,
                               PopoverRules::pomodoroButtonTextColor(pomodoroView.phase)});
    m_stopPomodoroBox->setVisible(shown.stopPomodoro);
    m_stopCustomBox->setVisible(shown.stopCustomTimer);

    // Footer.
    m_pomodoroRow->setVisible(shown.pomodoroFooterRow);
    m_floatingRow->setTint(m_model.settings.floatingDisplayEnabled() ? std::optional(PopoverColors::accent(pal))
                                                                     : std::nullopt);
}
