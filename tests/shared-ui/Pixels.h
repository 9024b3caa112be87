// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading what a widget drew: render it offscreen at one device pixel per
// logical one and look at single pixels.

#include <QColor>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <ostream>

inline QImage renderedImage(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// `top` composited over an opaque `bottom`, as the screen shows it.
inline QColor over(const QColor& top, const QColor& bottom)
{
    const auto a = top.alphaF();
    const auto mix = [a](float t, float b) { return t * a + b * (1 - a); };
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()),
                            mix(top.blueF(), bottom.blueF()));
}

// Channel by channel within `tolerance` of 255.
inline bool nearPixel(const QColor& actual, const QColor& expected, int tolerance = 2)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

// The largest difference of any channel of any pixel, premultiplied.
inline int largestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 256;
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(l[x]) - qRed(r[x])), std::abs(qGreen(l[x]) - qGreen(r[x])),
                                std::abs(qBlue(l[x]) - qBlue(r[x])), std::abs(qAlpha(l[x]) - qAlpha(r[x]))});
        }
    }
    return largest;
}

inline void PrintTo(const QColor& color, std::ostream* out)
{
    *out << "rgba(" << color.red() << ", " << color.green() << ", " << color.blue() << ", " << color.alpha() << ")";
}
