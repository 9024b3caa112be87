// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotGlyphView.h"

#include "DotMatrixKit/paint/DotGlyphPainter.h"

#include <QPainter>

DotGlyphView::DotGlyphView(DotGlyphInputs inputs, QWidget* parent)
    : QWidget(parent)
    , m_inputs(std::move(inputs))
{
}

void DotGlyphView::setInputs(DotGlyphInputs inputs)
{
    m_inputs = std::move(inputs);
    update();
}

void DotGlyphView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DotGlyphPainter::paint(painter, size(), m_inputs);
}
