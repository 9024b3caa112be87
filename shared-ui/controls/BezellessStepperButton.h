// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>

// The small borderless plus or minus button of the phase minutes and the
// editor's rounds: a symbol that gets a faint rounded backdrop under the
// pointer. Disabled at the end of its range, where it fades and shows no hover.
class BezellessStepperButton : public QAbstractButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int side = 18;

    BezellessStepperButton(const QString& systemName, const QString& helpText, const QString& accessibilityLabelText,
                           QWidget* parent = nullptr);

    QString systemName() const { return m_systemName; }
    void setDisabled(bool isDisabled);
    bool isDisabled() const { return !isEnabled(); }
    // Whether the hover backdrop shows: the pointer is over an enabled button.
    bool isHovering() const { return m_hovering && isEnabled(); }
    // How strongly the whole button is drawn.
    qreal drawnOpacity() const { return isEnabled() ? 1.0 : 0.3; }

    QSize sizeHint() const override { return {side, side}; }
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString m_systemName;
    bool m_hovering = false;
};
