// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"

#include "shared-ui/controls/SoftSegmentedPicker.h"

#include <QWidget>

class ColorContrastWarning;
class ColorManager;
class ColorPaletteMenu;
class ColorSchemePreview;
class ColorSwatchGrid;
class TintedLabel;

// The colour section of the appearance settings: single or multicolour
// digits, the digit colour or the palette, the background, and a small
// preview with a warning when the digits are hard to read. It keeps no
// colours of its own: every choice goes to the colour manager, and every
// change of the manager is shown at once.
class ColorSchemePicker : public QWidget {
    Q_OBJECT

public:
    using SchemeControl = SoftSegmentedPicker<ColorSchemeRules::SchemeMode>;

    explicit ColorSchemePicker(ColorManager& colors, QWidget* parent = nullptr);

    void refresh();

    SchemeControl* schemeControl() const { return m_schemeControl; }
    // The digit colour's header, grid and caption: single colour only.
    QWidget* digitBlock() const { return m_digitBlock; }
    // Multicolour only.
    ColorPaletteMenu* paletteMenu() const { return m_paletteMenu; }
    ColorSwatchGrid* digitGrid() const { return m_digitGrid; }
    ColorSwatchGrid* backgroundGrid() const { return m_backgroundGrid; }
    TintedLabel* digitCaption() const { return m_digitCaption; }
    TintedLabel* backgroundCaption() const { return m_backgroundCaption; }
    ColorSchemePreview* preview() const { return m_preview; }
    ColorContrastWarning* contrastWarning() const { return m_contrastWarning; }

private:
    void chooseSchemeMode(ColorSchemeRules::SchemeMode mode);

    ColorManager& m_colors;
    SchemeControl* m_schemeControl;
    QWidget* m_digitBlock;
    ColorPaletteMenu* m_paletteMenu;
    ColorSwatchGrid* m_digitGrid;
    ColorSwatchGrid* m_backgroundGrid;
    TintedLabel* m_digitCaption;
    TintedLabel* m_backgroundCaption;
    ColorSchemePreview* m_preview;
    ColorContrastWarning* m_contrastWarning;
};
