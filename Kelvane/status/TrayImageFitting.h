// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <utility>

// The geometry of putting a wide display into a square tray cell.
namespace TrayImageFitting {

// "25:00" becomes "25" over "00"; a text without a colon, or with nothing on
// one side of it, is not split.
std::optional<std::pair<QString, QString>> splitAtColon(const QString& text);

// The largest rectangle of `content`'s aspect that fits `area`, centred in it;
// an empty rectangle at the centre when either has no area.
QRectF fitInto(QSizeF content, const QRectF& area);

// The smallest rectangle, in the image's points, holding every pixel whose
// alpha exceeds `alphaThreshold`; empty when there is none.
QRectF opaqueBounds(const QImage& image, int alphaThreshold);

// The same text with every digit an 8, so a layout measured on it does not
// move as the digits change.
QString widestDigits(const QString& text);

} // namespace TrayImageFitting
