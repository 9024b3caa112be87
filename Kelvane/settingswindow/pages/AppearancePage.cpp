// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/AppearancePage.h"

#include "Kelvane/settings/AppSettings.h"
#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pages/appearance/AppearanceOptions.h"
#include "Kelvane/settingswindow/pages/appearance/AppearancePreview.h"
#include "Kelvane/settingswindow/pages/appearance/SettingsDivider.h"
#include "Kelvane/settingswindow/pickers/ColorSchemePicker.h"

#include "shared-ui/accessibility/AccessibilityHints.h"
#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/accessibility/AccessibilityLabels.h"
#include "shared-ui/controls/LivePreviewPanel.h"
#include "shared-ui/controls/SettingsCard.h"
#include "shared-ui/controls/SettingsRow.h"
#include "shared-ui/controls/SettingsSectionHeader.h"
#include "shared-ui/controls/SoftSegmentedPicker.h"
#include "shared-ui/controls/TabOrder.h"

#include "PlatformKit/core/RawValueEnum.h"

#include <QCheckBox>
#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
namespace Ids = AccessibilityIdentifiers::Settings;
namespace Labels = AccessibilityLabels::Settings;

namespace {

constexpr int columnSpacing = 16;
constexpr int headerSpacing = 6;
constexpr int columnHorizontalPadding = 12;
constexpr int columnVerticalPadding = 8;
constexpr int styleAnimationMilliseconds = 200;

template <typename E>
QList<E> casesOf()
{
    const auto cases = platform::allCases<E>();
    return QList<E>(cases.begin(), cases.end());
}

// A segmented control over `options`, labelled by `label`, that calls
// `write` with the clicked option. Without a spoken name it is called by its
// row's title.
template <typename E>
SoftSegmentedPicker<E>* segmented(QList<E> options, E selection, QString (*label)(E), std::function<void(E)> write,
                                  const QString& identifier = {}, const QString& spokenName = {})
{
    auto* control = new SoftSegmentedPicker<E>(std::move(options), selection,
                                               [label](const E& option, bool) { return label(option); });
    control->setOnSelect([write = std::move(write)](const E& option) { write(option); });
    if (!identifier.isEmpty())
        control->setObjectName(identifier);
    if (!spokenName.isEmpty())
        control->setAccessibleName(spokenName);
    return control;
}

QCheckBox* toggle(bool checked, std::function<void(bool)> write, const QString& identifier = {})
{
    auto* box = new QCheckBox;
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::toggled, box, [write = std::move(write)](bool on) { write(on); });
    if (!identifier.isEmpty())
        box->setObjectName(identifier);
    return box;
}

// Shows a stored value in a control without writing it back.
template <typename E>
std::function<void()> shows(SoftSegmentedPicker<E>* control, std::function<E()> read)
{
    return [control, read = std::move(read)] { control->setSelection(read()); };
}

std::function<void()> shows(QCheckBox* box, std::function<bool()> read)
{
    return [box, read = std::move(read)] {
        const QSignalBlocker quiet(box);
        box->setChecked(read());
    };
}

} // namespace

AppearancePage::AppearancePage(AppSettings& settings, ColorManager& colorManager, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_colors(colorManager)
    , m_preview(new AppearancePreview)
    , m_scrollArea(new QScrollArea)
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addWidget(new LivePreviewPanel(m_preview));
    stack->addWidget(new SettingsDivider);

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(columnHorizontalPadding, columnVerticalPadding, columnHorizontalPadding,
                               columnVerticalPadding);
    column->setSpacing(columnSpacing);
    column->setAlignment(Qt::AlignTop);
    column->addWidget(buildDisplaySection());
    m_styleSection = new QWidget;
    auto* styleColumn = new QVBoxLayout(m_styleSection);
    styleColumn->setContentsMargins(0, 0, 0, 0);
    styleColumn->setSpacing(headerSpacing);
    styleColumn->addWidget(new SettingsSectionHeader(u"Display Style"_s));
    column->addWidget(m_styleSection);
    column->addWidget(buildMenuBarSection());
    column->addWidget(buildTimeSection());

    auto* colorSection = new QWidget;
    auto* colorColumn = new QVBoxLayout(colorSection);
    colorColumn->setContentsMargins(0, 0, 0, 0);
    colorColumn->setSpacing(headerSpacing);
    colorColumn->addWidget(new SettingsSectionHeader(u"Color"_s));
    m_picker = new ColorSchemePicker(m_colors);
    m_picker->setObjectName(Ids::themeChangeButton);
    m_picker->setAccessibleName(u"Color"_s);
    m_picker->setAccessibleDescription(AccessibilityHints::Settings::themeChangeButton);
    colorColumn->addWidget(m_picker);
    column->addWidget(colorSection);

    m_scrollArea->setWidget(content);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control; the area scrolls to the one focused.
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    stack->addWidget(m_scrollArea, 1);

    connect(&m_settings, &AppSettings::changed, this, &AppearancePage::refresh);
    connect(&m_colors, &ColorManager::changed, this, &AppearancePage::refreshPreview);
    refresh();
}

