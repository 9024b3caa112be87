// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

// The colours of the settings cards, rows, headers and preview panel. All but
// the preview card follow the palette's appearance (see appearanceOf); the
// light ones come from the palette itself.
namespace SettingsTheme {

QColor groupBackground(const QPalette& palette);
QColor cardBackground(const QPalette& palette);
QColor cardStroke(const QPalette& palette);
QColor rowDivider(const QPalette& palette);
QColor sectionHeaderText(const QPalette& palette);
// Near-black in both appearances: the live display is always shown on dark.
QColor previewCardBackground();

} // namespace SettingsTheme
