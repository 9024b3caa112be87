// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorSwatchGrid.h"

#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pickers/ColorAddSwatchTile.h"
#include "Kelvane/settingswindow/pickers/ColorPendingSwatch.h"
#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"
#include "Kelvane/settingswindow/pickers/ColorSwatchCell.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SymbolPainter.h"

#include <QAction>
#include <QColorDialog>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>

using namespace Qt::Literals::StringLiterals;

namespace {

// The menu item's trash can, drawn in the text colour of `widget`.
QIcon trashIcon(const QWidget& widget)
{
    constexpr int side = 16;
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintSymbol(painter, u"trash", QRectF(0, 0, side, side), 12, primaryLabelColor(widget.palette()));
    return QIcon(pixmap);
}

} // namespace

ColorSwatchGrid::ColorSwatchGrid(ColorManager& colors, SwatchGridKind kind, QWidget* parent)
    : QWidget(parent)
    , m_colors(colors)
    , m_kind(kind)
    , m_grid(new QGridLayout(this))
    , m_addTile(new ColorAddSwatchTile(ColorSwatchSide::addTileLabel(kind), this))
{
    // The cells leave a point around each swatch for its ring; the spacing
    // takes that back, so the swatches stand the grid's spacing apart.
    const int cellSpacing = ColorSchemeRules::gridSpacing - 2 * ColorSwatchCell::ringRoom;
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(cellSpacing);
    m_grid->setVerticalSpacing(cellSpacing);
    m_grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (const DisplayColor& preset : ColorSwatchSide::presets(kind)) {
        auto* cell = new ColorSwatchCell(ColorSwatchSide::presetFill(kind, preset),
                                         ColorSwatchSide::presetLabel(kind, preset), this);
        connect(cell, &QAbstractButton::clicked, this, [this, id = preset.id] {
            m_pendingSwatchID.reset();
            ColorSwatchSide::selectPreset(m_colors, m_kind, id);
        });
        m_presetCells.append(cell);
    }
    connect(m_addTile, &QAbstractButton::clicked, this, &ColorSwatchGrid::openColorDialog);
    refresh();
}

ColorAddSwatchTile* ColorSwatchGrid::addTile() const
{
    return m_addTile->isHidden() ? nullptr : m_addTile;
}

QColorDialog* ColorSwatchGrid::openDialog() const
{
    return m_dialog && m_dialog->isVisible() ? m_dialog.data() : nullptr;
}

void ColorSwatchGrid::refresh()
{
    for (qsizetype i = 0; i < m_presetCells.size(); ++i) {
        const QString id = ColorSwatchSide::presets(m_kind)[i].id;
        m_presetCells[i]->setSelected(ColorSwatchSide::isPresetSelected(m_colors, m_kind, id));
    }
    if (ColorSwatchSide::customSwatches(m_colors, m_kind) != m_shownSwatches)
        rebuildCustomCells();
    const auto& activeID = ColorSwatchSide::activeSwatchID(m_colors, m_kind);
    for (qsizetype i = 0; i < m_customCells.size(); ++i)
        m_customCells[i]->setSelected(ColorSchemeRules::isCustomSwatchSelected(activeID, m_shownSwatches[i].id));
    m_addTile->setHidden(!ColorSchemeRules::showsAddTile(m_shownSwatches.size()));
    relayout();
    if (!m_isCommitting)
        closeDialogWhenTileIsGone();
}

