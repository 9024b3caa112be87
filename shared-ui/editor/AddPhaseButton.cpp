// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/AddPhaseButton.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SymbolPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int verticalPadding = 10;
constexpr int symbolPixelSize = 11;
constexpr int labelPixelSize = 12;
constexpr int symbolTextSpacing = 6;
constexpr qreal cornerRadius = 8;
constexpr qreal outlineWidth = 1;

} // namespace

AddPhaseButton::AddPhaseButton(QWidget* parent)
    : QAbstractButton(parent)
{
    installAccessibleTraits();
    setText(u"Add Phase"_s);
    setAccessibleName(text());
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAtMax(false);
}

void AddPhaseButton::setAtMax(bool atMax)
{
    setEnabled(!atMax);
    setToolTip(atMax ? u"Maximum of 12 phases reached"_s : u"Add another phase"_s);
    update();
}

QFont AddPhaseButton::labelFont() const
{
    return pixelFont(font(), labelPixelSize);
}

QSize AddPhaseButton::sizeHint() const
{
    const QFontMetrics metrics(labelFont());
    return {symbolPixelSize + symbolTextSpacing + metrics.horizontalAdvance(text()) + 2 * verticalPadding,
            std::max(metrics.height(), symbolPixelSize) + 2 * verticalPadding};
}

void AddPhaseButton::enterEvent(QEnterEvent* event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void AddPhaseButton::leaveEvent(QEvent* event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void AddPhaseButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(drawnOpacity());
    const auto secondary = secondaryLabelColor(palette());

    // A dashed outline along the inside of the edge, 4 on and 4 off.
    QPen dashes(faded(secondary, isHovering() ? 0.5 : 0.25), outlineWidth, Qt::CustomDashLine, Qt::FlatCap,
                Qt::MiterJoin);
    dashes.setDashPattern({4 / outlineWidth, 4 / outlineWidth});
    painter.setPen(dashes);
    painter.setBrush(Qt::NoBrush);
    const auto half = outlineWidth / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), cornerRadius - half,
                            cornerRadius - half);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange))
        paintRoundedRect(painter, rect(), cornerRadius, Qt::transparent, palette().color(QPalette::Highlight), 1);

    // Symbol and label centred together.
    const QFontMetrics metrics(labelFont());
    const int contentWidth = symbolPixelSize + symbolTextSpacing + metrics.horizontalAdvance(text());
    const int left = (width() - contentWidth) / 2;
    paintSymbol(painter, u"plus", QRectF(left, 0, symbolPixelSize, height()), symbolPixelSize, secondary);
    painter.setFont(labelFont());
    painter.setPen(secondary);
    painter.drawText(QRect(left + symbolPixelSize + symbolTextSpacing, 0, width(), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}
