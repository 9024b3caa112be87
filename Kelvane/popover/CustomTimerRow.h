// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include "TimerCoreKit/sessions/CustomTimer.h"

#include "Kelvane/popover/PopoverButton.h"

#include <functional>

class QMenu;
class SymbolButton;

// One saved custom timer: a checkmark column, the name over its summary, and
// under the pointer an options button with Edit, Duplicate and Delete. A
// click on the row starts the timer.
class CustomTimerRow : public PopoverButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int rowHeight = 32;

    struct Actions {
        std::function<void()> edit;
        std::function<void()> duplicate;
        std::function<void()> remove;
    };

    CustomTimerRow(const CustomTimer& timer, Actions actions, QWidget* parent = nullptr);

    const CustomTimer& timer() const { return m_timer; }
    void setActive(bool active);
    bool isActive() const { return m_active; }
    QAbstractButton* optionsButton() const;
    // The options menu, built when the options button is pressed.
    QMenu* optionsMenu() const { return m_menu; }

    QSize sizeHint() const override;
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    bool isAccessiblySelected() const override { return m_active; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void setHovered(bool hovered) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showOptions();
    // The options button shows under the pointer, and while the row or the
    // button has the focus, so that Tab reaches it too.
    void placeOptionsButton();

    CustomTimer m_timer;
    Actions m_actions;
    SymbolButton* m_options;
    QMenu* m_menu = nullptr;
    bool m_active = false;
};

// A borderless 20 px button showing one symbol.
class SymbolButton : public PopoverButton {
    Q_OBJECT

public:
    static constexpr int side = 20;
    SymbolButton(const QString& symbol, qreal symbolSize, const QString& accessibleName, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {side, side}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    qreal m_symbolSize;
};
