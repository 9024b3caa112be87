#pragma once

// Reading what a widget drew: render it offscreen at one device pixel per
// logical one and look at single pixels.

#include <QColor>
#include <QImage>
#include <QWidget>

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

inline void PrintTo(const QColor& color, std::ostream* out)
{
    *out << "rgba(" << color.red() << ", " << color.green() << ", " << color.blue() << ", " << color.alpha() << ")";
}
