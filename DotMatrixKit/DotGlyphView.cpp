#include "DotMatrixKit/DotGlyphView.h"

#include "DotMatrixKit/paint/DotBatches.h"
#include "DotMatrixKit/DotGlyphGeometry.h"

#include <QPainter>

DotGlyphView::DotGlyphView(Inputs inputs, QWidget* parent) : QWidget(parent), m_inputs(std::move(inputs)) {}

void DotGlyphView::setInputs(Inputs inputs)
{
    m_inputs = std::move(inputs);
    update();
}

void DotGlyphView::paint(QPainter& painter, const QSizeF& size, const Inputs& inputs)
{
    DotBatches dots;
    for (const auto& rect : glyphDotRects(inputs.glyph, size))
        dots.add(inputs.color, rect, inputs.shape);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    dots.fill(painter);
    painter.restore();
}

void DotGlyphView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, size(), m_inputs);
}
