// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/BehaviorPage.h"

#include "Kelvane/settings/AppSettings.h"
#include "Kelvane/settingswindow/pages/PageColumn.h"
#include "Kelvane/settingswindow/pages/TickPreview.h"
#include "Kelvane/settingswindow/pickers/AnimationSelectorView.h"
#include "Kelvane/system/FocusStatusManager.h"

#include "TimerCoreKit/audio/SoundPlaying.h"

#include "shared-ui/accessibility/AccessibilityHints.h"
#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/accessibility/AccessibilityLabels.h"
#include "shared-ui/accessibility/AccessibleGroup.h"
#include "shared-ui/controls/SettingsCard.h"
#include "shared-ui/controls/SettingsRow.h"
#include "shared-ui/controls/TabOrder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int pickerWidth = 140;

// A drop-down of every case of `E`, each carrying its position.
template <typename E>
QComboBox* casePicker(const QString& accessibleName, const QString& identifier = {})
{
    auto* picker = new QComboBox;
    // The sound pickers line up at one width, whatever their longest entry.
    picker->setMinimumWidth(pickerWidth);
    picker->setAccessibleName(accessibleName);
    if (!identifier.isEmpty())
        picker->setObjectName(identifier);
    for (const E option : platform::allCases<E>())
        picker->addItem(displayName(option), static_cast<int>(option));
    return picker;
}

template <typename E>
E caseAt(const QComboBox* picker, int index)
{
    return static_cast<E>(picker->itemData(index).toInt());
}

template <typename E>
void showCase(QComboBox* picker, E value)
{
    const QSignalBlocker quiet(picker);
    picker->setCurrentIndex(picker->findData(static_cast<int>(value)));
}

void showChecked(QCheckBox* toggle, bool value)
{
    const QSignalBlocker quiet(toggle);
    toggle->setChecked(value);
}

} // namespace