QWidget* AppearancePage::section(const QString& title, SettingsCard* card)
{
    auto* group = new QWidget;
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(headerSpacing);
    layout->addWidget(new SettingsSectionHeader(title));
    layout->addWidget(card);
    return group;
}

QWidget* AppearancePage::buildDisplaySection()
{
    auto* card = new SettingsCard;
    auto* bloom = toggle(m_settings.styleConfig().bloomEnabled, styleFieldWriter(&DisplayStyleConfig::bloomEnabled));
    m_refreshers.append(shows(bloom, [this] { return m_settings.styleConfig().bloomEnabled; }));
    card->addContent(new SettingsRow(u"Bloom"_s, u"Soft glow around lit dots"_s, true, bloom));

    auto* type = segmented<DisplayType>(
        casesOf<DisplayType>(), m_settings.displayType(), &displayName,
        [this](DisplayType value) { m_settings.setDisplayType(value); }, Ids::displayTypePicker,
        Labels::displayTypePicker);
    m_refreshers.append(shows<DisplayType>(type, [this] { return m_settings.displayType(); }));
    card->addContent(new SettingsRow(u"Display Type"_s, std::nullopt, false, type));
    return section(u"Display"_s, card);
}

QWidget* AppearancePage::buildMenuBarSection()
{
    auto* card = new SettingsCard;
    auto* mode = segmented<MenuBarDisplayMode>(
        casesOf<MenuBarDisplayMode>(), m_settings.menuBarDisplayMode(), &AppearanceOptions::label,
        [this](MenuBarDisplayMode value) { m_settings.setMenuBarDisplayMode(value); });
    m_refreshers.append(shows<MenuBarDisplayMode>(mode, [this] { return m_settings.menuBarDisplayMode(); }));
    card->addContent(new SettingsRow(u"Display"_s, std::nullopt, true, mode));

    auto* scale = segmented<DisplayScale>(
        AppearanceOptions::menuBarScales(), m_settings.displayScale(), &displayName,
        [this](DisplayScale value) { m_settings.setDisplayScale(value); }, Ids::displayScalePicker,
        Labels::displayScalePicker);
    m_scaleControl = scale;
    m_refreshers.append([this, scale] {
        scale->setSelection(m_settings.displayScale());
        const MenuBarDisplayMode current = m_settings.menuBarDisplayMode();
        scale->setEnabled(AppearanceOptions::isScaleEnabled(current));
        // Only a dimmed control wears the effect: at full opacity it would
        // only cost an offscreen pass.
        const qreal opacity = AppearanceOptions::scaleOpacity(current);
        if (opacity < 1) {
            auto* dimming = qobject_cast<QGraphicsOpacityEffect*>(scale->graphicsEffect());
            if (!dimming) {
                dimming = new QGraphicsOpacityEffect;
                scale->setGraphicsEffect(dimming);
            }
            dimming->setOpacity(opacity);
        } else {
            scale->setGraphicsEffect(nullptr);
        }
    });
    card->addContent(new SettingsRow(u"Scale"_s, u"Only applies in Full display mode"_s, false, scale));
    return section(u"Menu Bar"_s, card);
}

QWidget* AppearancePage::buildTimeSection()
{
    auto* card = new SettingsCard;
    auto* format = segmented<TimeFormat>(
        casesOf<TimeFormat>(), m_settings.timeFormat(), &AppearanceOptions::label,
        [this](TimeFormat value) { m_settings.setTimeFormat(value); }, Ids::timeFormatPicker);
    m_refreshers.append(shows<TimeFormat>(format, [this] { return m_settings.timeFormat(); }));
    card->addContent(new SettingsRow(u"Format"_s, std::nullopt, true, format));

    auto* leadingZero = toggle(
        m_settings.showLeadingZero(), [this](bool on) { m_settings.setShowLeadingZero(on); },
        Ids::showLeadingZeroToggle);
    m_refreshers.append(shows(leadingZero, [this] { return m_settings.showLeadingZero(); }));
    card->addContent(new SettingsRow(u"Leading Zero"_s, u"e.g. 05:00 instead of 5:00"_s, false, leadingZero));
    m_timeSection = section(u"Time"_s, card);
    return m_timeSection;
}

template <typename T>
std::function<void(T)> AppearancePage::styleFieldWriter(T DisplayStyleConfig::*field)
{
    // A style field is written as the whole configuration with that field changed.
    return [this, field](T value) {
        DisplayStyleConfig config = m_settings.styleConfig();
        config.*field = value;
        m_settings.setStyleConfig(config);
    };
}

