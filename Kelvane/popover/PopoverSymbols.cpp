// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverSymbols.h"

#include "shared-ui/controls/SymbolPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

constexpr std::array<QStringView, 13> names{u"checkmark",
                                            u"plus",
                                            u"minus",
                                            u"ellipsis.circle",
                                            u"play.fill",
                                            u"pause.fill",
                                            u"arrow.counterclockwise",
                                            u"timer",
                                            u"macwindow.on.rectangle",
                                            u"gearshape",
                                            u"arrow.down.circle",
                                            u"power",
                                            u"trash"};

bool kitSymbol(QStringView name)
{
    return name == u"plus" || name == u"minus" || name == u"trash";
}

} // namespace

bool isPopoverSymbol(QStringView name)
{
    for (const QStringView known : names) {
        if (known == name)
            return true;
    }
    return false;
}

void paintPopoverSymbol(QPainter& painter, QStringView name, const QRectF& box, qreal pixelSize, const QColor& color)
{
    if (kitSymbol(name)) {
        paintSymbol(painter, name, box, pixelSize, color);
        return;
    }
    const qreal extent = pixelSize * 0.9;
    const qreal r = extent / 2;
    const QPointF c = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, std::max<qreal>(1.0, pixelSize * 0.11), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF square(c.x() - r, c.y() - r, extent, extent);

    if (name == u"checkmark") {
        pen.setWidthF(pixelSize * 0.16);
        painter.setPen(pen);
        QPainterPath tick;
        tick.moveTo(c.x() - r * 0.75, c.y() + r * 0.05);
        tick.lineTo(c.x() - r * 0.2, c.y() + r * 0.6);
        tick.lineTo(c.x() + r * 0.8, c.y() - r * 0.6);
        painter.drawPath(tick);
    } else if (name == u"ellipsis.circle") {
        painter.drawEllipse(square.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        const qreal dot = extent * 0.09;
        for (const int i : {-1, 0, 1})
            painter.drawEllipse(QPointF(c.x() + i * r * 0.45, c.y()), dot, dot);
    } else if (name == u"play.fill") {
        painter.setBrush(color);
        QPainterPath triangle;
        triangle.moveTo(c.x() - r * 0.55, c.y() - r * 0.8);
        triangle.lineTo(c.x() + r * 0.8, c.y());
        triangle.lineTo(c.x() - r * 0.55, c.y() + r * 0.8);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else if (name == u"pause.fill") {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        const qreal barWidth = extent * 0.26;
        painter.drawRoundedRect(QRectF(c.x() - r * 0.7, c.y() - r * 0.8, barWidth, extent * 0.8), 1, 1);
        painter.drawRoundedRect(QRectF(c.x() + r * 0.7 - barWidth, c.y() - r * 0.8, barWidth, extent * 0.8), 1, 1);
    } else if (name == u"arrow.counterclockwise") {
        const QRectF ring = square.adjusted(extent * 0.1, extent * 0.1, -extent * 0.1, -extent * 0.1);
        painter.drawArc(ring, 100 * 16, -300 * 16);
        // The arrow head at the arc's open end, pointing back round.
        const qreal ringR = ring.width() / 2;
        const QPointF tip(c.x() + ringR * std::cos(qDegreesToRadians(100.0)),
                          c.y() - ringR * std::sin(qDegreesToRadians(100.0)));
        painter.drawLine(tip, tip + QPointF(-r * 0.45, -r * 0.2));
        painter.drawLine(tip, tip + QPointF(-r * 0.1, r * 0.45));
    } else if (name == u"timer") {
        const QRectF face(c.x() - r * 0.85, c.y() - r * 0.7, r * 1.7, r * 1.7);
        painter.drawEllipse(face);
        painter.drawLine(QPointF(c.x(), face.top()), QPointF(c.x(), c.y() - r));
        painter.drawLine(QPointF(c.x() - r * 0.25, c.y() - r), QPointF(c.x() + r * 0.25, c.y() - r));
        painter.drawLine(face.center(), face.center() + QPointF(r * 0.35, -r * 0.35));
    } else if (name == u"macwindow.on.rectangle") {
        pen.setWidthF(pixelSize * 0.09);
        painter.setPen(pen);
        painter.drawRoundedRect(QRectF(c.x() - r, c.y() - r * 0.75, extent * 0.78, extent * 0.6), 1.5, 1.5);
        const QRectF front(c.x() - r * 0.45, c.y() - r * 0.2, extent * 0.72, extent * 0.6);
        painter.setBrush(color);
        painter.drawRoundedRect(front, 1.5, 1.5);
    } else if (name == u"gearshape") {
        pen.setWidthF(pixelSize * 0.1);
        painter.setPen(pen);
        QPainterPath gear;
        constexpr int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const qreal angle = qDegreesToRadians(i * 180.0 / teeth);
            const qreal radius = (i % 2 == 0) ? r : r * 0.72;
            const QPointF p(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
            if (i == 0)
                gear.moveTo(p);
            else
                gear.lineTo(p);
        }
        gear.closeSubpath();
        painter.drawPath(gear);
        painter.drawEllipse(c, r * 0.3, r * 0.3);
    } else if (name == u"arrow.down.circle") {
        painter.drawEllipse(square.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.drawLine(QPointF(c.x(), c.y() - r * 0.5), QPointF(c.x(), c.y() + r * 0.45));
        painter.drawLine(QPointF(c.x() - r * 0.35, c.y() + r * 0.1), QPointF(c.x(), c.y() + r * 0.45));
        painter.drawLine(QPointF(c.x() + r * 0.35, c.y() + r * 0.1), QPointF(c.x(), c.y() + r * 0.45));
    } else if (name == u"power") {
        const QRectF ring = square.adjusted(extent * 0.08, extent * 0.12, -extent * 0.08, -extent * 0.04);
        painter.drawArc(ring, 120 * 16, 300 * 16);
        painter.drawLine(QPointF(c.x(), c.y() - r * 0.95), QPointF(c.x(), c.y() - r * 0.05));
    }
    painter.restore();
}
