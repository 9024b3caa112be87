// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>
#include <QColor>

class QPainter;

// The frame every swatch wears: a hairline on its edge and, when selected, a
// ring in the accent colour just outside it. `swatch` is the swatch's own
// square; the ring reaches one point beyond it.
void paintSwatchChrome(QPainter& painter, const QRectF& swatch, bool isSelected, const QPalette& palette);

// One colour of a swatch grid: a rounded square filled with the colour, in
// the swatch frame. The widget leaves room around the square for the ring.
class ColorSwatchCell : public QAbstractButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int ringRoom = 1;

    ColorSwatchCell(const QColor& fill, const QString& accessibleLabel, QWidget* parent = nullptr);

    void setFill(const QColor& fill);
    QColor fill() const { return m_fill; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // The swatch's square in the widget.
    QRectF swatchRect() const;

    QSize sizeHint() const override;
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    bool isAccessiblySelected() const override { return m_selected; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    bool m_selected = false;
};
