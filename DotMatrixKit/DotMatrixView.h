// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotMatrixInputs.h"
#include "DotMatrixKit/LookChangeTimer.h"

#include "PlatformKit/core/Date.h"

#include <QWidget>

// The timer's time as a grid of LED-like dots. The widget is exactly the size
// of its grid; the drawing itself is DotMatrixPainter's, which serves any painter.
class DotMatrixView : public QWidget {
    Q_OBJECT

public:
    explicit DotMatrixView(DotMatrixInputs inputs = {}, platform::Clock clock = &platform::Date::now,
                           QWidget* parent = nullptr);

    const DotMatrixInputs& inputs() const { return m_inputs; }
    void setInputs(DotMatrixInputs inputs);

    // The pulsing colon and the blink as they are now by the view's clock.
    DotMatrixState currentState() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    DotMatrixInputs m_inputs;
    platform::Clock m_clock;
    // Wakes the view when the time-driven look next changes.
    LookChangeTimer m_lookChanges;
};
