// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/CapsuleButton.h"

#include "Kelvane/popover/PopoverColors.h"
#include "Kelvane/popover/PopoverSymbols.h"

#include "shared-ui/controls/ControlPainting.h"

#include <QPainter>

CapsuleButton::CapsuleButton(const QString& text, QWidget* parent)
    : PopoverButton(parent)
    , m_look(prominent(palette()))
{
    setText(text);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CapsuleButton::setSymbol(const QString& symbol)
{
    m_symbol = symbol;
    update();
}

void CapsuleButton::setLook(const Look& look)
{
    m_look = look;
    update();
}

CapsuleButton::Look CapsuleButton::prominent(const QPalette& palette)
{
    return {PopoverColors::primaryAt(palette, 0.1), std::nullopt, PopoverColors::primary(palette)};
}

CapsuleButton::Look CapsuleButton::outlined(const QPalette& palette, const QColor& text)
{
    return {PopoverColors::primaryAt(palette, 0.05), PopoverColors::primaryAt(palette, 0.1), text};
}

QSize CapsuleButton::sizeHint() const
{
    return {100, buttonHeight};
}

void CapsuleButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);
    const QRectF area = rect();
    const qreal radius = area.height() / 2;
    paintRoundedRect(painter, area, radius, m_look.fill, m_look.stroke.value_or(Qt::transparent),
                     m_look.stroke ? 1.0 : 0.0);
    paintFocusRing(painter, radius - 1);
    if (isDown())
        paintRoundedRect(painter, area, radius, PopoverColors::primaryAt(palette(), 0.08));

    const QFont textFont = pixelFont(font(), 13, QFont::Medium);
    const QFontMetricsF metrics(textFont);
    const qreal textWidth = metrics.horizontalAdvance(text());
    const qreal symbolWidth = m_symbol.isEmpty() ? 0 : 12 + 6;
    qreal x = (area.width() - textWidth - symbolWidth) / 2;
    if (!m_symbol.isEmpty()) {
        paintPopoverSymbol(painter, m_symbol, QRectF(x, 0, 12, area.height()), 12, m_look.text);
        x += symbolWidth;
    }
    painter.setFont(textFont);
    painter.setPen(m_look.text);
    painter.drawText(QRectF(x, 0, textWidth + 1, area.height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}
