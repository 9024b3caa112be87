// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

// `frame` with every pixel multiplied by `tint`, alpha included: white pixels
// take the tint, black stay black, clear stay clear.
QImage tintedFrame(const QImage& frame, const QColor& tint);
