// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorSchemePicker.h"

#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pages/appearance/SettingsDivider.h"
#include "Kelvane/settingswindow/pickers/ColorContrastWarning.h"
#include "Kelvane/settingswindow/pickers/ColorPaletteMenu.h"
#include "Kelvane/settingswindow/pickers/ColorSchemePreview.h"
#include "Kelvane/settingswindow/pickers/ColorSwatchGrid.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/TintedLabel.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using ColorSchemeRules::SchemeMode;

namespace {

constexpr int sectionSpacing = 12;
constexpr int rowSpacing = 8;

QVBoxLayout* column(QWidget* owner, int spacing)
{
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->setAlignment(Qt::AlignTop);
    return layout;
}

TintedLabel* textLabel(const QString& text, int pixelSize, QFont::Weight weight, TintedLabel::Tint tint)
{
    auto* label = new TintedLabel(text, std::move(tint));
    label->setFont(pixelFont(label->font(), pixelSize, weight));
    return label;
}

TintedLabel* headline(const QString& text)
{
    return textLabel(text, 13, QFont::DemiBold, primaryLabelColor);
}

TintedLabel* caption()
{
    return textLabel({}, 11, QFont::Normal, primaryLabelColor);
}

} // namespace

ColorSchemePicker::ColorSchemePicker(ColorManager& colors, QWidget* parent)
    : QWidget(parent)
    , m_colors(colors)
    , m_schemeControl(new SchemeControl(
          {SchemeMode::Single, SchemeMode::Multicolor}, ColorSchemeRules::schemeMode(colors.digitMode()),
          [](const SchemeMode& mode, bool) { return ColorSchemeRules::schemeModeLabel(mode); }))
    , m_digitBlock(new QWidget)
    , m_paletteMenu(new ColorPaletteMenu(colors))
    , m_digitGrid(new ColorSwatchGrid(colors, SwatchGridKind::Digit))
    , m_backgroundGrid(new ColorSwatchGrid(colors, SwatchGridKind::Background))
    , m_digitCaption(caption())
    , m_backgroundCaption(caption())
    , m_preview(new ColorSchemePreview)
    , m_contrastWarning(new ColorContrastWarning)
{
    auto* body = column(this, sectionSpacing);

    auto* scheme = new QWidget;
    auto* schemeColumn = column(scheme, rowSpacing);
    schemeColumn->addWidget(headline(u"Digit colour scheme"_s));
    m_schemeControl->setAccessibleName(u"Digit colour scheme"_s);
    m_schemeControl->setOnSelect([this](const SchemeMode& mode) { chooseSchemeMode(mode); });
    schemeColumn->addWidget(m_schemeControl);
    auto* digitColumn = column(m_digitBlock, rowSpacing);
    digitColumn->addWidget(textLabel(u"Digit Color"_s, 11, QFont::DemiBold, primaryLabelColor));
    digitColumn->addWidget(m_digitGrid);
    digitColumn->addWidget(m_digitCaption);
    schemeColumn->addWidget(m_digitBlock);
    schemeColumn->addWidget(m_paletteMenu);
    body->addWidget(scheme);

    body->addWidget(new SettingsDivider);

    auto* background = new QWidget;
    auto* backgroundColumn = column(background, rowSpacing);
    backgroundColumn->addWidget(headline(u"Background"_s));
    backgroundColumn->addWidget(m_backgroundGrid);
    backgroundColumn->addWidget(m_backgroundCaption);
    body->addWidget(background);

    body->addWidget(new SettingsDivider);

    auto* preview = new QWidget;
    auto* previewColumn = column(preview, rowSpacing);
    previewColumn->addWidget(m_preview);
    previewColumn->addWidget(m_contrastWarning);
    body->addWidget(preview);

    connect(&m_colors, &ColorManager::changed, this, &ColorSchemePicker::refresh);
    refresh();
}

void ColorSchemePicker::chooseSchemeMode(SchemeMode mode)
{
    if (mode == SchemeMode::Multicolor) {
        m_colors.selectMulticolorDigits();
        return;
    }
    const auto stored = SharedDefaultsKeys::digitPresetID.read(m_colors.defaults());
    if (auto next = ColorSchemeRules::digitModeForChoice(mode, m_colors.digitMode(), stored))
        m_colors.setDigitMode(*next);
    else
        refresh();
}

void ColorSchemePicker::refresh()
{
    const DigitColorMode& digitMode = m_colors.digitMode();
    const SchemeMode mode = ColorSchemeRules::schemeMode(digitMode);
    m_schemeControl->setSelection(mode);
    m_schemeControl->setAccessibleDescription(ColorSchemeRules::schemeAccessibilityValue(digitMode));
    m_digitBlock->setVisible(mode == SchemeMode::Single);
    m_paletteMenu->setVisible(mode == SchemeMode::Multicolor);
    m_paletteMenu->refresh();

    m_digitGrid->refresh();
    m_backgroundGrid->refresh();
    m_digitCaption->setText(ColorSchemeRules::digitSelectionName(digitMode));
    m_digitCaption->setTint([color = ColorSchemeRules::digitSelectionColor(digitMode, m_colors.customDotColor())](
                                const QPalette&) { return color; });
    const BackgroundMode& backgroundMode = m_colors.backgroundMode();
    m_backgroundCaption->setText(ColorSchemeRules::backgroundSelectionName(backgroundMode));
    m_backgroundCaption->setTint(
        [color = ColorSchemeRules::backgroundSelectionColor(backgroundMode, m_colors.customBackgroundColor())](
            const QPalette&) { return color; });

    const DisplayColor resolved = m_colors.resolvedDisplayColor();
    m_preview->setColors(resolved, ColorSchemeRules::previewPalette(digitMode, m_colors.activePalette()));
    m_contrastWarning->setVisible(ColorSchemeRules::showsLowContrastWarning(digitMode, resolved));
}
