// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/IconFallbackView.h"

#include "DotMatrixKit/PhaseStrip.h"
#include "PlatformKit/core/SaturatingCast.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QString standardText(double time, std::optional<double> referenceTime)
{
    const auto s = platform::saturatingCast<qint64>(std::ceil(time));
    const auto minutesAndSeconds = [](qint64 seconds) {
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    };
    if (s >= 60)
        return minutesAndSeconds(s);
    const bool clockForm = referenceTime && *referenceTime >= 60;
    if (s < 1)
        return clockForm ? QStringLiteral("0:00") : QStringLiteral("0s");
    return clockForm ? minutesAndSeconds(s) : QStringLiteral("%1s").arg(s);
}

QString minimalText(double time, bool showLeadingZero)
{
    const auto m = std::max<qint64>(0, platform::saturatingCast<qint64>(std::trunc(time / 60)));
    if (m < 10 && showLeadingZero)
        return QStringLiteral("%1m").arg(m, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1m").arg(m);
}

QFont textFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(static_cast<int>(IconFallbackView::textPixelSize));
    font.setWeight(QFont::Medium);
    return font;
}

} // namespace

QString IconFallbackView::text() const
{
    if (displayOverride)
        return *displayOverride;
    return timeFormat == TimeFormat::Standard ? standardText(time, referenceTime) : minimalText(time, showLeadingZero);
}

QSizeF IconFallbackView::naturalSize() const
{
    qreal width = 0;
    qreal rowHeight = 0;
    if (showIcon) {
        width += symbolSize;
        rowHeight = symbolSize;
    }
    if (showText) {
        const QFontMetricsF metrics(textFont());
        if (showIcon)
            width += spacing;
        width += metrics.horizontalAdvance(text());
        rowHeight = std::max(rowHeight, metrics.height());
    }
    if (!phaseIndicators)
        return {std::max(width, qreal(1)), plainHeight};
    const qreal height = rowHeight > 0 ? rowHeight + rowSpacing + barHeight : barHeight;
    return {std::max(width, symbolSize), height};
}

void IconFallbackView::paint(QPainter& painter) const
{
    const QSizeF size = naturalSize();
    const QColor color = tintColor.value_or(primaryColor);
    const qreal rowHeight
        = phaseIndicators ? size.height() - barHeight - ((showIcon || showText) ? rowSpacing : 0) : size.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    qreal x = 0;
    if (showIcon) {
        paintModeSymbol(painter, mode, QRectF(x, (rowHeight - symbolSize) / 2, symbolSize, symbolSize), color);
        x += symbolSize + spacing;
    }
    if (showText) {
        painter.setFont(textFont());
        painter.setPen(color);
        painter.drawText(QRectF(x, 0, size.width() - x, rowHeight), Qt::AlignVCenter | Qt::AlignLeft, text());
    }
    if (phaseIndicators)
        paintPhaseBars(painter, *phaseIndicators, QRectF(0, size.height() - barHeight, size.width(), barHeight),
                       barSpacing);
    painter.restore();
}

void paintModeSymbol(QPainter& painter, TimerMode mode, const QRectF& box, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(box.width(), box.height());
    const qreal stroke = std::max(side * 0.11, 1.0);
    QPen pen(color, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF centre = box.center();
    const qreal radius = side / 2 - stroke / 2;
    switch (mode) {
    case TimerMode::Idle: {
        // A stopwatch: a ring a little lower, a knob on top, one hand.
        const qreal r = radius * 0.86;
        const QPointF c(centre.x(), centre.y() + radius - r);
        painter.drawEllipse(c, r, r);
        painter.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), box.top() + stroke / 2));
        painter.drawLine(c, QPointF(c.x() + r * 0.45, c.y() - r * 0.45));
        break;
    }
    case TimerMode::Running:
        painter.drawEllipse(centre, radius, radius);
        painter.drawLine(centre, QPointF(centre.x(), centre.y() - radius * 0.6));
        painter.drawLine(centre, QPointF(centre.x() + radius * 0.45, centre.y() + radius * 0.2));
        break;
    case TimerMode::Paused:
        painter.drawEllipse(centre, radius, radius);
        painter.drawLine(QPointF(centre.x() - radius * 0.3, centre.y() - radius * 0.4),
                         QPointF(centre.x() - radius * 0.3, centre.y() + radius * 0.4));
        painter.drawLine(QPointF(centre.x() + radius * 0.3, centre.y() - radius * 0.4),
                         QPointF(centre.x() + radius * 0.3, centre.y() + radius * 0.4));
        break;
    case TimerMode::Completed: {
        painter.drawEllipse(centre, radius, radius);
        QPainterPath tick;
        tick.moveTo(centre.x() - radius * 0.45, centre.y());
        tick.lineTo(centre.x() - radius * 0.1, centre.y() + radius * 0.35);
        tick.lineTo(centre.x() + radius * 0.5, centre.y() - radius * 0.35);
        painter.drawPath(tick);
        break;
    }
    }
    painter.restore();
}

void paintPhaseBars(QPainter& painter, const std::vector<PhaseIndicator>& indicators, const QRectF& area, qreal spacing)
{
    if (indicators.empty())
        return;
    const auto count = static_cast<qreal>(indicators.size());
    const qreal width = (area.width() - spacing * (count - 1)) / count;
    if (!(width > 0))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    qreal x = area.left();
    for (const PhaseIndicator& indicator : indicators) {
        QColor color = indicator.color;
        color.setAlphaF(color.alphaF() * static_cast<float>(phaseOpacity(indicator.state)));
        painter.setBrush(color);
        painter.drawRoundedRect(QRectF(x, area.top(), width, area.height()), phaseSegmentCornerRadius,
                                phaseSegmentCornerRadius);
        x += width + spacing;
    }
    painter.restore();
}
