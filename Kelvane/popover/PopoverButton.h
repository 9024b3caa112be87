// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// The base of the popover's buttons: takes the focus by Tab, is pressed by
// Return or Enter as well as Space, and knows whether the pointer is over it.
class PopoverButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PopoverButton(QWidget* parent = nullptr);

    bool isHovered() const { return m_hovered; }

protected:
    // Called when the pointer enters or leaves.
    virtual void setHovered(bool hovered);
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The accent ring of the focused button.
    void paintFocusRing(QPainter& painter, qreal radius) const;

private:
    bool m_hovered = false;
};
