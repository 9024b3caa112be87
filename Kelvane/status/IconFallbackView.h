// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/PhaseIndicator.h"
#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/engine/TimerMode.h"

#include <QColor>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

// The small form of the tray item: a symbol for the timer's mode and/or a
// short monospaced time, with an optional row of phase bars under them.
struct IconFallbackView {
    double time = 0;
    TimerMode mode = TimerMode::Idle;
    std::optional<QString> displayOverride;
    TimeFormat timeFormat = TimeFormat::Minimal;
    bool showLeadingZero = false;
    bool showIcon = true;
    bool showText = false;
    std::optional<double> referenceTime;
    std::optional<QColor> tintColor;
    std::optional<std::vector<PhaseIndicator>> phaseIndicators;
    QColor primaryColor = Qt::white;

    // "42s", "0:09", "12:05" in the standard format, "3m" or "03m" in the
    // minimal one; the override as given.
    QString text() const;

    QSizeF naturalSize() const;
    // Draws into the natural size's rectangle at the painter's origin.
    void paint(QPainter& painter) const;

    static constexpr qreal symbolSize = 14;
    static constexpr qreal textPixelSize = 13;
    static constexpr qreal spacing = 4;
    static constexpr qreal barHeight = 3;
    static constexpr qreal barSpacing = 1;
    static constexpr qreal rowSpacing = 2;
    // Without a bar row the form is this tall.
    static constexpr qreal plainHeight = 22;
};

// The mode's symbol drawn as strokes, centred in a square of `size`:
// a stopwatch, a ring with a hand, a ring with two bars, a ring with a tick.
void paintModeSymbol(QPainter& painter, TimerMode mode, const QRectF& box, const QColor& color);

// A row of phase bars sharing `area`'s width, each faded by its state.
void paintPhaseBars(QPainter& painter, const std::vector<PhaseIndicator>& indicators, const QRectF& area,
                    qreal spacing);
