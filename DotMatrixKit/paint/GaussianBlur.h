// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QImage;

// Blurs `image` in place with an approximate Gaussian of standard deviation
// `sigma` pixels: three box passes along each axis. Outside the image counts
// as transparent. A sigma that is not positive leaves the image as it is.
// The image ends up premultiplied ARGB32.
void gaussianBlur(QImage& image, qreal sigma);
