// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/TrayImageFitting.h"

#include <algorithm>

namespace TrayImageFitting {

std::optional<std::pair<QString, QString>> splitAtColon(const QString& text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon <= 0 || colon == text.size() - 1)
        return std::nullopt;
    return std::pair(text.left(colon), text.mid(colon + 1));
}

QRectF fitInto(QSizeF content, const QRectF& area)
{
    if (!(content.width() > 0) || !(content.height() > 0) || area.isEmpty())
        return QRectF(area.center(), QSizeF(0, 0));
    const qreal scale = std::min(area.width() / content.width(), area.height() / content.height());
    QRectF fitted(QPointF(0, 0), content * scale);
    fitted.moveCenter(area.center());
    return fitted;
}

QRectF opaqueBounds(const QImage& image, int alphaThreshold)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int left = argb.width(), top = argb.height(), right = -1, bottom = -1;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) <= alphaThreshold)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    const qreal ratio = image.devicePixelRatio();
    return QRectF(left / ratio, top / ratio, (right - left + 1) / ratio, (bottom - top + 1) / ratio);
}

QString widestDigits(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (c.isDigit())
            c = QLatin1Char('8');
    }
    return result;
}

} // namespace TrayImageFitting
