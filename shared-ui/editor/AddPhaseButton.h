// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>

// The full-width dashed "Add Phase" button under the phase list. At the
// phase limit it fades, stops reacting and says why in its tooltip.
class AddPhaseButton : public QAbstractButton, public AccessibleTraits {
    Q_OBJECT

public:
    explicit AddPhaseButton(QWidget* parent = nullptr);

    void setAtMax(bool atMax);
    // Whether the outline shows its hover emphasis: never at the limit.
    bool isHovering() const { return m_hovering && isEnabled(); }
    qreal drawnOpacity() const { return isEnabled() ? 1.0 : 0.4; }

    QSize sizeHint() const override;
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QFont labelFont() const;

    bool m_hovering = false;
};
