// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/ClickHintPresenter.h"

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QWidget>

#include <functional>

class QPushButton;

// The one-time card that explains the two clicks of the tray item. To
// assistive technologies it is one element saying it all in one sentence,
// whose press is "Got it".
class ClickHintView final : public QWidget, public AccessibleTraits {
    Q_OBJECT

public:
    explicit ClickHintView(std::function<void()> onDismiss, QWidget* parent = nullptr);

    QPushButton& gotItButton() { return *m_gotIt; }

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    bool combinesChildren() const override { return true; }
    QStringList accessibleActionNames() const override;
    void doAccessibleAction(const QString& name) override;

    static constexpr int cardWidth = 252;
    static constexpr int padding = 16;

private:
    std::function<void()> m_onDismiss;
    QPushButton* m_gotIt;
};

// Shows the card next to the tray item, in a window that takes neither the
// pointer nor the focus, so the clicks it explains reach the item while it is
// up. "Got it" closes it, and so does another of the program's windows (the
// popover) taking the focus.
class ClickHintPopup final : public ClickHintPresenter {
public:
    ~ClickHintPopup() override;
    void showHint(const QRect& anchor) override;
    void moveHint(const QRect& anchor) override;

    QWidget* popup() const { return m_popup; }

private:
    void place();

    QWidget* m_popup = nullptr;
    QRect m_anchor;
};