void ColorSwatchGrid::rebuildCustomCells()
{
    const auto& swatches = ColorSwatchSide::customSwatches(m_colors, m_kind);
    // Only colours changed: repaint the cells in place, so a drag in the
    // dialog does not rebuild the grid on every step.
    const bool sameIDs = swatches.size() == m_shownSwatches.size()
        && std::equal(swatches.cbegin(), swatches.cend(), m_shownSwatches.cbegin(),
                      [](const auto& a, const auto& b) { return a.id == b.id; });
    m_shownSwatches = swatches;
    if (sameIDs) {
        for (qsizetype i = 0; i < m_customCells.size(); ++i)
            m_customCells[i]->setFill(m_shownSwatches[i].color());
        return;
    }
    // The click or menu item that led here may belong to one of these cells.
    for (ColorSwatchCell* cell : std::as_const(m_customCells)) {
        cell->hide();
        cell->deleteLater();
    }
    m_customCells.clear();
    for (const CustomColorSwatch& swatch : std::as_const(m_shownSwatches)) {
        auto* cell = new ColorSwatchCell(swatch.color(), ColorSwatchSide::customCellLabel(m_kind), this);
        cell->setAccessibleDescription(u"Right-click to remove"_s);
        connect(cell, &QAbstractButton::clicked, this, [this, id = swatch.id] {
            m_pendingSwatchID.reset();
            for (const CustomColorSwatch& current : ColorSwatchSide::customSwatches(m_colors, m_kind)) {
                if (current.id == id) {
                    ColorSwatchSide::selectSwatch(m_colors, m_kind, current);
                    return;
                }
            }
        });
        auto* remove = new QAction(trashIcon(*cell), u"Remove colour"_s, cell);
        connect(remove, &QAction::triggered, this, [this, id = swatch.id] { removeCustomSwatch(id); });
        cell->addAction(remove);
        cell->setContextMenuPolicy(Qt::ActionsContextMenu);
        m_customCells.append(cell);
    }
}

void ColorSwatchGrid::relayout()
{
    QList<QWidget*> cells;
    for (ColorSwatchCell* cell : std::as_const(m_presetCells))
        cells.append(cell);
    for (ColorSwatchCell* cell : std::as_const(m_customCells))
        cells.append(cell);
    if (!m_addTile->isHidden())
        cells.append(m_addTile);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int index = static_cast<int>(i);
        m_grid->addWidget(cells[i], index / ColorSchemeRules::gridColumns, index % ColorSchemeRules::gridColumns);
    }
}

void ColorSwatchGrid::openColorDialog()
{
    if (!m_dialog) {
        m_dialog = new QColorDialog(this);
        m_dialog->setWindowTitle(ColorSwatchSide::addTileLabel(m_kind));
        // Live changes need Qt's own dialog; without buttons it is a panel
        // that edits as it goes and is done when closed.
        m_dialog->setOptions(QColorDialog::ShowAlphaChannel | QColorDialog::NoButtons
                             | QColorDialog::DontUseNativeDialog);
        m_dialog->setModal(false);
        connect(m_dialog, &QColorDialog::currentColorChanged, this, &ColorSwatchGrid::commitPendingColor);
        // Closing the dialog ends the visit.
        connect(m_dialog, &QDialog::finished, this, [this] { m_pendingSwatchID.reset(); });
    }
    if (!m_dialog->isVisible()) {
        // Opening on the pending colour is no change of it.
        const QSignalBlocker quiet(m_dialog);
        m_dialog->setCurrentColor(m_pendingColor);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void ColorSwatchGrid::commitPendingColor(const QColor& color)
{
    if (color == m_pendingColor)
        return;
    m_pendingColor = color;
    m_isCommitting = true;
    const auto commit
        = ColorPendingSwatch::commitFor(m_pendingSwatchID, ColorSwatchSide::customSwatches(m_colors, m_kind));
    if (commit.kind == ColorPendingSwatch::Commit::Kind::Update) {
        ColorSwatchSide::updateSwatch(m_colors, m_kind, commit.id, color);
    } else {
        const bool added = ColorSwatchSide::addSwatch(m_colors, m_kind, color);
        m_pendingSwatchID
            = ColorPendingSwatch::pendingIDAfterAdd(added, ColorSwatchSide::customSwatches(m_colors, m_kind));
    }
    m_isCommitting = false;
    closeDialogWhenTileIsGone();
}

void ColorSwatchGrid::removeCustomSwatch(const QString& id)
{
    ColorSwatchSide::deleteSwatch(m_colors, m_kind, id);
    m_pendingSwatchID = ColorPendingSwatch::pendingIDAfterRemoval(m_pendingSwatchID, id);
}

void ColorSwatchGrid::closeDialogWhenTileIsGone()
{
    // The dialog belongs to the add tile: with the list full it has nothing
    // left to add, and a drag must not go on editing the last swatch.
    if (m_dialog && m_dialog->isVisible() && m_addTile->isHidden())
        m_dialog->close();
}
