// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace ColorSchemeRules {

namespace {

const QString transparentID = u"transparent"_s;
const QString darkID = u"dark"_s;

constexpr qsizetype paletteMenuDotCount = 5;

} // namespace

SchemeMode schemeMode(const DigitColorMode& digitMode)
{
    return digitMode.kind() == DigitColorMode::Kind::Multicolor ? SchemeMode::Multicolor : SchemeMode::Single;
}

QString schemeModeLabel(SchemeMode mode)
{
    return mode == SchemeMode::Multicolor ? u"Multicolor"_s : u"Single"_s;
}

QString schemeAccessibilityValue(const DigitColorMode& digitMode)
{
    return schemeMode(digitMode) == SchemeMode::Multicolor ? u"Multicolor"_s : u"Single colour"_s;
}

std::optional<DigitColorMode> digitModeForChoice(SchemeMode chosen, const DigitColorMode& current,
                                                 const std::optional<QString>& storedDigitPresetID)
{
    if (chosen == SchemeMode::Multicolor)
        return DigitColorMode::multicolor();
    if (current.kind() != DigitColorMode::Kind::Multicolor)
        return std::nullopt;
    return DigitColorMode::solidPreset(storedDigitPresetID.value_or(darkID));
}

QList<DisplayColor> digitPresets()
{
    QList<DisplayColor> presets;
    for (const DisplayColor& color : DisplayColor::allColors()) {
        if (color.id != transparentID)
            presets.append(color);
    }
    return presets;
}

QList<DisplayColor> backgroundPresets()
{
    return {DisplayColor::transparent(), DisplayColor::classicWhite(), DisplayColor::classicBlack()};
}

QString shortSwatchName(const QString& presetName)
{
    static const std::array<std::pair<QString, QString>, 8> names{{
        {u"Dark"_s, u"White"_s},
        {u"Light"_s, u"Black"_s},
        {u"Amber"_s, u"Amber"_s},
        {u"Green Terminal"_s, u"Green"_s},
        {u"Blue Glow"_s, u"Blue"_s},
        {u"VFD Cyan"_s, u"Cyan"_s},
        {u"Sunset"_s, u"Orange"_s},
        {u"Neon Pink"_s, u"Pink"_s},
    }};
    for (const auto& [name, shortName] : names) {
        if (name == presetName)
            return shortName;
    }
    return presetName;
}

bool isDigitPresetSelected(const DigitColorMode& digitMode, const QString& presetID)
{
    return digitMode.kind() == DigitColorMode::Kind::SolidPreset && digitMode.presetID() == presetID;
}

bool isBackgroundPresetSelected(const BackgroundMode& backgroundMode, const QString& presetID)
{
    return backgroundMode.kind() == BackgroundMode::Kind::Preset && backgroundMode.presetID() == presetID;
}

bool isCustomSwatchSelected(const std::optional<QString>& activeID, const QString& swatchID)
{
    return activeID && *activeID == swatchID;
}

QString digitSelectionName(const DigitColorMode& digitMode)
{
    if (digitMode.kind() == DigitColorMode::Kind::Custom)
        return u"Custom"_s;
    return shortSwatchName(DisplayColor::color(digitMode.presetID()).name);
}

QColor digitSelectionColor(const DigitColorMode& digitMode, const QColor& customDotColor)
{
    if (digitMode.kind() == DigitColorMode::Kind::Custom)
        return customDotColor;
    return DisplayColor::color(digitMode.presetID()).dotColor();
}

QString backgroundSelectionName(const BackgroundMode& backgroundMode)
{
    if (backgroundMode.kind() == BackgroundMode::Kind::Custom)
        return u"Custom"_s;
    // The three background presets by their names; any other id stored by an
    // older version reads as its words capitalised.
    for (const DisplayColor& preset : backgroundPresets()) {
        if (preset.id == backgroundMode.presetID())
            return preset.name;
    }
    QString name = backgroundMode.presetID();
    bool startsWord = true;
    for (QChar& c : name) {
        if (startsWord)
            c = c.toUpper();
        startsWord = c.isSpace();
    }
    return name;
}

QColor backgroundSelectionColor(const BackgroundMode& backgroundMode, const QColor& customBackgroundColor)
{
    if (backgroundMode.kind() == BackgroundMode::Kind::Custom)
        return customBackgroundColor;
    return DisplayColor::color(backgroundMode.presetID()).backgroundColor();
}

bool showsAddTile(qsizetype customSwatchCount)
{
    return customSwatchCount < maximumCustomSwatches;
}

bool showsLowContrastWarning(const DigitColorMode& digitMode, const DisplayColor& resolved)
{
    return digitMode.kind() != DigitColorMode::Kind::Multicolor && resolved.hasLowDigitContrast();
}

QList<QColor> previewPalette(const DigitColorMode& digitMode, const std::optional<MulticolorPalette>& activePalette)
{
    if (digitMode.kind() != DigitColorMode::Kind::Multicolor || !activePalette)
        return {};
    return activePalette->colors();
}

QList<QColor> paletteMenuDots(const MulticolorPalette& palette)
{
    return palette.colors().first(std::min(paletteMenuDotCount, palette.colors().size()));
}

} // namespace ColorSchemeRules
