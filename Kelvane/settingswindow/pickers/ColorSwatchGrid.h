// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settingswindow/pickers/ColorSwatchSide.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

class ColorAddSwatchTile;
class ColorManager;
class ColorSwatchCell;
class QColorDialog;
class QGridLayout;

// One swatch grid of the colour-scheme picker: the presets, the user's own
// swatches and, while there is room for another, the add tile that opens the
// colour dialog. A visit to the dialog makes one swatch that follows the
// dialog's colour; it ends when the dialog closes, when the user picks any
// swatch of the grid, or when the swatch is removed.
class ColorSwatchGrid : public QWidget {
    Q_OBJECT

public:
    ColorSwatchGrid(ColorManager& colors, SwatchGridKind kind, QWidget* parent = nullptr);

    // Shows the colour manager's current state.
    void refresh();

    SwatchGridKind kind() const { return m_kind; }
    const std::optional<QString>& pendingSwatchID() const { return m_pendingSwatchID; }

    const QList<ColorSwatchCell*>& presetCells() const { return m_presetCells; }
    const QList<ColorSwatchCell*>& customCells() const { return m_customCells; }
    // None while the list is full.
    ColorAddSwatchTile* addTile() const;
    // The colour dialog of the current visit; none when no visit is open.
    QColorDialog* openDialog() const;

    // What the add tile's click does.
    void openColorDialog();
    // A colour change in the dialog.
    void commitPendingColor(const QColor& color);
    // What the custom swatch's "Remove colour" does.
    void removeCustomSwatch(const QString& id);

private:
    void rebuildCustomCells();
    void relayout();
    void closeDialogWhenTileIsGone();

    ColorManager& m_colors;
    SwatchGridKind m_kind;
    QGridLayout* m_grid;
    QList<ColorSwatchCell*> m_presetCells;
    QList<ColorSwatchCell*> m_customCells;
    QList<CustomColorSwatch> m_shownSwatches;
    ColorAddSwatchTile* m_addTile;
    QPointer<QColorDialog> m_dialog;
    QColor m_pendingColor = Qt::white;
    std::optional<QString> m_pendingSwatchID;
    bool m_isCommitting = false;
};
