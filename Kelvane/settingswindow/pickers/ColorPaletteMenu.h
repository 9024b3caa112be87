// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ColorManager;
class QComboBox;

// The "Palette" menu of multicolour mode: every palette with a few dots of
// its colours, the colour manager's choice selected.
class ColorPaletteMenu : public QWidget {
    Q_OBJECT

public:
    explicit ColorPaletteMenu(ColorManager& colors, QWidget* parent = nullptr);

    void refresh();
    QComboBox* menu() const { return m_menu; }

private:
    ColorManager& m_colors;
    QComboBox* m_menu;
};
