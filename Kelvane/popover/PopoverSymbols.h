// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>
#include <QStringView>

class QPainter;

// The popover's symbols by their system names ("play.fill", "gearshape",
// "power", ...), drawn as strokes and fills so every desktop shows them, in
// any colour. The settings kit's own names ("plus", "minus") come from its
// painter. An unknown name draws nothing.
void paintPopoverSymbol(QPainter& painter, QStringView name, const QRectF& box, qreal pixelSize, const QColor& color);
bool isPopoverSymbol(QStringView name);
