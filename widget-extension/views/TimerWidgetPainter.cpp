// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/views/TimerWidgetPainter.h"

#include "widget-extension/views/TimerWidgetLook.h"

#include "shared-ui/desktopwidget/WidgetDotMatrixPainter.h"
#include "shared-ui/desktopwidget/WidgetThemeLibrary.h"

#include "DotMatrixKit/DotGridLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Qt::Literals::StringLiterals;
namespace G = TimerWidgetGeometry;
namespace Look = TimerWidgetLook;

namespace TimerWidgetPainter {
namespace {

constexpr qreal timeFontSize = 48;
constexpr qreal statusFontSize = 11; // the caption size
constexpr qreal textSpacing = 4;

QFont systemFont(qreal pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(weight);
    return font;
}

QFont monospacedFont(qreal pixelSize)
{
    QFont font = systemFont(pixelSize, QFont::Medium);
    font.setFamilies({u"DejaVu Sans Mono"_s, u"monospace"_s});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(static_cast<float>(color.alphaF() * opacity));
    return color;
}

// The four-digit frame the dot matrix keeps; the phase row hangs below the
// digits and needs its room too.
QSizeF dotMatrixFrame(const WidgetDotMatrixInputs& inputs)
{
    QSizeF frame = DotGridLayout(inputs.style).totalSize(u"88:88", DigitScaling::uniform());
    frame.setHeight(std::max(frame.height(), layoutWidgetDotMatrix(inputs).size.height()));
    return frame;
}

void paintDotMatrix(QPainter& painter, const TimerWidgetEntry& entry, const TimerWidgetLayout& layout,
                    WidgetRenderingMode renderingMode)
{
    painter.save();
    painter.setTransform(dotMatrixTransform(entry, layout, renderingMode), true);
    WidgetDotMatrixPainter::paint(painter, Look::dotMatrixInputs(entry, layout.family, renderingMode));
    painter.restore();
}

void paintText(QPainter& painter, const TimerWidgetEntry& entry, const QRectF& area)
{
    const DotTheme theme = WidgetThemeLibrary::resolvedTheme(entry.appearanceSettings);
    const QString time = Look::timeText(entry);
    QFont timeFont = monospacedFont(timeFontSize);
    // Long times (hours, or the minimal format's big numbers) shrink to fit.
    const qreal natural = QFontMetricsF(timeFont).horizontalAdvance(time);
    if (natural > area.width())
        timeFont = monospacedFont(timeFontSize * area.width() / natural);
    const QFont statusFont = systemFont(statusFontSize, QFont::Normal);
    const qreal timeHeight = QFontMetricsF(timeFont).height();
    const qreal statusHeight = QFontMetricsF(statusFont).height();
    const qreal top = area.center().y() - (timeHeight + textSpacing + statusHeight) / 2;

    painter.setFont(timeFont);
    painter.setPen(theme.dotColor);
    painter.drawText(QRectF(area.left(), top, area.width(), timeHeight), Qt::AlignCenter, time);
    painter.setFont(statusFont);
    painter.setPen(Look::widgetSecondaryColor);
    painter.drawText(QRectF(area.left(), top + timeHeight + textSpacing, area.width(), statusHeight), Qt::AlignCenter,
                     Look::statusText(entry.timerState.mode));
}

void paintTimeContent(QPainter& painter, const TimerWidgetEntry& entry, const TimerWidgetLayout& layout,
                      WidgetRenderingMode renderingMode)
{
    if (entry.appearanceSettings.displayType == WidgetDisplayType::DotMatrix)
        paintDotMatrix(painter, entry, layout, renderingMode);
    else
        paintText(painter, entry, layout.timeArea);
}

// The paused look needs the finished picture of the time area, so it is drawn
// apart, washed out and laid on at half opacity.
void paintPausedTimeArea(QPainter& painter, const TimerWidgetEntry& entry, const TimerWidgetLayout& layout,
                         WidgetRenderingMode renderingMode)
{
    const qreal ratio = std::max<qreal>(painter.device() ? painter.device()->devicePixelRatioF() : 1.0, 1.0)
        * std::max<qreal>(painter.transform().m11(), 1.0);
    const QRectF area = layout.timeArea;
    QImage picture(
        QSize(static_cast<int>(std::ceil(area.width() * ratio)), static_cast<int>(std::ceil(area.height() * ratio))),
        QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter inner(&picture);
        inner.setRenderHint(QPainter::Antialiasing);
        inner.translate(-area.topLeft());
        paintTimeContent(inner, entry, layout, renderingMode);
    }
    QImage washed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < washed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(washed.scanLine(y));
        for (int x = 0; x < washed.width(); ++x)
            line[x] = desaturated(QColor::fromRgba(line[x]), pausedSaturation).rgba();
    }
    painter.save();
    painter.setOpacity(painter.opacity() * pausedOpacity);
    painter.drawImage(area.topLeft(), washed);
    painter.restore();
}

void paintOutline(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setPen(QPen(withOpacity(Look::widgetSecondaryColor, 0.5), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), G::outlineCornerRadius, G::outlineCornerRadius);
    painter.restore();
}

QPainterPath gearPath(QPointF centre, qreal size)
{
    constexpr int teeth = 8;
    const qreal outer = size / 2;
    const qreal inner = outer * 0.72;
    QPainterPath path;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        for (const qreal side : {-1.0, 1.0}) {
            const qreal angle = (i + side * 0.25) * std::numbers::pi / teeth;
            const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
            if (path.elementCount() == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
    }
    path.closeSubpath();
    path.addEllipse(centre, outer * 0.3, outer * 0.3);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void paintControl(QPainter& painter, const WidgetControl& control, const DotTheme& theme)
{
    const bool selected = control.selected;
    const QColor ink = selected ? theme.dotColor : Look::widgetSecondaryColor;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(ink, selected ? 0.15 : 0.1));
    painter.drawRoundedRect(control.rect, G::controlCornerRadius, G::controlCornerRadius);
    if (control.kind == WidgetControl::Kind::PresetButton && selected) {
        painter.setPen(QPen(withOpacity(theme.dotColor, 0.3), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(control.rect.adjusted(0.5, 0.5, -0.5, -0.5), G::controlCornerRadius - 0.5,
                                G::controlCornerRadius - 0.5);
    }
    switch (control.kind) {
    case WidgetControl::Kind::PresetButton:
        painter.setFont(systemFont(14, selected ? QFont::Bold : QFont::DemiBold));
        painter.setPen(ink);
        painter.drawText(control.rect, Qt::AlignCenter, control.label);
        break;
    case WidgetControl::Kind::CustomLink:
        painter.setFont(systemFont(12, QFont::Medium));
        painter.setPen(ink);
        painter.drawText(control.rect, Qt::AlignCenter, control.label);
        break;
    case WidgetControl::Kind::SettingsLink:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Look::widgetSecondaryColor);
        painter.drawPath(gearPath(control.rect.center(), 12));
        break;
    }
    painter.restore();
}

} // namespace

QColor desaturated(const QColor& color, qreal saturation)
{
    const qreal luma = 0.2126 * color.redF() + 0.7152 * color.greenF() + 0.0722 * color.blueF();
    const auto mix = [&](qreal component) {
        return static_cast<float>(std::clamp(luma + saturation * (component - luma), 0.0, 1.0));
    };
    return QColor::fromRgbF(mix(color.redF()), mix(color.greenF()), mix(color.blueF()), color.alphaF());
}

QRectF dotMatrixRect(const TimerWidgetEntry& entry, const TimerWidgetLayout& layout, WidgetRenderingMode renderingMode)
{
    const WidgetDotMatrixInputs inputs = Look::dotMatrixInputs(entry, layout.family, renderingMode);
    const QSizeF frame = dotMatrixFrame(inputs);
    const QRectF area = layout.timeArea;
    const qreal scale = std::min({1.0, area.width() / frame.width(), area.height() / frame.height()});
    const QSizeF shown = frame * scale;
    return QRectF(area.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
}

QTransform dotMatrixTransform(const TimerWidgetEntry& entry, const TimerWidgetLayout& layout,
                              WidgetRenderingMode renderingMode)
{
    const WidgetDotMatrixInputs inputs = Look::dotMatrixInputs(entry, layout.family, renderingMode);
    const QRectF target = dotMatrixRect(entry, layout, renderingMode);
    const QSizeF frame = dotMatrixFrame(inputs);
    const QSizeF natural = layoutWidgetDotMatrix(inputs).size;
    const qreal scale = target.width() / frame.width();
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(scale, scale);
    // Centred in the four-digit frame.
    transform.translate((frame.width() - natural.width()) / 2, (frame.height() - natural.height()) / 2);
    return transform;
}

void paint(QPainter& painter, const TimerWidgetEntry& entry, WidgetFamily family, WidgetRenderingMode renderingMode)
{
    const TimerWidgetLayout layout = layoutTimerWidget(entry, family);
    const DotTheme theme = WidgetThemeLibrary::resolvedTheme(entry.appearanceSettings);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (renderingMode == WidgetRenderingMode::FullColor) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme.backgroundColor);
        painter.drawRoundedRect(QRectF(QPointF(0, 0), layout.size), containerCornerRadius, containerCornerRadius);
    }
    if (entry.timerState.mode == TimerMode::Paused)
        paintPausedTimeArea(painter, entry, layout, renderingMode);
    else
        paintTimeContent(painter, entry, layout, renderingMode);
    if (entry.loadError == WidgetLoadError::TimerStateCorrupted)
        paintOutline(painter, layout.timeArea);
    for (const WidgetControl& control : layout.quickColumn)
        paintControl(painter, control, theme);
    painter.restore();
}

QImage renderImage(const TimerWidgetEntry& entry, WidgetFamily family, WidgetRenderingMode renderingMode,
                   qreal devicePixelRatio)
{
    const QSizeF size = widgetSize(family);
    QImage image(QSize(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, entry, family, renderingMode);
    return image;
}

} // namespace TimerWidgetPainter
