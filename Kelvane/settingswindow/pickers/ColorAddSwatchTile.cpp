// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorAddSwatchTile.h"

#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"
#include "Kelvane/settingswindow/pickers/ColorSwatchCell.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/DesignTokens.h"
#include "shared-ui/controls/SymbolPainter.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qreal dashedLine = 1.5;
constexpr qreal plusSize = 12;

} // namespace

ColorAddSwatchTile::ColorAddSwatchTile(const QString& accessibleLabel, QWidget* parent)
    : QAbstractButton(parent)
{
    setAccessibleName(accessibleLabel);
    setAccessibleDescription(u"Opens colour picker"_s);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize ColorAddSwatchTile::sizeHint() const
{
    // As large as a swatch cell, so the grid's columns stay even.
    const int side = ColorSchemeRules::swatchSide + 2 * ColorSwatchCell::ringRoom;
    return QSize(side, side);
}

void ColorAddSwatchTile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal room = ColorSwatchCell::ringRoom;
    const QRectF swatch(room, room, ColorSchemeRules::swatchSide, ColorSchemeRules::swatchSide);
    QPen dashes(faded(primaryLabelColor(palette()), 0.3), dashedLine);
    // Dash lengths are in line widths: 4 pt drawn, 4 pt left out.
    dashes.setDashPattern({4 / dashedLine, 4 / dashedLine});
    painter.setPen(dashes);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = dashedLine / 2;
    painter.drawRoundedRect(swatch.adjusted(inset, inset, -inset, -inset), CornerRadius::sm - inset,
                            CornerRadius::sm - inset);
    paintSymbol(painter, u"plus", swatch, plusSize, secondaryLabelColor(palette()));
}
