#pragma once

#include "shared-ui/desktopwidget/WidgetDotMatrixLayout.h"

#include <QImage>
#include <QWidget>

class QPainter;

// The dot-matrix display for desktop widgets: a still picture with no glow,
// no timers and no state of its own, optionally with a row of phase segments
// under the digits. The drawing itself is `paint`.
class WidgetDotMatrixView : public QWidget {
    Q_OBJECT

public:
    explicit WidgetDotMatrixView(WidgetDotMatrixInputs inputs = {}, QWidget* parent = nullptr);

    const WidgetDotMatrixInputs& inputs() const { return m_inputs; }
    void setInputs(WidgetDotMatrixInputs inputs);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Draws the display with its top left corner at the painter's origin.
    static void paint(QPainter& painter, const WidgetDotMatrixInputs& inputs);
    // The display on a transparent image, `devicePixelRatio` pixels per point.
    static QImage renderImage(const WidgetDotMatrixInputs& inputs, qreal devicePixelRatio = 1.0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WidgetDotMatrixInputs m_inputs;
};
