// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/TrayContrastEdge.h"

#include "Kelvane/status/MenuBarContent.h"

#include "TimerCoreKit/color/DisplayColor.h"

#include <QPoint>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace TrayContrastEdge {

std::optional<QColor> edgeColor(const MenuBarContent& content)
{
    // The icon forms never draw a background.
    if (content.displayMode == MenuBarDisplayMode::Full && !content.color.backgroundIsEffectivelyTransparent())
        return std::nullopt;
    const QColor lit = content.displayMode == MenuBarDisplayMode::Full
        ? content.color.dotColor()
        : content.phaseTint.value_or(content.primaryColor);
    return edgeColorAround(lit);
}

QColor edgeColorAround(const QColor& lit)
{
    const QColor rgb = lit.toRgb();
    // Above a fifth of white's luminance a dark rim stands out more than a light one.
    const bool light = DisplayColor::relativeLuminance(rgb.redF(), rgb.greenF(), rgb.blueF()) > 0.2;
    return light ? QColor(0, 0, 0, edgeAlpha) : QColor(255, 255, 255, edgeAlpha);
}

int edgeWidth(qreal pixels)
{
    // One pixel in a common tray cell, two in one twice its size: a host that
    // scales the large picture down to its own size keeps a whole pixel.
    return std::max(1, static_cast<int>(std::lround(pixels / 22)));
}

void surround(QImage& image, int width, const QColor& color)
{
    if (width <= 0 || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x; };
    std::vector<std::uint8_t> lit(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            lit[at(x, y)] = qAlpha(line[x]) >= litAlpha;
    }
    // The rim covers the pixels within `width` right of or below a lit one:
    // those with a lit pixel at one of these steps up and to their left.
    std::vector<QPoint> steps;
    for (int dy = 0; dy <= width; ++dy) {
        for (int dx = 0; dx <= width; ++dx) {
            if (dx * dx + dy * dy <= width * width)
                steps.emplace_back(dx, dy);
        }
    }
    // The picture over the rim.
    const QRgb edge = color.rgba64().premultiplied().toArgb32();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool covered = std::any_of(steps.cbegin(), steps.cend(), [&](const QPoint& step) {
                const int fromX = x - step.x();
                const int fromY = y - step.y();
                return fromX >= 0 && fromY >= 0 && lit[at(fromX, fromY)];
            });
            if (!covered)
                continue;
            const QRgb p = line[x];
            const int under = 255 - qAlpha(p);
            const auto over = [&](int top, int bottom) { return top + (bottom * under + 127) / 255; };
            line[x] = qRgba(over(qRed(p), qRed(edge)), over(qGreen(p), qGreen(edge)), over(qBlue(p), qBlue(edge)),
                            over(qAlpha(p), qAlpha(edge)));
        }
    }
}

} // namespace TrayContrastEdge
