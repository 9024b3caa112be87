// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/paint/ColorBatches.h"

#include <QColor>
#include <QRectF>

class QPainter;

// Collects dots by their final colour (opacity included) so each colour is one
// path and one fill, however many dots it has; dots that overlap stay solid.
class DotBatches {
public:
    void add(const QColor& color, const QRectF& rect, DotShape shape);
    void fill(QPainter& painter) const { m_batches.fill(painter); }
    bool isEmpty() const { return m_batches.isEmpty(); }

private:
    ColorBatches m_batches;
};

// `color` with its alpha multiplied by `opacity`.
QColor withOpacity(QColor color, qreal opacity);
