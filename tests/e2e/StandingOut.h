// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What in a screenshot stands out from its background: the picture's most
// common colour, as a panel or a window is behind a small icon.

#include "TimerCoreKit/color/DisplayColor.h"

#include <QHash>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdlib>

namespace StandingOut {

inline QRgb background(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb commonest = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            commonest = it.key();
        }
    }
    return commonest;
}

inline bool far(QRgb pixel, QRgb from)
{
    return std::abs(qRed(pixel) - qRed(from)) + std::abs(qGreen(pixel) - qGreen(from))
        + std::abs(qBlue(pixel) - qBlue(from))
        > 60;
}

// How many pixels stand out.
inline int pixels(const QImage& image)
{
    const QRgb behind = background(image);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += far(image.pixel(x, y), behind) ? 1 : 0;
    return count;
}

// The smallest rectangle holding them; empty when none does.
inline QRect area(const QImage& image)
{
    const QRgb behind = background(image);
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (far(image.pixel(x, y), behind))
                found |= QRect(x, y, 1, 1);
    return found;
}

inline double luminance(QRgb pixel)
{
    return DisplayColor::relativeLuminance(qRed(pixel) / 255.0, qGreen(pixel) / 255.0, qBlue(pixel) / 255.0);
}

inline double wcagRatio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The mean WCAG contrast against `behind` of the pixels in `within` that stand
// out from it, as the tray picture's own test takes it; 1 when none does.
inline double contrast(const QImage& image, const QRect& within, QRgb behind)
{
    const double back = luminance(behind);
    double sum = 0;
    int count = 0;
    const QRect area = within & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (far(pixel, behind)) {
                sum += wcagRatio(luminance(pixel), back);
                ++count;
            }
        }
    }
    return count ? sum / count : 1;
}

} // namespace StandingOut
