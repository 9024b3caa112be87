// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>

// The trash button of a phase row. It shows only while the pointer is over
// its row, and only when the phase may be deleted; otherwise it is invisible,
// disabled and hidden from assistive technologies.
class PhaseDeleteButton : public QAbstractButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int side = 22;

    explicit PhaseDeleteButton(QWidget* parent = nullptr);

    void setCanDelete(bool canDelete);
    // The row is under the pointer.
    void setRowHovered(bool hovered);
    qreal drawnOpacity() const { return m_rowHovered && isEnabled() ? 1.0 : 0.0; }

    QSize sizeHint() const override { return {side, side}; }
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    bool isAccessiblyHidden() const override { return !isEnabled(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_rowHovered = false;
};
