// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/ControlPainting.h"

#include "shared-ui/controls/Appearance.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>

#include <algorithm>

QFont pixelFont(QFont base, int pixelSize, QFont::Weight weight)
{
    base.setPixelSize(pixelSize);
    base.setWeight(weight);
    return base;
}

qreal hairlineWidth(const QWidget& widget)
{
    return std::max(0.5, 1.0 / widget.devicePixelRatioF());
}

void paintRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill, const QColor& stroke,
                      qreal strokeWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (fill.alpha() > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, radius, radius);
    }
    if (stroke.alpha() > 0 && strokeWidth > 0) {
        painter.setPen(QPen(stroke, strokeWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const auto half = strokeWidth / 2;
        painter.drawRoundedRect(rect.adjusted(half, half, -half, -half), radius - half, radius - half);
    }
    painter.restore();
}

QColor faded(QColor color, double opacity)
{
    color.setAlphaF(static_cast<float>(color.alphaF() * std::clamp(opacity, 0.0, 1.0)));
    return color;
}

QColor primaryLabelColor(const QPalette& palette)
{
    // The controls mark a disabled state by fading, not by the palette's
    // disabled colours.
    return palette.color(QPalette::Active, QPalette::WindowText);
}

QColor secondaryLabelColor(const QPalette& palette)
{
    return faded(primaryLabelColor(palette), 0.5);
}

QColor tertiaryLabelColor(const QPalette& palette)
{
    return faded(primaryLabelColor(palette), 0.25);
}

QColor quaternaryLabelColor(const QPalette& palette)
{
    return faded(primaryLabelColor(palette), 0.1);
}

QColor warningOrange(const QPalette& palette)
{
    return appearanceOf(palette) == Appearance::Dark ? QColor(255, 159, 10) : QColor(255, 149, 0);
}
