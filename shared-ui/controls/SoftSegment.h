// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>

// One segment of a SoftSegmentedControl: a button showing its label, semibold
// and opaque when selected.
class SoftSegment : public QAbstractButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr qreal pillRadius = 4;

    explicit SoftSegment(QWidget* parent = nullptr);

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    bool isAccessiblySelected() const override { return m_selected; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont labelFont() const;

    bool m_selected = false;
};
