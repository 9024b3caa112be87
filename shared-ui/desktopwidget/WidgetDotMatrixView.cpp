// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetDotMatrixView.h"

#include "shared-ui/desktopwidget/WidgetDotMatrixPainter.h"

#include <QPainter>

using WidgetDotMatrixPainter::pixelSize;

WidgetDotMatrixView::WidgetDotMatrixView(WidgetDotMatrixInputs inputs, QWidget* parent)
    : QWidget(parent)
    , m_inputs(std::move(inputs))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void WidgetDotMatrixView::setInputs(WidgetDotMatrixInputs inputs)
{
    const bool resized = pixelSize(layoutWidgetDotMatrix(inputs).size) != sizeHint();
    m_inputs = std::move(inputs);
    if (resized)
        updateGeometry();
    update();
}

QSize WidgetDotMatrixView::sizeHint() const
{
    return pixelSize(layoutWidgetDotMatrix(m_inputs).size);
}

void WidgetDotMatrixView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    WidgetDotMatrixPainter::paint(painter, m_inputs);
}
