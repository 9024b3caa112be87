// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorContrastWarning.h"

#include "shared-ui/controls/ControlPainting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int captionPixelSize = 11;
constexpr qreal symbolGap = 4;

// A filled warning triangle with the exclamation mark cut out of it.
void paintWarningTriangle(QPainter& painter, const QRectF& box, const QColor& color)
{
    QPainterPath triangle;
    triangle.moveTo(box.center().x(), box.top());
    triangle.lineTo(box.right(), box.bottom());
    triangle.lineTo(box.left(), box.bottom());
    triangle.closeSubpath();
    QPainterPath mark;
    const qreal stroke = box.width() * 0.12;
    const qreal x = box.center().x() - stroke / 2;
    mark.addRoundedRect(QRectF(x, box.top() + box.height() * 0.35, stroke, box.height() * 0.33), stroke / 2,
                        stroke / 2);
    mark.addEllipse(QRectF(x, box.top() + box.height() * 0.76, stroke, stroke));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(triangle.subtracted(mark));
    painter.restore();
}

} // namespace

const QString ColorContrastWarning::text = u"Low contrast — digits may be hard to see"_s;

ColorContrastWarning::ColorContrastWarning(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(text);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QFont ColorContrastWarning::captionFont() const
{
    return pixelFont(font(), captionPixelSize);
}

QSize ColorContrastWarning::sizeHint() const
{
    const QFontMetricsF metrics(captionFont());
    return QSize(qCeil(metrics.height() + symbolGap + metrics.horizontalAdvance(text)), qCeil(metrics.height()));
}

void ColorContrastWarning::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFont font = captionFont();
    const QFontMetricsF metrics(font);
    const QColor color = secondaryLabelColor(palette());
    const qreal side = metrics.capHeight() * 1.2;
    const qreal middle = height() / 2.0;
    paintWarningTriangle(painter, QRectF(0, middle - side / 2, side, side), color);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(side + symbolGap, 0, width() - side - symbolGap, height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
}
