// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotMatrixInputs.h"
#include "TimerCoreKit/color/DisplayColor.h"

#include <QColor>
#include <QList>
#include <QWidget>

// The colour-scheme picker's small preview: "25:00" in the default dot style,
// drawn in the chosen colours whatever look the rest of the settings use.
class ColorSchemePreview : public QWidget {
    Q_OBJECT

public:
    static constexpr int previewHeight = 44;

    explicit ColorSchemePreview(QWidget* parent = nullptr);

    // The resolved colours and, for multicolour digits, the palette's colours.
    void setColors(const DisplayColor& resolved, const QList<QColor>& palette);

    // What the dots are drawn from.
    static DotMatrixInputs inputs(const DisplayColor& resolved, const QList<QColor>& palette);
    const DotMatrixInputs& inputs() const { return m_inputs; }
    // Where the display lands in the widget.
    QRectF displayRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DotMatrixInputs m_inputs;
};
