// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/MenuBarContentView.h"

#include "Kelvane/animation/BuiltInAnimationFrames.h"
#include "Kelvane/status/IconFallbackView.h"
#include "Kelvane/status/TrayContrastEdge.h"
#include "Kelvane/status/TrayImageFitting.h"

#include "shared-ui/looks/DisplayRendererFactory.h"
#include "shared-ui/looks/DisplayTiming.h"
#include "shared-ui/looks/flipclock/FlipCardMotion.h"

#include "DotMatrixKit/DotGridLayout.h"
#include "PlatformKit/core/SaturatingCast.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace MenuBarContentView {
namespace {

constexpr PerScale<qreal> frameHeights{18, 24, 96};
constexpr PerScale<qreal> cornerRadii{4.5, 6, 24};
constexpr PerScale<qreal> checkmarkDotSizes{1.5, 2, 8};
constexpr qreal animationCornerRadius = 4;
constexpr qreal stripHeight = 3;
constexpr qreal stripPadding = 2;
// Pixels of a renderer's glow fainter than this do not count as its extent.
constexpr int glowAlpha = 96;
// How finely a row is measured before it is fitted.
constexpr qreal measuringRatio = 4;

QImage blankImage(QSizeF points, qreal ratio)
{
    QImage image(std::max(1, platform::saturatingCast<int>(std::ceil(points.width() * ratio))),
                 std::max(1, platform::saturatingCast<int>(std::ceil(points.height() * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

IconFallbackView iconView(const MenuBarContent& content)
{
    IconFallbackView view;
    view.time = content.displayTime();
    view.mode = content.mode;
    view.displayOverride = content.iconOverride();
    view.timeFormat = TimeFormat::Minimal;
    view.showLeadingZero = false;
    view.showIcon = content.displayMode == MenuBarDisplayMode::IconOnly;
    view.showText = content.displayMode == MenuBarDisplayMode::Compact;
    view.referenceTime = content.referenceTime();
    view.tintColor = content.phaseTint;
    view.phaseIndicators = content.phaseIndicators;
    view.primaryColor = content.primaryColor;
    return view;
}

DotStyle checkmarkStyle(const MenuBarContent& content)
{
    return DotStyle(checkmarkDotSize(content.scale), content.style.dotWeight, content.style.dotShape);
}

QSizeF checkmarkSize(const MenuBarContent& content)
{
    return DotGridLayout(checkmarkStyle(content)).totalSize(u"\u2713", DigitScaling::uniform());
}

// The lit dots' extent, which a tray cell fills; the layout's padding is
// room a cell does not have.
QRectF checkmarkDotBounds(const MenuBarContent& content)
{
    QRectF bounds;
    for (const DotPosition& dot :
         DotGridLayout(checkmarkStyle(content)).positions(u"\u2713", DigitScaling::uniform())) {
        if (dot.isActive)
            bounds |= QRectF(dot.x - dot.size / 2, dot.y - dot.size / 2, dot.size, dot.size);
    }
    return bounds;
}

void paintCheckmark(QPainter& painter, const MenuBarContent& content)
{
    const DotStyle style = checkmarkStyle(content);
    const qreal radius = style.dotShape() == DotShape::Square ? 0 : scaleFactor(style.weight()) * style.dotSize() * 0.5;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(content.color.dotColor());
    for (const DotPosition& dot : DotGridLayout(style).positions(u"\u2713", DigitScaling::uniform())) {
        if (dot.isActive)
            painter.drawRoundedRect(QRectF(dot.x - dot.size / 2, dot.y - dot.size / 2, dot.size, dot.size), radius,
                                    radius);
    }
    painter.restore();
}

QSizeF animationSize(const MenuBarContent& content)
{
    const QSizeF frame = content.animationFrame.deviceIndependentSize();
    if (!(frame.height() > 0))
        return {};
    return {frame.width() * trayAnimationHeight / frame.height(), trayAnimationHeight};
}

void paintAnimationFrame(QPainter& painter, const MenuBarContent& content, const QRectF& target, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(target, radius, radius);
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.drawImage(target, tinted(content.animationFrame, content.color.dotColor()));
    painter.restore();
}

void paintUpdateDot(QPainter& painter, const QRectF& dot, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(dot);
    painter.restore();
}

// One line of the display drawn by the chosen look into `target`, scaled to
// fit by the extent of its widest digits, so it stands still as they change.
struct Row {
    DisplayFrame frame;
    QRectF bounds; // the drawn extent within the look's natural rectangle
};

// The rows measured last: a square cell's two rows, each for a couple of
// colours or modes in turn.
constexpr std::size_t measuredRowsKept = 8;

Row measureRow(const DisplayRenderer& renderer, const MenuBarContent& content, DisplayFrame frame,
               MenuBarLookStates& states, platform::Date now)
{
    DisplayFrame measured = frame;
    measured.displayOverride = TrayImageFitting::widestDigits(frame.text());
    measured.blinkDisplay = false;
    // Measured without the scheme's background, which cards and unlit parts
    // are filled with: the lit digits are what fills the cell.
    measured.color.bgA = 0;
    // With the text given, the time only times a colon, which a row of
    // digits does not have: one measurement serves every second.
    measured.time = 0;
    measured.isRunning = false;
    const DisplayLookSettings settings = content.lookSettings();
    auto& kept = states.measuredRows;
    const auto known = std::find_if(kept.begin(), kept.end(), [&](const MenuBarLookStates::MeasuredRow& row) {
        return row.type == content.displayType && row.frame == measured && row.settings == settings;
    });
    if (known != kept.end())
        return {std::move(frame), known->bounds};

    DisplayLookState scratch;
    const QImage image = renderer.renderImage(measured, scratch, now, measuringRatio);
    QRectF bounds = TrayImageFitting::opaqueBounds(image, glowAlpha);
    if (bounds.isEmpty())
        bounds = QRectF(QPointF(0, 0), renderer.naturalSize(measured));
    if (kept.size() >= measuredRowsKept)
        kept.erase(kept.begin());
    kept.push_back({content.displayType, settings, std::move(measured), bounds});
    return {std::move(frame), bounds};
}

void paintRow(QPainter& painter, const DisplayRenderer& renderer, const Row& row, DisplayLookState& state,
              platform::Date now, const QRectF& target)
{
    renderer.advance(state, row.frame, now);
    painter.save();
    painter.translate(target.topLeft());
    // One factor for both sides (the target has the row's shape): two
    // divisions that differ in their last bit make the scale non-uniform,
    // and the looks' sprite caches then draw every piece afresh.
    const qreal scale = target.width() / row.bounds.width();
    painter.scale(scale, scale);
    painter.translate(-row.bounds.topLeft());
    painter.setClipRect(row.bounds.adjusted(-1, -1, 1, 1), Qt::IntersectClip);
    renderer.paint(painter, row.frame, state);
    painter.restore();
}

// A flip in a 22 px cell turns a lower half about 4 px tall: its first
// picture, the new upper half over the old lower one, is the split-flap's own
// look, and the next a cell can tell apart is the flip done. Each picture
// costs the tray a redraw and a round trip to the X server.
constexpr int cellFlipFrames = 1;

std::optional<platform::Date> rowLookChange(const DisplayRenderer& renderer, const DisplayFrame& frame,
                                            const DisplayLookState& state, platform::Date now)
{
    // A cell's rows are split at the colon, so no colon pulses there; a
    // blinking flip clock is dark throughout.
    if (renderer.displayType() == DisplayType::FlipClock)
        return FlipCardMotion::nextFrame(state.flip, frame.style.flipSpeed, now, cellFlipFrames);
    return renderer.nextLookChange(frame, state, now);
}

// A tenth of the area's side: breathing room for the pictures that are not text.
qreal unitOf(const QRectF& area)
{
    return std::min(area.width(), area.height()) / 10;
}

// The display proper in a cell: the animation, the check mark, or the time
// in one or two rows.
void paintCellDisplay(QPainter& painter, const MenuBarContent& content, const QRectF& area, MenuBarLookStates& states,
                      platform::Date now)
{
    if (content.showsAnimation()) {
        const QRectF target = TrayImageFitting::fitInto(animationSize(content), area);
        paintAnimationFrame(painter, content, target, target.height() * animationCornerRadius / trayAnimationHeight);
        return;
    }
    if (content.showsCheckmark()) {
        const QRectF bounds = checkmarkDotBounds(content);
        const QRectF target = TrayImageFitting::fitInto(
            bounds.size(), area.adjusted(unitOf(area), unitOf(area), -unitOf(area), -unitOf(area)));
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(target.width() / bounds.width(), target.height() / bounds.height());
        painter.translate(-bounds.topLeft());
        paintCheckmark(painter, content);
        painter.restore();
        return;
    }
    const auto renderer = DisplayRendererFactory::renderer(content.displayType, content.lookSettings());
    DisplayFrame frame = content.frame();
    // A glow a few pixels wide only blurs the digits of a tray cell.
    frame.style.bloomEnabled = false;
    const auto split = TrayImageFitting::splitAtColon(frame.text());
    if (!split) {
        const Row row = measureRow(*renderer, content, frame, states, now);
        paintRow(painter, *renderer, row, states.whole, now, TrayImageFitting::fitInto(row.bounds.size(), area));
        return;
    }
    DisplayFrame topFrame = frame;
    topFrame.displayOverride = split->first;
    DisplayFrame bottomFrame = frame;
    bottomFrame.displayOverride = split->second;
    const Row top = measureRow(*renderer, content, topFrame, states, now);
    const Row bottom = measureRow(*renderer, content, bottomFrame, states, now);
    // The rows share one scale, so their digits are the same size.
    const qreal gap = std::max(top.bounds.height(), bottom.bounds.height()) * 0.2;
    const QSizeF stacked(std::max(top.bounds.width(), bottom.bounds.width()),
                         top.bounds.height() + gap + bottom.bounds.height());
    const QRectF fitted = TrayImageFitting::fitInto(stacked, area);
    // Rows a whole number of pixels tall, starting on a pixel edge, blur less.
    const qreal rowHeight = std::max(top.bounds.height(), bottom.bounds.height());
    const qreal scale = std::max(std::floor(rowHeight * fitted.width() / stacked.width()), 1.0) / rowHeight;
    const auto snapped = [](QRectF rect) {
        rect.moveTopLeft(QPointF(std::round(rect.left()), std::round(rect.top())));
        return rect;
    };
    const qreal used = stacked.height() * scale;
    const qreal topEdge = fitted.center().y() - used / 2;
    QRectF topTarget(0, 0, top.bounds.width() * scale, top.bounds.height() * scale);
    topTarget.moveTopLeft(QPointF(fitted.center().x() - topTarget.width() / 2, topEdge));
    QRectF bottomTarget(0, 0, bottom.bounds.width() * scale, bottom.bounds.height() * scale);
    bottomTarget.moveBottomLeft(QPointF(fitted.center().x() - bottomTarget.width() / 2, topEdge + used));
    topTarget = snapped(topTarget);
    bottomTarget = snapped(bottomTarget);
    paintRow(painter, *renderer, top, states.top, now, topTarget);
    paintRow(painter, *renderer, bottom, states.bottom, now, bottomTarget);
}

// Draws the picture into the blank `image`: rimmed when it has no background
// of its own, then faded and greyed when paused.
void paintPicture(QImage& image, const MenuBarContent& content, const std::function<void(QPainter&)>& paintContent)
{
    const std::optional<QColor> edge = TrayContrastEdge::edgeColor(content);
    paintWithPausedLook(image, content.mode == TimerMode::Paused, [&](QPainter& painter) {
        paintContent(painter);
        if (!edge)
            return;
        painter.end();
        TrayContrastEdge::surround(image, TrayContrastEdge::edgeWidth(image.height()), *edge);
    });
}

} // namespace

qreal frameHeight(DisplayScale scale)
{
    return frameHeights[scale];
}

qreal backgroundCornerRadius(DisplayScale scale)
{
    return cornerRadii[scale];
}

qreal checkmarkDotSize(DisplayScale scale)
{
    return checkmarkDotSizes[scale];
}

QList<QImage> render(const MenuBarContent& content, platform::StatusItem::Shape shape, MenuBarLookStates& states,
                     platform::Date now, qreal devicePixelRatio, std::optional<int> cellPixels)
{
    if (shape == platform::StatusItem::Shape::Strip)
        return {renderNatural(content, states.whole, now, devicePixelRatio)};
    if (cellPixels && *cellPixels > 0)
        return {renderCell(content, *cellPixels, states, now)};
    QList<QImage> images;
    for (const int pixels : cellSizes)
        images.append(renderCell(content, pixels, states, now));
    return images;
}

std::optional<platform::Date> nextLookChange(const MenuBarContent& content, platform::StatusItem::Shape shape,
                                             const MenuBarLookStates& states, platform::Date now)
{
    if (content.displayMode != MenuBarDisplayMode::Full || content.showsAnimation() || content.showsCheckmark())
        return std::nullopt;
    const auto renderer = DisplayRendererFactory::renderer(content.displayType, content.lookSettings());
    const DisplayFrame frame = content.frame();
    const auto split = TrayImageFitting::splitAtColon(frame.text());
    if (shape == platform::StatusItem::Shape::Strip)
        return renderer->nextLookChange(frame, states.whole, now);
    if (!split)
        return rowLookChange(*renderer, frame, states.whole, now);
    DisplayFrame top = frame;
    top.displayOverride = split->first;
    DisplayFrame bottom = frame;
    bottom.displayOverride = split->second;
    const auto first = rowLookChange(*renderer, top, states.top, now);
    const auto second = rowLookChange(*renderer, bottom, states.bottom, now);
    if (first && second)
        return std::min(*first, *second);
    return first ? first : second;
}

bool samePicture(const MenuBarContent& a, const MenuBarContent& b, platform::Date now)
{
    const auto drawn = [now](const MenuBarContent& content) {
        const DisplayFrame frame = content.frame();
        const qreal colon = DisplayTiming::colonOpacity(frame.style.colonMode, frame.time, now);
        MenuBarContent timeless = content;
        timeless.duration = timeless.remaining = timeless.elapsed = 0;
        return std::tuple(timeless, frame.text(), iconView(content).text(), colon);
    };
    return drawn(a) == drawn(b);
}

// MARK: Natural form

namespace {

struct NaturalLayout {
    QSizeF display; // the renderer, check mark or animation, unscaled
    qreal displayScale = 1;
    QSizeF frame; // the full form's frame (the background), or the icon form's size
    QSizeF total; // with the padding
};

QSizeF displaySize(const MenuBarContent& content, const DisplayRenderer& renderer)
{
    return renderer.naturalSize(content.frame());
}

NaturalLayout naturalLayout(const MenuBarContent& content, const DisplayRenderer& renderer)
{
    NaturalLayout layout;
    if (content.displayMode != MenuBarDisplayMode::Full) {
        layout.frame = iconView(content).naturalSize();
    } else {
        layout.display = displaySize(content, renderer);
        const qreal height = frameHeight(content.scale);
        const qreal room = height - (content.phaseIndicators ? stripHeight : 0);
        layout.displayScale
            = layout.display.height() > room && layout.display.height() > 0 ? room / layout.display.height() : 1;
        layout.frame = QSizeF(layout.display.width() * layout.displayScale, height);
    }
    layout.total = layout.frame + QSizeF(2 * horizontalPadding, 2 * verticalPadding);
    return layout;
}

} // namespace

QSizeF naturalSize(const MenuBarContent& content)
{
    const auto renderer = DisplayRendererFactory::renderer(content.displayType, content.lookSettings());
    return naturalLayout(content, *renderer).total;
}

QImage renderNatural(const MenuBarContent& content, DisplayLookState& state, platform::Date now, qreal devicePixelRatio)
{
    const auto renderer = DisplayRendererFactory::renderer(content.displayType, content.lookSettings());
    const NaturalLayout layout = naturalLayout(content, *renderer);
    QImage image = blankImage(layout.total, devicePixelRatio);
    const QRectF frameRect(QPointF(horizontalPadding, verticalPadding), layout.frame);

    paintPicture(image, content, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        if (content.displayMode != MenuBarDisplayMode::Full) {
            painter.translate(frameRect.topLeft());
            iconView(content).paint(painter);
            return;
        }
        const qreal radius = backgroundCornerRadius(content.scale);
        paintBackground(painter, frameRect, radius, content.color.backgroundColor());
        const qreal room = frameRect.height() - (content.phaseIndicators ? stripHeight : 0);
        const QRectF displayArea(frameRect.left(), frameRect.top(), frameRect.width(), room);
        if (content.showsAnimation()) {
            // At its own height, not the frame's, centred in the room above the strip.
            const qreal height = std::min(trayAnimationHeight, displayArea.height());
            const QRectF band(displayArea.left(), displayArea.center().y() - height / 2, displayArea.width(), height);
            const QRectF target = TrayImageFitting::fitInto(animationSize(content), band);
            paintAnimationFrame(painter, content, target, animationCornerRadius);
        } else if (content.showsCheckmark()) {
            const QSizeF size = checkmarkSize(content);
            painter.save();
            painter.translate(displayArea.center() - QPointF(size.width() / 2, size.height() / 2));
            paintCheckmark(painter, content);
            painter.restore();
        } else {
            const DisplayFrame frame = content.frame();
            renderer->advance(state, frame, now);
            const QSizeF scaled = layout.display * layout.displayScale;
            painter.save();
            painter.translate(displayArea.center() - QPointF(scaled.width() / 2, scaled.height() / 2));
            painter.scale(layout.displayScale, layout.displayScale);
            renderer->paint(painter, frame, state);
            painter.restore();
        }
        if (content.phaseIndicators)
            paintPhaseBars(painter, *content.phaseIndicators,
                           QRectF(frameRect.left() + stripPadding, frameRect.bottom() - stripHeight,
                                  frameRect.width() - 2 * stripPadding, stripHeight),
                           1);
    });

    if (content.updateAvailable) {
        // At the top-trailing corner, kept inside the picture.
        QPainter painter(&image);
        paintUpdateDot(painter, QRectF(layout.total.width() - updateDotSize, 0, updateDotSize, updateDotSize),
                       content.primaryColor);
    }
    return image;
}

// MARK: Square cell

QImage renderCell(const MenuBarContent& content, int pixels, MenuBarLookStates& states, platform::Date now)
{
    QImage image = blankImage(QSizeF(pixels, pixels), 1);
    const qreal side = pixels;
    const qreal unit = side / 22; // one pixel of the common cell
    const QRectF cell(0, 0, side, side);

    paintPicture(image, content, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        QRectF area = cell.adjusted(unit, unit, -unit, -unit);
        if (content.displayMode != MenuBarDisplayMode::Full) {
            const IconFallbackView view = iconView(content);
            const QSizeF size = view.naturalSize();
            const QRectF target = TrayImageFitting::fitInto(size, area);
            painter.translate(target.topLeft());
            painter.scale(target.width() / size.width(), target.height() / size.height());
            view.paint(painter);
            return;
        }
        paintBackground(painter, cell, side * 0.2, content.color.backgroundColor());
        if (content.phaseIndicators) {
            const qreal barHeight = 2 * unit;
            paintPhaseBars(painter, *content.phaseIndicators,
                           QRectF(area.left(), area.bottom() - barHeight, area.width(), barHeight), unit);
            area.setBottom(area.bottom() - barHeight - unit);
        }
        paintCellDisplay(painter, content, area, states, now);
    });

    if (content.updateAvailable) {
        QPainter painter(&image);
        const qreal dot = updateDotSize * unit;
        paintUpdateDot(painter, QRectF(side - dot, 0, dot, dot), content.primaryColor);
    }
    return image;
}

// MARK: Pixels

void paintBackground(QPainter& painter, const QRectF& area, qreal radius, const QColor& color)
{
    if (color.alpha() == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    painter.fillPath(path, color);
    painter.restore();
}

void paintWithPausedLook(QImage& image, bool paused, const std::function<void(QPainter&)>& paintContent)
{
    {
        QPainter painter(&image);
        paintContent(painter);
    }
    if (paused)
        fade(image, pausedOpacity, pausedSaturation);
}

void fade(QImage& image, qreal opacity, qreal saturation)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Each channel becomes a mix of the three, weighted by the Rec. 709 luma
    // weights towards grey and scaled by the opacity, in 1/65536ths. The
    // weights of a channel are never negative and sum to the opacity, so a
    // premultiplied channel stays within its (scaled) alpha.
    const qreal keep = std::clamp(saturation, 0.0, 1.0);
    const qreal scale = std::clamp(opacity, 0.0, 1.0) * 65536;
    constexpr std::array<qreal, 3> luma{0.2126, 0.7152, 0.0722};
    std::array<std::array<int, 3>, 3> weights{};
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t j = 0; j < 3; ++j)
            weights[c][j] = static_cast<int>(std::floor(((1 - keep) * luma[j] + (c == j ? keep : 0)) * scale));
    }
    const int alphaWeight = static_cast<int>(std::floor(scale));
    const int width = image.width();
    const int height = image.height();
    // Runs of one colour (the card, the clear corners, unlit dots) are
    // common: each is worked out once.
    QRgb last = 0;
    QRgb lastResult = 0;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = line[x];
            if (p != last) {
                const int r = qRed(p), g = qGreen(p), b = qBlue(p);
                const auto mix = [&](const std::array<int, 3>& w) { return (w[0] * r + w[1] * g + w[2] * b) >> 16; };
                last = p;
                lastResult = qRgba(mix(weights[0]), mix(weights[1]), mix(weights[2]), (alphaWeight * qAlpha(p)) >> 16);
            }
            line[x] = lastResult;
        }
    }
}

QImage tinted(const QImage& image, const QColor& color)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QColor rgb = color.toRgb();
    const qreal r = rgb.redF(), g = rgb.greenF(), b = rgb.blueF(), a = rgb.alphaF();
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(
                static_cast<int>(std::lround(qRed(p) * r * a)), static_cast<int>(std::lround(qGreen(p) * g * a)),
                static_cast<int>(std::lround(qBlue(p) * b * a)), static_cast<int>(std::lround(qAlpha(p) * a)));
        }
    }
    return result;
}

} // namespace MenuBarContentView
