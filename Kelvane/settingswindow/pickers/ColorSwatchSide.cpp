// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorSwatchSide.h"

#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"

using namespace Qt::Literals::StringLiterals;

namespace ColorSwatchSide {

QList<DisplayColor> presets(SwatchGridKind kind)
{
    return kind == SwatchGridKind::Digit ? ColorSchemeRules::digitPresets() : ColorSchemeRules::backgroundPresets();
}

QColor presetFill(SwatchGridKind kind, const DisplayColor& preset)
{
    return kind == SwatchGridKind::Digit ? preset.dotColor() : preset.backgroundColor();
}

QString presetLabel(SwatchGridKind kind, const DisplayColor& preset)
{
    return kind == SwatchGridKind::Digit ? ColorSchemeRules::shortSwatchName(preset.name) : preset.name;
}

bool isPresetSelected(const ColorManager& colors, SwatchGridKind kind, const QString& presetID)
{
    return kind == SwatchGridKind::Digit
        ? ColorSchemeRules::isDigitPresetSelected(colors.digitMode(), presetID)
        : ColorSchemeRules::isBackgroundPresetSelected(colors.backgroundMode(), presetID);
}

void selectPreset(ColorManager& colors, SwatchGridKind kind, const QString& presetID)
{
    kind == SwatchGridKind::Digit ? colors.selectDigitPreset(presetID) : colors.selectBackgroundPreset(presetID);
}

const QList<CustomColorSwatch>& customSwatches(const ColorManager& colors, SwatchGridKind kind)
{
    return kind == SwatchGridKind::Digit ? colors.customDigitSwatches() : colors.customBackgroundSwatches();
}

const std::optional<QString>& activeSwatchID(const ColorManager& colors, SwatchGridKind kind)
{
    return kind == SwatchGridKind::Digit ? colors.activeCustomDigitSwatchID() : colors.activeCustomBackgroundSwatchID();
}

void selectSwatch(ColorManager& colors, SwatchGridKind kind, const CustomColorSwatch& swatch)
{
    kind == SwatchGridKind::Digit ? colors.selectCustomDigitSwatch(swatch)
                                  : colors.selectCustomBackgroundSwatch(swatch);
}

bool addSwatch(ColorManager& colors, SwatchGridKind kind, const QColor& color)
{
    return kind == SwatchGridKind::Digit ? colors.addCustomDigitSwatch(color) : colors.addCustomBackgroundSwatch(color);
}

void updateSwatch(ColorManager& colors, SwatchGridKind kind, const QString& id, const QColor& color)
{
    kind == SwatchGridKind::Digit ? colors.updateCustomDigitSwatch(id, color)
                                  : colors.updateCustomBackgroundSwatch(id, color);
}

void deleteSwatch(ColorManager& colors, SwatchGridKind kind, const QString& id)
{
    kind == SwatchGridKind::Digit ? colors.deleteCustomDigitSwatch(id) : colors.deleteCustomBackgroundSwatch(id);
}

QString customCellLabel(SwatchGridKind kind)
{
    return kind == SwatchGridKind::Digit ? u"Custom colour"_s : u"Custom background colour"_s;
}

QString addTileLabel(SwatchGridKind kind)
{
    return kind == SwatchGridKind::Digit ? u"Add custom colour"_s : u"Add custom background colour"_s;
}

} // namespace ColorSwatchSide