template <typename E>
QWidget* AppearancePage::stylePicker(E DisplayStyleConfig::*field, const QString& identifier, const QString& spokenName)
{
    auto* picker = segmented<E>(casesOf<E>(), m_settings.styleConfig().*field, &displayName, styleFieldWriter(field),
                                identifier, spokenName);
    m_styleRefreshers.append(shows<E>(picker, [this, field] { return m_settings.styleConfig().*field; }));
    return picker;
}

SettingsRow* AppearancePage::styleOptionRow(const AppearanceOptions::StyleRow& row)
{
    QWidget* control = nullptr;
    switch (row.option) {
    case DisplayStyleOption::DotWeight:
        control = stylePicker(&DisplayStyleConfig::dotWeight, row.identifier, Labels::dotWeightPicker);
        break;
    case DisplayStyleOption::DotShape:
        control = stylePicker(&DisplayStyleConfig::dotShape, row.identifier);
        break;
    case DisplayStyleOption::ShowDimmedOffCells: {
        auto* box = toggle(m_settings.styleConfig().showDimmedOffCells,
                           styleFieldWriter(&DisplayStyleConfig::showDimmedOffCells));
        m_styleRefreshers.append(shows(box, [this] { return m_settings.styleConfig().showDimmedOffCells; }));
        control = box;
        break;
    }
    case DisplayStyleOption::ColonMode:
        control = stylePicker(&DisplayStyleConfig::colonMode, row.identifier, Labels::colonModePicker);
        break;
    case DisplayStyleOption::SegmentThickness:
        control = stylePicker(&DisplayStyleConfig::segmentThickness, row.identifier);
        break;
    case DisplayStyleOption::FlipSpeed:
        control = stylePicker(&DisplayStyleConfig::flipSpeed, row.identifier);
        break;
    }
    auto* settingsRow = new SettingsRow(row.title, row.subtitle, row.showsDivider, control);
    settingsRow->setObjectName(platform::rawValue(row.option));
    return settingsRow;
}

void AppearancePage::rebuildStyleCard(bool animated)
{
    const int heightBefore = m_styleCard && m_styleSection->isVisible() ? m_styleCard->height() : 0;
    // The click that led here may come from a control of the old card.
    if (m_styleCard) {
        m_styleCard->hide();
        m_styleCard->deleteLater();
        m_styleCard = nullptr;
    }
    m_styleRefreshers.clear();
    const auto rows = AppearanceOptions::styleRows(m_settings.displayType(), m_settings.styleConfig().colonMode);
    m_styleSection->setVisible(!rows.isEmpty());
    if (rows.isEmpty())
        return;
    m_styleCard = new SettingsCard;
    for (const auto& row : rows)
        m_styleCard->addContent(styleOptionRow(row));
    m_styleSection->layout()->addWidget(m_styleCard);
    // The new rows are the last to arrive; Tab takes them where they stand.
    followTreeOrderWithTab(this);
    if (animated && isVisible())
        growStyleCard(heightBefore);
}

void AppearancePage::growStyleCard(int fromHeight)
{
    // The new rows open up (or close in) from the old card's height.
    auto* growth = new QPropertyAnimation(m_styleCard, "maximumHeight", m_styleCard);
    growth->setDuration(styleAnimationMilliseconds);
    growth->setEasingCurve(QEasingCurve::InOutQuad);
    growth->setStartValue(fromHeight);
    growth->setEndValue(m_styleCard->sizeHint().height());
    connect(growth, &QPropertyAnimation::finished, m_styleCard,
            [card = m_styleCard] { card->setMaximumHeight(QWIDGETSIZE_MAX); });
    growth->start(QAbstractAnimation::DeleteWhenStopped);
}

QList<SettingsRow*> AppearancePage::styleRows() const
{
    return m_styleCard ? m_styleCard->findChildren<SettingsRow*>() : QList<SettingsRow*>{};
}

void AppearancePage::refresh()
{
    const std::pair shown{m_settings.displayType(), m_settings.styleConfig().colonMode};
    if (m_shownStyle != shown) {
        const bool typeChanged = m_shownStyle && m_shownStyle->first != shown.first;
        m_shownStyle = shown;
        rebuildStyleCard(typeChanged);
    }
    for (const auto& refresher : std::as_const(m_refreshers))
        refresher();
    for (const auto& refresher : std::as_const(m_styleRefreshers))
        refresher();
    m_timeSection->setVisible(AppearanceOptions::showsTimeSection(m_settings.displayType()));
    refreshPreview();
}

void AppearancePage::refreshPreview()
{
    DisplayFrame frame;
    frame.time = 1500;
    frame.color = m_colors.resolvedDisplayColor();
    frame.style = m_settings.styleConfig();
    frame.scale = DisplayScale::Regular;
    frame.isRunning = false;
    frame.blinkDisplay = false;
    frame.displayOverride = u"25:00"_s;
    frame.timeFormat = m_settings.timeFormat();
    frame.showLeadingZero = m_settings.showLeadingZero();
    DisplayLookSettings look;
    look.palette = m_colors.activePalette();
    m_preview->setDisplay(m_settings.displayType(), frame, look);
}
