// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverRow.h"

#include "Kelvane/popover/PopoverColors.h"
#include "Kelvane/popover/PopoverSymbols.h"

#include "shared-ui/controls/ControlPainting.h"

#include <QPainter>

PopoverRow::PopoverRow(const QString& symbol, const QString& title, QWidget* parent)
    : PopoverButton(parent)
    , m_symbol(symbol)
{
    installAccessibleTraits();
    setText(title);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PopoverRow::setSymbol(const QString& symbol)
{
    m_symbol = symbol;
    update();
}

void PopoverRow::setCheckmarkColumn(bool checked)
{
    m_checkmarkColumn = true;
    m_checked = checked;
    update();
}

void PopoverRow::setTrailingText(const QString& text)
{
    m_trailing = text;
    update();
}

void PopoverRow::setTint(std::optional<QColor> tint)
{
    m_tint = tint;
    update();
}

void PopoverRow::setTitleSecondary(bool secondary)
{
    m_titleSecondary = secondary;
    update();
}

void PopoverRow::setBadge(bool shown)
{
    m_badge = shown;
    update();
}

void PopoverRow::setSelected(bool selected)
{
    setAccessiblySelected(this, m_selected, selected);
}

QSize PopoverRow::sizeHint() const
{
    return {200, rowHeight};
}

void PopoverRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QRectF area = rect();
    if (isHovered() && isEnabled())
        paintRoundedRect(painter, area, 4, PopoverColors::primaryAt(pal, PopoverColors::hoverOpacity));
    paintFocusRing(painter, 4);

    const QColor foreground = m_tint.value_or(PopoverColors::primary(pal));
    qreal x = horizontalPadding;
    const QRectF symbolBox(x, 0, 12, height());
    if (m_checkmarkColumn) {
        if (m_checked)
            paintPopoverSymbol(painter, u"checkmark", symbolBox, 11, PopoverColors::accent(pal));
    } else {
        paintPopoverSymbol(painter, m_symbol, symbolBox, 12, foreground);
    }
    x += 12 + spacing;

    const QFont titleFont = pixelFont(font(), 13);
    painter.setFont(titleFont);
    painter.setPen(m_titleSecondary || !isEnabled() ? PopoverColors::secondary(pal) : foreground);
    const QFontMetricsF metrics(titleFont);
    const qreal titleWidth = metrics.horizontalAdvance(text());
    painter.drawText(QRectF(x, 0, titleWidth + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
    x += titleWidth;
    if (m_badge) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(PopoverColors::primary(pal));
        painter.drawEllipse(QRectF(x + spacing, height() / 2.0 - 2.5, 5, 5));
    }
    if (!m_trailing.isEmpty()) {
        painter.setFont(pixelFont(font(), 12));
        painter.setPen(PopoverColors::secondary(pal));
        painter.drawText(QRectF(0, 0, width() - horizontalPadding, height()), Qt::AlignVCenter | Qt::AlignRight,
                         m_trailing);
    }
}
