// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/CustomColorSwatch.h"
#include "TimerCoreKit/color/DisplayColor.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

class ColorManager;

// The picker's two swatch grids work alike; this is what differs between
// them: the presets, their colours and names, and the colour manager's
// operations on the grid's own list of custom swatches.
enum class SwatchGridKind { Digit, Background };

namespace ColorSwatchSide {

QList<DisplayColor> presets(SwatchGridKind kind);
// The preset's digits in the digit grid, its background in the other.
QColor presetFill(SwatchGridKind kind, const DisplayColor& preset);
QString presetLabel(SwatchGridKind kind, const DisplayColor& preset);
bool isPresetSelected(const ColorManager& colors, SwatchGridKind kind, const QString& presetID);
void selectPreset(ColorManager& colors, SwatchGridKind kind, const QString& presetID);

const QList<CustomColorSwatch>& customSwatches(const ColorManager& colors, SwatchGridKind kind);
const std::optional<QString>& activeSwatchID(const ColorManager& colors, SwatchGridKind kind);
void selectSwatch(ColorManager& colors, SwatchGridKind kind, const CustomColorSwatch& swatch);
bool addSwatch(ColorManager& colors, SwatchGridKind kind, const QColor& color);
void updateSwatch(ColorManager& colors, SwatchGridKind kind, const QString& id, const QColor& color);
void deleteSwatch(ColorManager& colors, SwatchGridKind kind, const QString& id);

QString customCellLabel(SwatchGridKind kind);
QString addTileLabel(SwatchGridKind kind);

} // namespace ColorSwatchSide
