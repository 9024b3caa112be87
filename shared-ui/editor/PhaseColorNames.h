// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Spoken names of the phase palette's colours, by palette index; none for an
// index outside the palette.
std::optional<QString> phaseColorName(int index);

// The swatch's accessible name: "Phase color: <name>", "Unknown" for an index
// outside the palette.
QString phaseColorSwatchLabel(int index);

// A colour choice's accessible name: its name, or "Color <index>".
QString phaseColorChoiceLabel(int index);
