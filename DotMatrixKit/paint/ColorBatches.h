// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>

#include <vector>

class QPainter;

// Shapes gathered by their final colour, so each colour is one path and one
// fill however many shapes it has. Paths fill by the winding rule, so shapes
// that touch or overlap stay solid. Colours fill in the order first added.
class ColorBatches {
public:
    // The path collecting the shapes of `color`.
    QPainterPath& pathFor(const QColor& color);
    void fill(QPainter& painter) const;
    bool isEmpty() const { return m_batches.empty(); }

private:
    struct Batch {
        QColor color;
        QPainterPath path;
    };
    std::vector<Batch> m_batches;
};
