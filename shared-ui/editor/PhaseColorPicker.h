// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>

class PhaseColorPopover;
class QVariantAnimation;

// The colour control of a phase row: a small swatch of the phase's palette
// colour that opens a popup of the whole palette. It keeps only the palette
// index; the colours come from the palette.
class PhaseColorPicker : public QAbstractButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int swatchSide = 12;
    static constexpr qreal hoverScale = 1.15;

    explicit PhaseColorPicker(QWidget* parent = nullptr);

    // Shows `paletteIndex`, which may lie outside the palette (stored data).
    void setSelection(int paletteIndex);
    int selection() const { return m_selection; }

    bool isShowingPopover() const;
    PhaseColorPopover* popover() const { return m_popover; }
    bool isHovering() const { return m_hovering; }
    // The swatch's current size relative to its resting size.
    qreal swatchScale() const { return m_scale; }

    QSize sizeHint() const override;
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }

signals:
    // The user picked a colour; the picker shows it already.
    void colorPicked(int paletteIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void togglePopover();
    void setHovering(bool hovering);
    QRect swatchRect() const;

    int m_selection = 0;
    bool m_hovering = false;
    qreal m_scale = 1;
    QVariantAnimation* m_scaleAnimation;
    PhaseColorPopover* m_popover;
};