BehaviorPage::BehaviorPage(AppSettings& settings, FocusStatusManager& focus, SoundPlaying& sounds,
                           TickPreview& tickPreview, PlayerFactory makePreviewPlayer, ResetConfirmation confirmReset,
                           QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_focus(focus)
    , m_sounds(sounds)
    , m_tickPreview(tickPreview)
    , m_makePreviewPlayer(std::move(makePreviewPlayer))
    , m_confirmReset(std::move(confirmReset))
    , m_completionBehavior(new QButtonGroup(this))
    , m_notification(PageColumn::makeToggle(AccessibilityLabels::Settings::notificationToggle,
                                            AccessibilityIdentifiers::Settings::notificationToggle))
    , m_sound(casePicker<CompletionSound>(AccessibilityLabels::Settings::soundToggle,
                                          AccessibilityIdentifiers::Settings::soundToggle))
    , m_tick(casePicker<TickStyle>(u"Tick Sound"_s))
    , m_respectFocus(PageColumn::makeToggle(u"Respect Do Not Disturb"_s))
    , m_preventSleep(PageColumn::makeToggle(u"Prevent Sleep"_s, AccessibilityIdentifiers::Settings::preventSleepToggle))
    , m_resetAll(new QPushButton(u"Reset All Settings"_s))
{
    CompletionSettings& completion = m_settings.completionSettings();

    auto* behaviors = new AccessibleGroup(AccessibilityLabels::Settings::completionBehaviorPicker);
    behaviors->setObjectName(AccessibilityIdentifiers::Settings::completionBehaviorPicker);
    auto* behaviorStack = new QVBoxLayout(behaviors);
    behaviorStack->setContentsMargins(0, 6, 0, 6);
    behaviorStack->setSpacing(4);
    for (const CompletionBehavior behavior : platform::allCases<CompletionBehavior>()) {
        auto* choice = new QRadioButton(displayName(behavior));
        m_completionBehavior->addButton(choice, static_cast<int>(behavior));
        behaviorStack->addWidget(choice);
    }
    m_completionRow
        = new SettingsRow(u"When countdown finishes"_s, description(completion.displayBehavior()), false, behaviors);

    m_resetAll->setObjectName(AccessibilityIdentifiers::Settings::resetAllButton);
    m_resetAll->setAccessibleName(AccessibilityLabels::Settings::resetAllButton);
    m_resetAll->setAccessibleDescription(AccessibilityHints::Settings::resetAllButton);
    // Drawn as destructive: its text in red.
    QPalette destructive = m_resetAll->palette();
    destructive.setColor(QPalette::ButtonText, QColor(215, 0, 21));
    m_resetAll->setPalette(destructive);

    QVBoxLayout* column = PageColumn::install(this);
    m_completionCard = PageColumn::addSection(column, u"On Completion"_s, {m_completionRow});
    PageColumn::addSection(
        column, u"Notifications & Sound"_s,
        {new SettingsRow(u"Show Notification"_s, u"System notification when countdown finishes"_s, true,
                         m_notification),
         new SettingsRow(u"Completion Sound"_s, std::nullopt, true, m_sound),
         new SettingsRow(u"Tick Sound"_s, u"Ticking sound every second while running"_s, false, m_tick)});
    PageColumn::addSection(
        column, u"System"_s,
        {new SettingsRow(u"Respect Do Not Disturb"_s, u"Silence sounds & notifications during Do Not Disturb"_s, true,
                         m_respectFocus),
         new SettingsRow(u"Prevent Sleep"_s, u"Keep your computer awake while a timer runs"_s, false, m_preventSleep)});
    PageColumn::addSection(column, u"Reset"_s, {new SettingsRow(QString(), std::nullopt, false, m_resetAll)});
    column->addStretch();

    connect(m_completionBehavior, &QButtonGroup::idClicked, this,
            [&completion](int id) { completion.setDisplayBehavior(static_cast<CompletionBehavior>(id)); });
    connect(m_notification, &QCheckBox::clicked, this,
            [&completion](bool checked) { completion.setShowNotification(checked); });
    // The previews follow a choice that changes the value, never one that keeps it.
    connect(m_sound, &QComboBox::activated, this, [this, &completion](int index) {
        const auto sound = caseAt<CompletionSound>(m_sound, index);
        const bool changed = sound != completion.selectedSound();
        completion.setSelectedSound(sound);
        if (changed && sound != CompletionSound::None)
            m_sounds.play(sound);
    });
    connect(m_tick, &QComboBox::activated, this, [this, &completion](int index) {
        const auto style = caseAt<TickStyle>(m_tick, index);
        const bool changed = style != completion.tickStyle();
        completion.setTickStyle(style);
        if (changed)
            m_tickPreview.preview(style);
    });
    connect(m_respectFocus, &QCheckBox::clicked, this, [this](bool checked) {
        m_settings.setRespectFocusMode(checked);
        if (checked)
            m_focus.requestAuthorization();
    });
    connect(m_preventSleep, &QCheckBox::clicked, this,
            [this](bool checked) { m_settings.setPreventSleepWhileRunning(checked); });
    connect(m_resetAll, &QPushButton::clicked, this, [this] {
        if (m_confirmReset(window()))
            m_settings.resetToDefaults();
    });

    connect(&completion, &CompletionSettings::changed, this, &BehaviorPage::showValues);
    connect(&m_settings, &AppSettings::changed, this, &BehaviorPage::showValues);
    showValues();
}

BehaviorPage::~BehaviorPage() = default;

void BehaviorPage::showValues()
{
    const CompletionSettings& completion = m_settings.completionSettings();
    const CompletionBehavior behavior = completion.displayBehavior();
    if (QAbstractButton* choice = m_completionBehavior->button(static_cast<int>(behavior));
        choice && !choice->isChecked()) {
        const QSignalBlocker quiet(m_completionBehavior);
        choice->setChecked(true);
    }
    m_completionRow->setSubtitle(description(behavior));
    const bool playsAnimation = behavior == CompletionBehavior::PlayAnimation;
    m_completionRow->setShowsDivider(playsAnimation);
    showAnimationRow(playsAnimation);

    showChecked(m_notification, completion.showNotification());
    showCase(m_sound, completion.selectedSound());
    showCase(m_tick, completion.tickStyle());
    showChecked(m_respectFocus, m_settings.respectFocusMode());
    showChecked(m_preventSleep, m_settings.preventSleepWhileRunning());
}

void BehaviorPage::showAnimationRow(bool shown)
{
    if (shown == (m_animationRow != nullptr))
        return;
    if (!shown) {
        // The picker and its player go with the row.
        delete m_animationRow;
        m_animationRow = nullptr;
        m_animationSelector = nullptr;
        return;
    }
    m_animationSelector
        = new AnimationSelectorView(m_settings.completionSettings(), m_settings.colorManager(), m_makePreviewPlayer());
    m_animationRow = new SettingsRow(u"Animation"_s, std::nullopt, false, m_animationSelector);
    m_completionCard->addContent(m_animationRow);
    // The row arrives last; Tab takes it where it stands.
    followTreeOrderWithTab(this);
}
