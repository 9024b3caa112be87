// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/TintedFrame.h"

QImage tintedFrame(const QImage& frame, const QColor& tint)
{
    QImage tinted = frame.convertToFormat(QImage::Format_ARGB32);
    const float r = tint.redF(), g = tint.greenF(), b = tint.blueF(), a = tint.alphaF();
    const auto scaled = [](int channel, float factor) { return qRound(static_cast<float>(channel) * factor); };
    for (int y = 0; y < tinted.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < tinted.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] = qRgba(scaled(qRed(pixel), r), scaled(qGreen(pixel), g), scaled(qBlue(pixel), b),
                            scaled(qAlpha(pixel), a));
        }
    }
    return tinted;
}
