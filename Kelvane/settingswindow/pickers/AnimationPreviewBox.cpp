// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/AnimationPreviewBox.h"

#include "Kelvane/settingswindow/pickers/TintedFrame.h"

#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SymbolPainter.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qreal cornerRadius = 6;
constexpr qreal symbolPixelSize = 20;

} // namespace

AnimationPreviewBox::AnimationPreviewBox(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(side, side);
    setAccessibleName(u"Animation preview"_s);
    setObjectName(AccessibilityIdentifiers::Settings::animationPreview);
    setCursor(Qt::PointingHandCursor);
}

void AnimationPreviewBox::setFrame(const QImage& frame)
{
    m_frame = frame;
    m_tintedFrame = frame.isNull() ? QImage() : tintedFrame(frame, m_dotColor);
    update();
}

void AnimationPreviewBox::setDisplayColor(const DisplayColor& color)
{
    m_dotColor = color.dotColor();
    m_backgroundColor = color.backgroundColor();
    setFrame(m_frame);
}

void AnimationPreviewBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRoundedRect(painter, QRectF(rect()), cornerRadius, m_backgroundColor,
                     faded(primaryLabelColor(palette()), 0.15), 0.5);
    if (m_tintedFrame.isNull()) {
        paintSymbol(painter, u"play.fill", QRectF(rect()), symbolPixelSize, faded(m_dotColor, 0.3));
        return;
    }
    // Pixel art: scaled to fit the frame height without smoothing.
    QSizeF size = QSizeF(m_tintedFrame.size()).scaled(QSizeF(side, frameHeight), Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(QRectF(rect()).center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, m_tintedFrame);
}

void AnimationPreviewBox::mousePressEvent(QMouseEvent* event)
{
    // Taken, so the release comes here too.
    event->accept();
}

void AnimationPreviewBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_onTap)
        m_onTap();
}
