// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>

// One colour of the phase palette in the colour popover: a filled circle,
// ringed when it is the phase's colour.
class PhaseColorChoice : public QAbstractButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int side = 22;

    PhaseColorChoice(int paletteIndex, QWidget* parent = nullptr);

    int paletteIndex() const { return m_paletteIndex; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    QSize sizeHint() const override { return {side, side}; }
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    bool isAccessiblySelected() const override { return m_selected; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int m_paletteIndex;
    bool m_selected = false;
};
