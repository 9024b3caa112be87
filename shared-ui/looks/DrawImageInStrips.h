// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>

// Draws `image` with its top left at `at` (painter coordinates, expected one
// to one with device pixels) in bands short enough that Qt blends each on
// the calling thread. Qt hands any blend it cannot do in one fast step (an
// additive one, say) of 96 rows or more to its thread pool and waits, which
// costs several times the blend itself; every pixel is still blended once,
// so the result is the same as one draw.
void drawImageInStrips(QPainter& painter, QPoint at, const QImage& image);
