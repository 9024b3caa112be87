#include "shared-ui/controls/SymbolPainter.h"

#include <QPainter>
#include <QPainterPath>

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
    }
    painter.restore();
}
