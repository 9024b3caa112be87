// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayRenderer.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QColor>
#include <QImage>
#include <QPointF>

#include <cmath>
#include <optional>

#include <gtest/gtest.h>

// A look rendered offscreen at several pixels per point, read back at points
// of its own layout, so a probe well inside a shape misses its antialiased edge.
class LookProbe {
public:
    static constexpr qreal pixelsPerPoint = 4;

    LookProbe(const DisplayRenderer& renderer, const DisplayFrame& frame,
              platform::Date now = platform::Date::fromSecondsSinceReferenceDate(0))
    {
        DisplayLookState state;
        m_image = renderer.renderImage(frame, state, now, pixelsPerPoint);
        m_state = state;
    }

    const QImage& image() const { return m_image; }
    const DisplayLookState& state() const { return m_state; }

    // Non-premultiplied colour at a point of the look.
    QColor at(QPointF point) const
    {
        const int x = platform::saturatingCast<int>(std::floor(point.x() * pixelsPerPoint));
        const int y = platform::saturatingCast<int>(std::floor(point.y() * pixelsPerPoint));
        return m_image.pixelColor(x, y).toRgb();
    }

    bool isBlank() const
    {
        for (int y = 0; y < m_image.height(); ++y) {
            for (int x = 0; x < m_image.width(); ++x) {
                if (qAlpha(m_image.pixel(x, y)) != 0)
                    return false;
            }
        }
        return true;
    }

private:
    QImage m_image;
    DisplayLookState m_state;
};

// Colours compared channel by channel, premultiplied as they are stored, so
// that a faint colour is not judged by its rounding-amplified hue.
inline ::testing::AssertionResult nearColor(const QColor& actual, const QColor& expected, int allowance = 3)
{
    const QRgb a = qPremultiply(actual.rgba());
    const QRgb e = qPremultiply(expected.rgba());
    const auto close = [allowance](int x, int y) { return std::abs(x - y) <= allowance; };
    if (close(qRed(a), qRed(e)) && close(qGreen(a), qGreen(e)) && close(qBlue(a), qBlue(e))
        && close(qAlpha(a), qAlpha(e)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "colour " << qPrintable(actual.name(QColor::HexArgb)) << ", expected "
                                         << qPrintable(expected.name(QColor::HexArgb));
}

inline QColor withAlphaF(QColor color, qreal alpha)
{
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

// An amber frame at the regular size showing `text` (or the formatted time).
inline DisplayFrame amberFrameShowing(std::optional<QString> text, bool bloom = false)
{
    DisplayFrame frame;
    frame.color = DisplayColor::amber();
    frame.scale = DisplayScale::Regular;
    frame.style.bloomEnabled = bloom;
    frame.displayOverride = std::move(text);
    return frame;
}
