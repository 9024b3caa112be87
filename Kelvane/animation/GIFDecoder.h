// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <variant>

// Turns the bytes of an animated GIF into frames and per-frame delays, within
// fixed limits, scaling tall frames down with nearest-neighbour sampling so
// pixel art stays crisp. A still image in another format the platform reads
// becomes a single frame of the default delay.
namespace GIFDecoder {

enum class DecodingError { InvalidData, NoFrames, FileTooLarge, TooManyFrames };

QString description(DecodingError error);

struct Animation {
    QList<QImage> frames;
    QList<double> delays; // seconds, one per frame
};

inline constexpr qsizetype maximumBytes = 2 * 1024 * 1024;
inline constexpr int maximumFrames = 120;
inline constexpr double defaultDelay = 0.1;
// The largest frame side the decoder will allocate for.
inline constexpr int maximumSide = 4096;
// The most pixels a whole file may cost to decode, each GIF frame costing the
// area of the canvas it is composed onto: keeps a small file that declares many
// large frames to a fraction of a second. A built-in animation costs about
// 10 000 pixels; 120 frames of 370 x 370 still fit.
inline constexpr qint64 maximumTotalPixels = 16 * 1024 * 1024;

std::variant<Animation, DecodingError> decode(const QByteArray& data, double targetHeight);

// A frame taller than `targetHeight` scaled down to it, keeping its aspect;
// any other frame unchanged.
QImage rasterise(const QImage& image, double targetHeight);

// The delay stored for a frame in seconds; the default when there is none.
double frameDelay(std::optional<int> centiseconds);

} // namespace GIFDecoder
