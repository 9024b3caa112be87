// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/floating/FloatingDisplayPicture.h"

#include "Kelvane/status/IconFallbackView.h"
#include "Kelvane/status/MenuBarContentView.h"

#include "shared-ui/looks/DisplayRendererFactory.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace FloatingDisplayPicture {
namespace {

std::unique_ptr<DisplayRenderer> rendererFor(const MenuBarContent& content)
{
    return DisplayRendererFactory::renderer(content.displayType, content.lookSettings());
}

qreal stripRoom(const MenuBarContent& content)
{
    return content.phaseIndicators ? stripInset + stripHeight : 0;
}

// A filled circle with a cross cut out of it.
void paintCloseButton(QPainter& painter, const QRectF& area, QColor color)
{
    const qreal radius = closeSymbolSize / 2;
    const QPointF centre = area.center();
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath cross;
    const qreal arm = radius * 0.42;
    cross.moveTo(centre + QPointF(-arm, -arm));
    cross.lineTo(centre + QPointF(arm, arm));
    cross.moveTo(centre + QPointF(arm, -arm));
    cross.lineTo(centre + QPointF(-arm, arm));
    QPainterPathStroker stroker;
    stroker.setWidth(radius * 0.28);
    stroker.setCapStyle(Qt::RoundCap);
    color.setAlphaF(static_cast<float>(color.alphaF() * closeOpacity));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(disc.subtracted(stroker.createStroke(cross)), color);
    painter.restore();
}

// The clear card with its rounded background, as the first layer of a frame.
QImage blankCard(QSize pixels, qreal devicePixelRatio, QSizeF card, const QColor& background)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    MenuBarContentView::paintBackground(painter, QRectF(QPointF(0, 0), card), cornerRadius, background);
    return image;
}

} // namespace

QImage CardBackdrop::imageFor(QSize pixels, qreal devicePixelRatio, QSizeF card, const QColor& background)
{
    if (m_image.size() != pixels || m_image.devicePixelRatio() != devicePixelRatio || m_card != card
        || m_background != background) {
        m_image = blankCard(pixels, devicePixelRatio, card, background);
        m_card = card;
        m_background = background;
    }
    // A copy of its own: the frame is painted on, the backdrop kept.
    return m_image.copy();
}

MenuBarContent floating(MenuBarContent content)
{
    content.scale = DisplayScale::Floating;
    return content;
}

QSizeF cardSize(const MenuBarContent& content)
{
    const QSizeF display = rendererFor(content)->naturalSize(content.frame());
    return {display.width() + 2 * padding, display.height() + stripRoom(content) + 2 * padding};
}

QRectF closeButtonArea(QSizeF card)
{
    const qreal side = closeSymbolSize + 2 * closePadding;
    return {card.width() - side, 0, side, side};
}

QImage render(const MenuBarContent& content, bool hovered, DisplayLookState& state, platform::Date now,
              qreal devicePixelRatio, CardBackdrop* backdrop)
{
    const auto renderer = rendererFor(content);
    const DisplayFrame frame = content.frame();
    const QSizeF display = renderer->naturalSize(frame);
    const QSizeF card(display.width() + 2 * padding, display.height() + stripRoom(content) + 2 * padding);
    const QSize pixels(std::max(1, platform::saturatingCast<int>(std::ceil(card.width() * devicePixelRatio))),
                       std::max(1, platform::saturatingCast<int>(std::ceil(card.height() * devicePixelRatio))));
    const QColor background = content.color.backgroundColor();
    QImage image = backdrop ? backdrop->imageFor(pixels, devicePixelRatio, card, background)
                            : blankCard(pixels, devicePixelRatio, card, background);

    renderer->advance(state, frame, now);
    MenuBarContentView::paintWithPausedLook(image, content.mode == TimerMode::Paused, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.save();
        painter.translate(padding, padding);
        renderer->paint(painter, frame, state);
        painter.restore();
        if (content.phaseIndicators)
            paintPhaseBars(painter, *content.phaseIndicators,
                           QRectF(padding + stripInset, padding + display.height() + stripInset,
                                  display.width() - 2 * stripInset, stripHeight),
                           stripSpacing);
        if (hovered)
            paintCloseButton(painter, closeButtonArea(card), content.color.dotColor());
    });
    return image;
}

std::optional<platform::Date> nextLookChange(const MenuBarContent& content, const DisplayLookState& state,
                                             platform::Date now)
{
    return rendererFor(content)->nextLookChange(content.frame(), state, now);
}

QString accessibilityLabel(const MenuBarContent& content)
{
    return content.accessibilityLabel(QStringLiteral("Floating timer"));
}

} // namespace FloatingDisplayPicture
