#pragma once

#include "DotMatrixKit/DotGlyph.h"
#include "DotMatrixKit/DotOptions.h"

#include <QColor>
#include <QWidget>

class QPainter;

// One glyph drawn into whatever rectangle the view is given.
class DotGlyphView : public QWidget {
    Q_OBJECT

public:
    struct Inputs {
        DotGlyph glyph;
        QColor color; // of the lit dots, drawn at full opacity
        DotShape shape = DotShape::Rounded;
    };

    explicit DotGlyphView(Inputs inputs, QWidget* parent = nullptr);

    const Inputs& inputs() const { return m_inputs; }
    void setInputs(Inputs inputs);

    // Draws into a canvas of `size` at the painter's origin; unlit cells are left alone.
    static void paint(QPainter& painter, const QSizeF& size, const Inputs& inputs);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Inputs m_inputs;
};
