// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/provider/TimerWidgetEntry.h"
#include "widget-extension/views/TimerWidgetLayout.h"

#include <QImage>
#include <QRectF>
#include <QTransform>

class QPainter;

// The drawing of one widget from one entry; needs no window, so the host, the
// gallery and the tests draw alike.
namespace TimerWidgetPainter {

inline constexpr qreal containerCornerRadius = 20;
inline constexpr qreal pausedOpacity = 0.5;
inline constexpr qreal pausedSaturation = 0.3;

// Where the display of the time area is drawn: the dot matrix keeps the size
// of a four-digit time whatever it shows, shrunk (never grown) to fit.
QRectF dotMatrixRect(const TimerWidgetEntry& entry, const TimerWidgetLayout& layout, WidgetRenderingMode renderingMode);
// From the dot-matrix display's own coordinates to the widget's.
QTransform dotMatrixTransform(const TimerWidgetEntry& entry, const TimerWidgetLayout& layout,
                              WidgetRenderingMode renderingMode);

void paint(QPainter& painter, const TimerWidgetEntry& entry, WidgetFamily family, WidgetRenderingMode renderingMode);
QImage renderImage(const TimerWidgetEntry& entry, WidgetFamily family, WidgetRenderingMode renderingMode,
                   qreal devicePixelRatio = 1.0);

// The colour drawn at `saturation` (0 grey, 1 unchanged), by Rec. 709 luma.
QColor desaturated(const QColor& color, qreal saturation);

} // namespace TimerWidgetPainter
