// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/paint/GaussianBlur.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int passes = 3;

// Radii of three boxes whose repeated application approximates a Gaussian of
// the given sigma.
std::array<int, passes> boxRadii(qreal sigma, int longestLine)
{
    // Spreading further than the image is long changes nothing but the work.
    sigma = std::min(sigma, static_cast<qreal>(longestLine));
    const double ideal = std::sqrt(12.0 * sigma * sigma / passes + 1.0);
    int lower = platform::saturatingCast<int>(std::floor(ideal));
    if (lower % 2 == 0)
        --lower;
    lower = std::max(lower, 1);
    const int upper = lower + 2;
    const double lowerPasses
        = (12.0 * sigma * sigma - passes * lower * lower - 4.0 * passes * lower - 3.0 * passes) / (-4.0 * lower - 4.0);
    const int lowerCount = platform::saturatingCast<int>(std::round(lowerPasses));

    std::array<int, passes> radii{};
    for (int i = 0; i < passes; ++i) {
        const int width = i < lowerCount ? lower : upper;
        radii[static_cast<std::size_t>(i)] = (width - 1) / 2;
    }
    return radii;
}

struct Channels {
    int a = 0, r = 0, g = 0, b = 0;

    void add(QRgb pixel) { a += qAlpha(pixel), r += qRed(pixel), g += qGreen(pixel), b += qBlue(pixel); }
    void remove(QRgb pixel) { a -= qAlpha(pixel), r -= qRed(pixel), g -= qGreen(pixel), b -= qBlue(pixel); }
    QRgb averageOver(int count) const
    {
        const auto mean = [count](int sum) { return (sum + count / 2) / count; };
        return qRgba(mean(r), mean(g), mean(b), mean(a));
    }
};

// One box pass over a line of `count` pixels, from `line` into `out`.
void boxPass(const QRgb* line, int count, int radius, QRgb* out)
{
    const int window = 2 * radius + 1;
    Channels sum;
    for (int i = 0; i <= std::min(radius, count - 1); ++i)
        sum.add(line[i]);
    for (int i = 0; i < count; ++i) {
        out[i] = sum.averageOver(window);
        if (const int entering = i + radius + 1; entering < count)
            sum.add(line[entering]);
        if (const int leaving = i - radius; leaving >= 0)
            sum.remove(line[leaving]);
    }
}

void blurLines(QImage& image, bool horizontal, const std::array<int, passes>& radii)
{
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype rowStride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const int lineCount = horizontal ? image.height() : image.width();
    const int lineLength = horizontal ? image.width() : image.height();
    const qsizetype step = horizontal ? 1 : rowStride;

    std::vector<QRgb> front(static_cast<std::size_t>(lineLength));
    std::vector<QRgb> back(front.size());
    for (int lineIndex = 0; lineIndex < lineCount; ++lineIndex) {
        QRgb* line = horizontal ? pixels + lineIndex * rowStride : pixels + lineIndex;
        for (int i = 0; i < lineLength; ++i)
            front[static_cast<std::size_t>(i)] = line[i * step];
        for (const int radius : radii) {
            if (radius < 1)
                continue;
            boxPass(front.data(), lineLength, radius, back.data());
            std::swap(front, back);
        }
        for (int i = 0; i < lineLength; ++i)
            line[i * step] = front[static_cast<std::size_t>(i)];
    }
}

} // namespace

void gaussianBlur(QImage& image, qreal sigma)
{
    if (!(sigma > 0) || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);

    const auto radii = boxRadii(sigma, std::max(image.width(), image.height()));
    blurLines(image, true, radii);
    blurLines(image, false, radii);
}
