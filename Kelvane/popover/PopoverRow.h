// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include "Kelvane/popover/PopoverButton.h"
#include <QColor>

#include <optional>

// One menu-like row of the popover: a 12 px symbol, a 13 px title and a
// spacer, 32 px high, with a faint rounded background under the pointer; the
// whole row takes the click. Preset rows put a checkmark column in place of
// the symbol and may show a trailing note.
class PopoverRow : public PopoverButton, public AccessibleTraits {
    Q_OBJECT

public:
    static constexpr int rowHeight = 32;
    static constexpr int horizontalPadding = 12;
    static constexpr int spacing = 8;

    PopoverRow(const QString& symbol, const QString& title, QWidget* parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString& symbol);
    // A checkmark column 12 px wide, shown or kept empty.
    void setCheckmarkColumn(bool checked);
    bool isChecked() const { return m_checked; }
    void setTrailingText(const QString& text);
    QString trailingText() const { return m_trailing; }
    // Draws symbol and title in this colour instead of the primary one.
    void setTint(std::optional<QColor> tint);
    std::optional<QColor> tint() const { return m_tint; }
    void setTitleSecondary(bool secondary);
    bool isTitleSecondary() const { return m_titleSecondary; }
    // The small dot after the title (an update is ready).
    void setBadge(bool shown);
    bool hasBadge() const { return m_badge; }
    void setSelected(bool selected);

    QSize sizeHint() const override;
    QAccessible::Role accessibleRole() const override { return QAccessible::Button; }
    bool isAccessiblySelected() const override { return m_selected; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QString m_trailing;
    std::optional<QColor> m_tint;
    bool m_checkmarkColumn = false;
    bool m_checked = false;
    bool m_titleSecondary = false;
    bool m_badge = false;
    bool m_selected = false;
};
