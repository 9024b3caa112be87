// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/ColorModes.h"
#include "TimerCoreKit/color/DisplayColor.h"
#include "TimerCoreKit/color/MulticolorPalette.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

// What the colour-scheme picker shows and does, as functions of the colour
// manager's state, so every rule can be checked without a widget.
namespace ColorSchemeRules {

// How the digits are coloured, as the picker's segmented control offers it.
enum class SchemeMode { Single, Multicolor };

inline constexpr qsizetype maximumCustomSwatches = 8;
inline constexpr int swatchSide = 32;
inline constexpr int gridColumns = 8;
inline constexpr int gridSpacing = 6;

SchemeMode schemeMode(const DigitColorMode& digitMode);
QString schemeModeLabel(SchemeMode mode);
// The spoken value of the scheme control.
QString schemeAccessibilityValue(const DigitColorMode& digitMode);

// The digit mode that choosing `chosen` leads to, when it changes anything:
// multicolour always; single only out of multicolour, back to the last
// stored digit preset ("dark" when none is stored).
std::optional<DigitColorMode> digitModeForChoice(SchemeMode chosen, const DigitColorMode& current,
                                                 const std::optional<QString>& storedDigitPresetID);

// Every preset but the transparent one, which has no digits to show.
QList<DisplayColor> digitPresets();
// Transparent, Dark and Light.
QList<DisplayColor> backgroundPresets();

// The short colour name shown for a preset's digits ("Dark" has white digits).
QString shortSwatchName(const QString& presetName);

bool isDigitPresetSelected(const DigitColorMode& digitMode, const QString& presetID);
bool isBackgroundPresetSelected(const BackgroundMode& backgroundMode, const QString& presetID);
// A custom swatch is selected when it is the grid's active one.
bool isCustomSwatchSelected(const std::optional<QString>& activeID, const QString& swatchID);

// The captions under the grids, each drawn in the colour it names.
QString digitSelectionName(const DigitColorMode& digitMode);
QColor digitSelectionColor(const DigitColorMode& digitMode, const QColor& customDotColor);
QString backgroundSelectionName(const BackgroundMode& backgroundMode);
QColor backgroundSelectionColor(const BackgroundMode& backgroundMode, const QColor& customBackgroundColor);

// The add tile is offered while the list has room for another swatch.
bool showsAddTile(qsizetype customSwatchCount);

// Digits hard to read on an opaque enough background; never for multicolour
// digits, whose colours vary.
bool showsLowContrastWarning(const DigitColorMode& digitMode, const DisplayColor& resolved);

// The colours the preview's lit dots walk through: the palette's in
// multicolour mode, else none (every dot in the digit colour).
QList<QColor> previewPalette(const DigitColorMode& digitMode, const std::optional<MulticolorPalette>& activePalette);

// The palette menu's dots: the first five of the palette's colours.
QList<QColor> paletteMenuDots(const MulticolorPalette& palette);

} // namespace ColorSchemeRules
