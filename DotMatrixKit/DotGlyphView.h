// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotGlyphInputs.h"

#include <QWidget>

// One glyph drawn into whatever rectangle the view is given; the drawing
// itself is DotGlyphPainter's.
class DotGlyphView : public QWidget {
    Q_OBJECT

public:
    explicit DotGlyphView(DotGlyphInputs inputs, QWidget* parent = nullptr);

    const DotGlyphInputs& inputs() const { return m_inputs; }
    void setInputs(DotGlyphInputs inputs);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DotGlyphInputs m_inputs;
};
