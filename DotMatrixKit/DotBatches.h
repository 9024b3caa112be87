#pragma once

#include "DotMatrixKit/DotOptions.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include <vector>

class QPainter;

// Collects dots by their final colour (opacity included) so each colour is one
// path and one fill, however many dots it has. The paths fill by the winding
// rule, so dots that overlap stay solid instead of cancelling out.
class DotBatches {
public:
    void add(const QColor& color, const QRectF& rect, DotShape shape);
    void fill(QPainter& painter) const;
    bool isEmpty() const { return m_batches.empty(); }

private:
    struct Batch {
        QColor color;
        QPainterPath path;
    };
    std::vector<Batch> m_batches;
};

// `color` with its alpha multiplied by `opacity`.
QColor withOpacity(QColor color, qreal opacity);
