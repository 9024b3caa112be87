// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/desktopwidget/WidgetDotMatrixLayout.h"

#include <QWidget>

// The dot-matrix display for desktop widgets: a still picture with no glow,
// no timers and no state of its own, optionally with a row of phase segments
// under the digits. The drawing itself is WidgetDotMatrixPainter's.
class WidgetDotMatrixView : public QWidget {
    Q_OBJECT

public:
    explicit WidgetDotMatrixView(WidgetDotMatrixInputs inputs = {}, QWidget* parent = nullptr);

    const WidgetDotMatrixInputs& inputs() const { return m_inputs; }
    void setInputs(WidgetDotMatrixInputs inputs);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WidgetDotMatrixInputs m_inputs;
};
