// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/TintedLabel.h"

#include <QPainter>

TintedLabel::TintedLabel(const QString& text, Tint tint, QWidget* parent)
    : QLabel(text, parent)
    , m_tint(std::move(tint))
{
    setTextFormat(Qt::PlainText);
}

void TintedLabel::setTint(Tint tint)
{
    m_tint = std::move(tint);
    update();
}

QColor TintedLabel::textColor() const
{
    return m_tint ? m_tint(palette()) : palette().color(QPalette::WindowText);
}

void TintedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(textColor());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
}
