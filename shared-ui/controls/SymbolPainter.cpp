// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SymbolPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

void paintSymbol(QPainter& painter, QStringView name, const QRectF& box, qreal pixelSize, const QColor& color)
{
    // Symbols fill about three quarters of the font size, with a semibold line.
    const qreal extent = pixelSize * 0.75;
    const qreal half = extent / 2;
    const QPointF c = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, pixelSize * 0.14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (name == u"minus") {
        painter.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    } else if (name == u"plus") {
        painter.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
        painter.drawLine(QPointF(c.x(), c.y() - half), QPointF(c.x(), c.y() + half));
    } else if (name == u"trash") {
        pen.setWidthF(pixelSize * 0.1);
        painter.setPen(pen);
        const qreal top = c.y() - half;
        const qreal lidY = top + extent * 0.18;
        // Handle, lid, and a can narrowing towards its foot with two ribs.
        painter.drawLine(QPointF(c.x() - half * 0.3, top), QPointF(c.x() + half * 0.3, top));
        painter.drawLine(QPointF(c.x() - half, lidY), QPointF(c.x() + half, lidY));
        QPainterPath can;
        can.moveTo(c.x() - half * 0.78, lidY);
        can.lineTo(c.x() - half * 0.62, c.y() + half);
        can.lineTo(c.x() + half * 0.62, c.y() + half);
        can.lineTo(c.x() + half * 0.78, lidY);
        painter.drawPath(can);
        const qreal ribTop = lidY + extent * 0.2;
        const qreal ribBottom = c.y() + half - extent * 0.16;
        painter.drawLine(QPointF(c.x() - half * 0.25, ribTop), QPointF(c.x() - half * 0.22, ribBottom));
        painter.drawLine(QPointF(c.x() + half * 0.25, ribTop), QPointF(c.x() + half * 0.22, ribBottom));
    } else if (name == u"gearshape") {
        // A ring with eight square teeth around a hub.
        pen.setWidthF(pixelSize * 0.1);
        painter.setPen(pen);
        painter.drawEllipse(c, half * 0.62, half * 0.62);
        painter.drawEllipse(c, half * 0.22, half * 0.22);
        QPen teeth(color, pixelSize * 0.16, Qt::SolidLine, Qt::FlatCap);
        painter.setPen(teeth);
        for (int i = 0; i < 8; ++i) {
            const qreal angle = i * M_PI / 4;
            const QPointF direction(std::cos(angle), std::sin(angle));
            painter.drawLine(c + direction * half * 0.62, c + direction * half);
        }
    } else if (name == u"paintbrush") {
        // A handle from the top right, a ferrule, and a tip filled in.
        painter.drawLine(QPointF(c.x() + half, c.y() - half), QPointF(c.x() - half * 0.05, c.y() + half * 0.05));
        painter.setBrush(color);
        QPainterPath tip;
        tip.moveTo(c.x() - half * 0.05, c.y() + half * 0.05);
        tip.cubicTo(QPointF(c.x() - half * 0.5, c.y() + half * 0.1), QPointF(c.x() - half * 0.5, c.y() + half * 0.6),
                    QPointF(c.x() - half, c.y() + half));
        tip.cubicTo(QPointF(c.x() - half * 0.4, c.y() + half), QPointF(c.x() + half * 0.05, c.y() + half * 0.6),
                    QPointF(c.x() - half * 0.05, c.y() + half * 0.05));
        painter.drawPath(tip);
    } else if (name == u"slider.horizontal.3") {
        // Three rails, each with its knob at another place.
        pen.setWidthF(pixelSize * 0.1);
        painter.setPen(pen);
        const qreal knobs[] = {0.35, -0.4, 0.1};
        for (int i = 0; i < 3; ++i) {
            const qreal y = c.y() + (i - 1) * half * 0.75;
            painter.drawLine(QPointF(c.x() - half, y), QPointF(c.x() + half, y));
            painter.setBrush(color);
            painter.drawEllipse(QPointF(c.x() + knobs[i] * half, y), half * 0.17, half * 0.17);
            painter.setBrush(Qt::NoBrush);
        }
    } else if (name == u"info.circle") {
        pen.setWidthF(pixelSize * 0.1);
        painter.setPen(pen);
        painter.drawEllipse(c, half, half);
        painter.drawLine(QPointF(c.x(), c.y() - half * 0.1), QPointF(c.x(), c.y() + half * 0.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(QPointF(c.x(), c.y() - half * 0.45), half * 0.11, half * 0.11);
    } else if (name == u"timer") {
        // A dial with a hand, a crown on top.
        pen.setWidthF(pixelSize * 0.08);
        painter.setPen(pen);
        const QPointF dial(c.x(), c.y() + half * 0.1);
        const qreal radius = half * 0.88;
        painter.drawEllipse(dial, radius, radius);
        painter.drawLine(QPointF(c.x(), dial.y() - radius), QPointF(c.x(), c.y() - half));
        painter.drawLine(dial, QPointF(dial.x() + radius * 0.45, dial.y() - radius * 0.45));
    } else if (name == u"play.fill") {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        QPainterPath triangle;
        triangle.moveTo(c.x() - half * 0.7, c.y() - half);
        triangle.lineTo(c.x() + half, c.y());
        triangle.lineTo(c.x() - half * 0.7, c.y() + half);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    }
    painter.restore();
}
