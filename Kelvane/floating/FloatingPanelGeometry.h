// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include <optional>

// Where the floating panel goes and how big it is, on screens given as their
// visible frames (the screen less its panels and docks). Positions are the
// panel's top-left corner: Qt's screen coordinates grow down from the top.
namespace FloatingPanelGeometry {

inline constexpr QSize minimumSize{200, 80};
// Size changes smaller than this in both directions are left alone, so the
// panel does not jitter as digits change width.
inline constexpr int refitTolerance = 2;

// The panel's size for content of `fitting` size: whole pixels, at least the minimum.
QSize panelSize(QSizeF fitting);

// On a visible screen: it overlaps the visible frame of at least one.
bool isOnVisibleScreen(const QRect& frame, const QList<QRect>& visibleFrames);

// At the saved corner when a panel of `size` there is on a visible screen,
// otherwise centred in `centreIn` (the primary screen's visible frame).
QRect placement(QSize size, std::optional<QPointF> saved, const QList<QRect>& visibleFrames, const QRect& centreIn);

// The frame re-fitted to `target`, keeping its top-left corner, or none when
// neither side is off by the tolerance or more.
std::optional<QRect> refitted(const QRect& frame, QSize target);

// The corner to save for a panel at `frame`; none when it lies on no visible
// screen, so a panel dragged off every screen keeps the last good position.
std::optional<QPoint> positionToSave(const QRect& frame, const QList<QRect>& visibleFrames);

} // namespace FloatingPanelGeometry
